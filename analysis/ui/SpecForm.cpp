#include "SpecForm.h"

#include <QGridLayout>
#include <QLabel>

#include "ExpressionCombo.h"
#include "FltEdit.h"
#include "HelpContexts.h"
#include "NumericFields.h"

namespace brisal {

namespace {

ProcessDialogSpec SpecDialogSpec() {
    return {QStringLiteral("Make Spectrum"),
            kSpectrumHelp,
            QStringLiteral("*.dat"),
            DestinationDialogSpec("dat", "Data file"),
            QStringLiteral("Display spectrum"),
            true};
}

}  // namespace

TSpecForm::TSpecForm(QWidget* parent) : TProcessDialog(SpecDialogSpec(), parent) {
    VarBox = new ExpressionCombo(QStringLiteral("ke/ep { particle KE, in eV }"));
    VarBox->setObjectName(QStringLiteral("VarBox"));
    LoEdit = RealField("LoEdit", "0.0", -1e100L, 1e100L);
    HiEdit = RealField("HiEdit", "100.0", -1e100L, 1e100L);
    IntegerEdit1 = IntegerField("IntegerEdit1", "20", 1, 10000);

    QGridLayout* grid = inputsGrid();
    grid->addWidget(BuddyLabel(QStringLiteral("Spectrum &independent variable (x-axis)"), VarBox),
                    0, 0, 1, 3);
    grid->addWidget(VarBox, 1, 0, 1, 3);
    grid->addWidget(BuddyLabel(QStringLiteral("Spectrum &low limit"), LoEdit), 2, 0);
    grid->addWidget(BuddyLabel(QStringLiteral("&Spectrum high limit"), HiEdit), 2, 1);
    grid->addWidget(BuddyLabel(QStringLiteral("&No. of bins (channels)"), IntegerEdit1), 2, 2);
    grid->addWidget(LoEdit, 3, 0);
    grid->addWidget(HiEdit, 3, 1);
    grid->addWidget(IntegerEdit1, 3, 2);

    addNote(QStringLiteral(
        "Limits are expressed in the units applicable to the independent variable expression."));
    addNote(QStringLiteral(
        "The spectrum is created by evaluating the specified independent variable for each "
        "particle record. If the variable value falls within the spectral limits, the record is "
        "counted in the appropriate bin (channel)."));
    addGeniusButton(QStringLiteral("Select spectrum from a list of standard options"));
    setGeniusTarget(VarBox);
    addExpressionBox(VarBox);
}

SpectrumInputs TSpecForm::inputs() const {
    SpectrumInputs in;
    in.source = source();
    in.destination = destination();
    in.expression = VarBox->expression();
    in.channels = IntegerValue(*IntegerEdit1);
    in.high = RealValue(*HiEdit);
    in.low = RealValue(*LoEdit);
    in.display = display();
    return in;
}

}  // namespace brisal
