#include "ProcessDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "DestinationNames.h"
#include "DisplayText.h"
#include "ExpressionCombo.h"
#include "GeniusForm.h"
#include "GuardedSlot.h"
#include "NumericControl.h"
#include "ProcessCommands.h"
#include "UiSink.h"

namespace brisal {

using halvern::CoreText;
using halvern::DecodeText;
using halvern::GuardedSlot;

halvern::FileDialogSpec SourceDialogSpec() {
    return {"Select Source File", "Ostrel output file|*.osl|Any file|*.*", "*.osl", "osl"};
}

halvern::FileDialogSpec DestinationDialogSpec(const std::string& ext,
                                              const std::string& filterCaption) {
    return {"Specify Destination File", filterCaption + "|*." + ext + "|Any file|*.*", "*." + ext,
            ext};
}

TProcessDialog::TProcessDialog(const ProcessDialogSpec& setup, QWidget* parent)
    : QDialog(parent), setup_(setup) {
    setWindowTitle(setup.caption);

    auto* layout = new QVBoxLayout(this);
    inputs_ = new QGridLayout;
    layout->addLayout(inputs_);

    files_ = new QGridLayout;
    layout->addLayout(files_);
    Edit1 = new QLineEdit(QStringLiteral("*.osl"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2 = new QLineEdit(setup.destinationDefault);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    auto* browseSource = new QPushButton(QStringLiteral("&Browse"));
    browseSource->setObjectName(QStringLiteral("Button1"));
    auto* browseDestination = new QPushButton(QStringLiteral("B&rowse"));
    browseDestination->setObjectName(QStringLiteral("Button2"));
    addFileRow(0, QStringLiteral("&Source (input) file"), Edit1, browseSource);
    addFileRow(2, QStringLiteral("&Destination (output) file"), Edit2, browseDestination);
    connect(browseSource, &QPushButton::clicked, this, GuardedSlot([this] { Button1Click(); }));
    connect(browseDestination, &QPushButton::clicked, this,
            GuardedSlot([this] { Button2Click(); }));

    if (!setup.displayCaption.isEmpty()) {
        CheckBox1 = new QCheckBox(setup.displayCaption);
        CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
        CheckBox1->setChecked(setup.displayTicked);
        layout->addWidget(CheckBox1);
    }
    notes_ = new QVBoxLayout;
    layout->addLayout(notes_);

    const DialogButtons buttons =
        MakeDialogButtons(*this, setup.helpContext, [this] { BitBtn1Click(); });
    buttons_ = buttons.row;
    layout->addLayout(buttons_);
}

void TProcessDialog::addFileRow(int row, const QString& label, QLineEdit* edit,
                                QPushButton* browse) {
    edit->setMinimumWidth(320);
    files_->addWidget(BuddyLabel(label, edit), row, 0, 1, 2);
    files_->addWidget(edit, row + 1, 0);
    files_->addWidget(browse, row + 1, 1);
}

void TProcessDialog::addNote(const QString& text) {
    notes_->addWidget(NoteLabel(text));
}

void TProcessDialog::addButton(QPushButton* button) {
    buttons_->addWidget(button);
}

void TProcessDialog::addGeniusButton(const QString& hint) {
    auto* genius = new QPushButton(QStringLiteral("&Genius..."));
    genius->setObjectName(QStringLiteral("BitBtn4"));
    genius->setToolTip(hint);
    addButton(genius);
    connect(genius, &QPushButton::clicked, this, GuardedSlot([this] { BitBtn4Click(); }));
}

std::string TProcessDialog::source() const {
    return CoreText(Edit1->text());
}

std::string TProcessDialog::destination() const {
    return CoreText(Edit2->text());
}

bool TProcessDialog::display() const {
    return CheckBox1 != nullptr && CheckBox1->isEnabled() && CheckBox1->isChecked();
}

void TProcessDialog::setDisplayAvailable(bool available) {
    if (CheckBox1 != nullptr) CheckBox1->setEnabled(available);
}

std::string TProcessDialog::proposedDestination(const std::string& source) const {
    return ProposedDestination(source, setup_.saveDialog.defaultSuffix);
}

void TProcessDialog::Button1Click() {
    const auto chosen = halvern::UiFileChooser().openFile(this, SourceDialogSpec());
    if (!chosen) return;
    Edit1->setText(DecodeText(*chosen));
    Edit2->setText(DecodeText(proposedDestination(*chosen)));
}

void TProcessDialog::Button2Click() {
    const auto chosen = halvern::UiFileChooser().saveFile(this, setup_.saveDialog);
    if (chosen) Edit2->setText(DecodeText(*chosen));
}

void TProcessDialog::BitBtn1Click() {
    if (!halvern::ValidateNumericControls(this)) return;
    for (ExpressionCombo* box : expressionBoxes_) box->remember();
    if (FormCloseQuery()) accept();
}

void TProcessDialog::BitBtn4Click() {
    if (genius_ == nullptr || geniusTarget_ == nullptr) return;
    if (const auto expression = ChooseGeniusExpression(*genius_))
        geniusTarget_->setExpression(*expression);
}

bool TProcessDialog::FormCloseQuery() {
    if (SourceFileFound(source())) return true;
    halvern::UiSink().beep();
    return false;
}

}  // namespace brisal
