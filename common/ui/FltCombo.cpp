#include "FltCombo.h"

namespace halvern {

void MakeNumberCombo(QComboBox& combo) {
    combo.setEditable(true);
    combo.setInsertPolicy(QComboBox::NoInsert);
}

}  // namespace halvern
