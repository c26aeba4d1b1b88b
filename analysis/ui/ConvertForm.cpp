#include "ConvertForm.h"

#include "HelpContexts.h"

namespace brisal {

TConvertForm::TConvertForm(QWidget* parent)
    : TProcessDialog(
          {QStringLiteral("Convert"), kConvertHelp, QStringLiteral("*.dat"),
           DestinationDialogSpec("dat", "Data file"), QStringLiteral("Display output file"), false},
          parent) {}

}  // namespace brisal
