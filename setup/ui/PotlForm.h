// TPotlForm ("View Potential"): asks for the target atomic number Z2 of the composite potential.
#pragma once

#include <QDialog>
#include <cstdint>

#include "FltEdit.h"
#include "text/FieldSpec.h"

namespace velkor {

inline constexpr IntFieldSpec kTargetZField{1, 99, 2, "29"};

class TPotlForm : public QDialog {
    Q_OBJECT
  public:
    explicit TPotlForm(QWidget* parent = nullptr);

    // Set by the lattice commands to the atomic number of the target they wrote; taken back from
    // the edit on OK.
    int32_t Z2 = 29;
    halvern::TIntegerEdit* IntegerEdit2;

  protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace velkor
