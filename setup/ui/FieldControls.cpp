#include "FieldControls.h"

#include "HelpContexts.h"
#include "TargetDialogParts.h"

namespace velkor {

halvern::TFloatEdit* MakeFloatEdit(QWidget* parent, const char* name, const RealFieldSpec& spec) {
    return MakeFloatEdit(parent, name, spec.min, spec.max, spec.width, spec.text);
}

halvern::TIntegerEdit* MakeIntegerEdit(QWidget* parent, const char* name,
                                       const IntFieldSpec& spec) {
    return MakeIntegerEdit(parent, name, spec.min, spec.max, spec.width, spec.text);
}

void AddHelpKey(QWidget* window, int context) {
    halvern::SetHelpContext(window, context);
}

}  // namespace velkor
