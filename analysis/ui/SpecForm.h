// TSpecForm, "Make Spectrum": the expression, limits and channels of a spectrum.
#pragma once

#include "ProcessCommands.h"
#include "ProcessDialog.h"

namespace halvern {
class TFloatEdit;
class TIntegerEdit;
}  // namespace halvern

namespace brisal {

class ExpressionCombo;

class TSpecForm : public TProcessDialog {
    Q_OBJECT
  public:
    explicit TSpecForm(QWidget* parent = nullptr);

    // The accepted dialog's values.
    SpectrumInputs inputs() const;

    ExpressionCombo* VarBox = nullptr;
    halvern::TFloatEdit* LoEdit = nullptr;
    halvern::TFloatEdit* HiEdit = nullptr;
    halvern::TIntegerEdit* IntegerEdit1 = nullptr;
};

}  // namespace brisal
