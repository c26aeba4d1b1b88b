#include "PotlForm.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "FieldControls.h"
#include "GuardedSlot.h"
#include "NumericControl.h"
#include "TargetDialogParts.h"
#include "UiSink.h"
#include "text/TextConversions.h"

namespace velkor {

TPotlForm::TPotlForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PotlForm"));
    setWindowTitle(QStringLiteral("View Potential"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    auto* note = new QLabel(
        QStringLiteral("In order to view the potential function, you need to specify the atomic "
                       "number ( Z2) of the target atoms."),
        this);
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    note->setFixedWidth(300);
    IntegerEdit2 = MakeIntegerEdit(this, "IntegerEdit2", kTargetZField);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Target atomic number"), IntegerEdit2);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("BitBtn2"));
    connect(ok, &QPushButton::clicked, this, halvern::GuardedSlot([this] {
                if (!halvern::ValidateNumericControls(this)) return;
                Z2 = TextToInt(halvern::UiSink(), FieldText(IntegerEdit2));
                accept();
            }));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TPotlForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ShowField(IntegerEdit2, std::to_string(Z2));
}

}  // namespace velkor
