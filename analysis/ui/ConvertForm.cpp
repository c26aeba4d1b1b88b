#include "ConvertForm.h"

#include "HelpContexts.h"

namespace brisal {

TConvertForm::TConvertForm(QWidget* parent)
    : TProcessDialog(
          {QStringLiteral("Convert"), kConvertHelp, QStringLiteral("*.dat"),
           DestinationDialogSpec("dat", "Data file"), QStringLiteral("Display output file"), false},
          parent) {}

ConvertInputs TConvertForm::inputs() const {
    return {source(), destination(), display()};
}

}  // namespace brisal
