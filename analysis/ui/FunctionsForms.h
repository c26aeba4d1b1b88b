// TAvgForm ("Averages") and TFormatColForm ("Format Columns"): ten expression lines and the
// units of the variables.
#pragma once

#include <array>

#include "ProcessCommands.h"
#include "ProcessDialog.h"

namespace halvern {
class RadioGroup;
}  // namespace halvern

namespace brisal {

class ExpressionCombo;

class TFunctionsForm : public TProcessDialog {
    Q_OBJECT
  public:
    FunctionsInputs inputs() const;

    std::array<ExpressionCombo*, 10> ComboBox{};  // ComboBox0 .. ComboBox9
    halvern::RadioGroup* RadioGroup1 = nullptr;

  protected:
    // `columnLabels`: each line labelled "Column 1" .. "Column 10".
    TFunctionsForm(const ProcessDialogSpec& setup, const QString& label, bool columnLabels,
                   QWidget* parent);
};

class TAvgForm : public TFunctionsForm {
    Q_OBJECT
  public:
    explicit TAvgForm(QWidget* parent = nullptr);
};

class TFormatColForm : public TFunctionsForm {
    Q_OBJECT
  public:
    explicit TFormatColForm(QWidget* parent = nullptr);
};

}  // namespace brisal
