#include "CollForm.h"

#include <QGridLayout>
#include <QLabel>

#include "ExpressionCombo.h"
#include "HelpContexts.h"
#include "ItemRadioGroup.h"

namespace brisal {

namespace {

ProcessDialogSpec CollDialogSpec() {
    return {QStringLiteral("Collate"),
            kCollateHelp,
            QStringLiteral("*.dat"),
            DestinationDialogSpec("dat", "Data file"),
            QStringLiteral("Display results immediately"),
            true};
}

}  // namespace

TCollForm::TCollForm(QWidget* parent) : TProcessDialog(CollDialogSpec(), parent) {
    VarBox = new ExpressionCombo(QStringLiteral("ke/ep { particle KE, in eV }"));
    VarBox->setObjectName(QStringLiteral("VarBox"));
    RadioGroup1 = new halvern::RadioGroup(
        QStringLiteral("Collation method"),
        {QStringLiteral("Per atom basis"), QStringLiteral("Per run basis")});
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setItemIndex(0);

    QGridLayout* grid = inputsGrid();
    grid->addWidget(BuddyLabel(QStringLiteral("Function to collate"), VarBox), 0, 0);
    grid->addWidget(VarBox, 1, 0);
    grid->addWidget(RadioGroup1, 2, 0);
    addNote(QStringLiteral(
        "Collation involves the averaging of a function of dynamical variables. Averages are "
        "calculated for each atom (\"per atom basis\") or for each trajectory (\"per run "
        "basis\")."));
    addGeniusButton(QStringLiteral("Select expression from a list of standard options"));
    setGeniusTarget(VarBox);
    addExpressionBox(VarBox);
}

CollateInputs TCollForm::inputs() const {
    CollateInputs in;
    in.source = source();
    in.destination = destination();
    in.expression = VarBox->expression();
    in.method = RadioGroup1->itemIndex() == 1 ? halvern::CollateMethod::PerRun
                                              : halvern::CollateMethod::PerAtom;
    in.display = display();
    return in;
}

}  // namespace brisal
