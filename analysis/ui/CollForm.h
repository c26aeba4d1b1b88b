// TCollForm, "Collate": the function to collate and the collation method.
#pragma once

#include "ProcessCommands.h"
#include "ProcessDialog.h"

namespace halvern {
class RadioGroup;
}  // namespace halvern

namespace brisal {

class ExpressionCombo;

class TCollForm : public TProcessDialog {
    Q_OBJECT
  public:
    explicit TCollForm(QWidget* parent = nullptr);

    CollateInputs inputs() const;

    ExpressionCombo* VarBox = nullptr;
    halvern::RadioGroup* RadioGroup1 = nullptr;
};

}  // namespace brisal
