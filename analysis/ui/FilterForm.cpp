#include "FilterForm.h"

#include <QGridLayout>
#include <QLabel>

#include "DestinationNames.h"
#include "ExpressionCombo.h"
#include "Genius2Form.h"
#include "HelpContexts.h"
#include "ModalRunner.h"

namespace brisal {

namespace {

ProcessDialogSpec FilterDialogSpec() {
    return {QStringLiteral("Filter"),
            kFilterHelp,
            QStringLiteral("*.osl"),
            {"Specify Destination File", "Ostrel output file|*.osl", "*.osl", "osl"},
            {},
            false};
}

}  // namespace

TFilterForm::TFilterForm(QWidget* parent) : TProcessDialog(FilterDialogSpec(), parent) {
    VarBox = new ExpressionCombo(QStringLiteral("[ke/ep > 100.0] { KE > 100 eV }"));
    VarBox->setObjectName(QStringLiteral("VarBox"));
    addExpressionBox(VarBox);

    QGridLayout* grid = inputsGrid();
    grid->addWidget(BuddyLabel(QStringLiteral("&Query expression"), VarBox), 0, 0);
    grid->addWidget(VarBox, 1, 0);
    grid->addWidget(NoteLabel(QStringLiteral(
                        "= logical expression [+ [logical operator] + [logical expression]...]")),
                    2, 0);
    addNote(QStringLiteral(
        "Filtering involves the selection of records whose dynamical variables have values that "
        "satisfy the query expression: these records alone are transferred to the destination "
        "file."));
    addGeniusButton(QStringLiteral("Select query expression from a list of standard options"));
}

FilterInputs TFilterForm::inputs() const {
    return {source(), destination(), VarBox->expression()};
}

void TFilterForm::BitBtn4Click() {
    if (genius_ != nullptr && RunModal(*genius_) == QDialog::Accepted)
        VarBox->setExpression(genius_->result());
}

std::string TFilterForm::proposedDestination(const std::string& source) const {
    return ProposedFilterDestination(source);
}

}  // namespace brisal
