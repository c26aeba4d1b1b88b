#include "GeniusForm.h"

#include <QLabel>
#include <QVBoxLayout>

#include "DialogButtons.h"
#include "GeniusTables.h"
#include "HelpContexts.h"
#include "ItemRadioGroup.h"
#include "ModalRunner.h"

namespace brisal {

TGeniusForm::TGeniusForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Expression Genius"));
    QStringList items;
    for (const GeniusChoice& choice : kGeniusVariables) items << QString::fromUtf8(choice.caption);
    RadioGroup1 = new halvern::RadioGroup(QStringLiteral("Variable"), items);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setItemIndex(0);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RadioGroup1);
    layout->addWidget(
        NoteLabel(QStringLiteral("Select the function of dynamical variables for which you want "
                                 "to form an expression. Unless stated otherwise, SI units (kg m "
                                 "s) are used for the expression.")));
    layout->addLayout(MakeDialogButtons(*this, kExpressionGeniusHelp).row);
}

std::optional<std::string> ChooseGeniusExpression(TGeniusForm& genius) {
    if (RunModal(genius) != QDialog::Accepted) return std::nullopt;
    return GeniusExpression(genius.RadioGroup1->itemIndex());
}

}  // namespace brisal
