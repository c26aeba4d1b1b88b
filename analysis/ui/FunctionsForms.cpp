#include "FunctionsForms.h"

#include <QGridLayout>
#include <QLabel>

#include "ExpressionCombo.h"
#include "HelpContexts.h"
#include "ItemRadioGroup.h"

namespace brisal {

TFunctionsForm::TFunctionsForm(const ProcessDialogSpec& setup, const QString& label,
                               bool columnLabels, QWidget* parent)
    : TProcessDialog(setup, parent) {
    QGridLayout* grid = inputsGrid();
    for (size_t k = 0; k < ComboBox.size(); ++k) {
        auto* box = new ExpressionCombo(k == 0 ? QStringLiteral("ke/ep { particle KE, in eV }")
                                               : QString());
        box->setObjectName(QStringLiteral("ComboBox%1").arg(k));
        ComboBox[k] = box;
        addExpressionBox(box);
        const int row = static_cast<int>(k) + 1;
        if (columnLabels)
            grid->addWidget(BuddyLabel(QStringLiteral("Column %1").arg(k + 1), box), row, 0);
        grid->addWidget(box, row, 1);
    }
    grid->addWidget(BuddyLabel(label, ComboBox[0]), 0, 0, 1, 2);

    RadioGroup1 = new halvern::RadioGroup(
        QStringLiteral("Units"), {QStringLiteral("SI units"), QStringLiteral("Non-SI (kg A fs)")});
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setItemIndex(0);
    grid->addWidget(RadioGroup1, 1, 2, 3, 1, Qt::AlignTop);

    addNote(QStringLiteral("Tip: Use Ctrl-C and Ctrl-V to cut from, and paste to, input lines"));
    addNote(QStringLiteral("Use \"SI units\" with the Genius options"));
    addGeniusButton(QStringLiteral("Select expression from a list of standard options"));
    setGeniusTarget(ComboBox[0]);
}

FunctionsInputs TFunctionsForm::inputs() const {
    FunctionsInputs in;
    in.source = source();
    in.destination = destination();
    for (size_t k = 0; k < ComboBox.size(); ++k) in.functions[k] = ComboBox[k]->expression();
    in.units = RadioGroup1->itemIndex() == 1 ? halvern::QueryUnits::NonSI : halvern::QueryUnits::SI;
    in.display = display();
    return in;
}

TAvgForm::TAvgForm(QWidget* parent)
    : TFunctionsForm(
          {QStringLiteral("Averages"), kAveragesHelp, QStringLiteral("*.txt"),
           DestinationDialogSpec("txt", "Text file"), QStringLiteral("Display result"), true},
          QStringLiteral("Functions to be averaged (blank lines ignored)"), false, parent) {}

TFormatColForm::TFormatColForm(QWidget* parent)
    : TFunctionsForm(
          {QStringLiteral("Format Columns"), kFormatColumnsHelp, QStringLiteral("*.dat"),
           DestinationDialogSpec("dat", "Data file"), QStringLiteral("Display result"), false},
          QStringLiteral("Functions to be written to destination file (blank lines "
                         "ignored)"),
          true, parent) {}

}  // namespace brisal
