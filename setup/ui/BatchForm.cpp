#include "BatchForm.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "DisplayText.h"
#include "FieldControls.h"
#include "FileChooser.h"
#include "FltEdit.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "HelpWindow.h"
#include "NumericControl.h"
#include "TargetDialogParts.h"
#include "UiSink.h"
#include "text/TextConversions.h"

namespace velkor {

namespace {

// An edit with its "&Browse" button to the right.
QHBoxLayout* WithButton(QWidget* edit, QPushButton* button) {
    auto* row = new QHBoxLayout;
    row->addWidget(edit, 1);
    row->addWidget(button);
    return row;
}

QPushButton* Button(QWidget* parent, const char* name, const char* text) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TBatchForm::TBatchForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BatchForm"));
    setWindowTitle(QStringLiteral("Batch File Template"));
    BatchEdit = new QLineEdit(this);
    BatchEdit->setObjectName(QStringLiteral("BatchEdit"));
    StemEdit = new QLineEdit(this);
    StemEdit->setObjectName(QStringLiteral("StemEdit"));
    CountEdit = MakeIntegerEdit(this, "CountEdit", kBatchCountMin, kBatchCountMax,
                                decltype(spec_.count)::kWidth, "1");
    FitWidth(CountEdit, 7);
    QPushButton* browseBatch = Button(this, "BrowseBatch", "&Browse");
    QPushButton* browseStem = Button(this, "BrowseStem", "B&rowse");
    connect(browseBatch, &QPushButton::clicked, this, halvern::GuardedSlot([this] { BrowseBatchClick(); }));
    connect(browseStem, &QPushButton::clicked, this, halvern::GuardedSlot([this] { BrowseStemClick(); }));

    auto* form = new QFormLayout;
    const auto label = [this](const char* text, QWidget* buddy) {
        auto* l = new QLabel(QString::fromLatin1(text), this);
        l->setBuddy(buddy);
        return l;
    };
    form->addRow(label("Name of &batch definition file", BatchEdit), WithButton(BatchEdit, browseBatch));
    form->addRow(label("&Stem of project file names", StemEdit), WithButton(StemEdit, browseStem));
    form->addRow(label("&Number of simulations in batch", CountEdit), CountEdit);

    GenerateButton = Button(this, "BitBtn1", "Generate");
    GenerateButton->setDefault(true);
    QPushButton* cancel = Button(this, "BitBtn2", "Cancel");
    QPushButton* help = Button(this, "BitBtn3", "Help");
    connect(GenerateButton, &QPushButton::clicked, this, halvern::GuardedSlot([this] { GenerateClick(); }));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            halvern::GuardedSlot([] { halvern::ShowHelp(kHelpProgram, kBatchTemplateHelp); }));
    AddHelpKey(this, kBatchTemplateHelp);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {GenerateButton, cancel, help}) buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    resize(560, sizeHint().height());
    showRecord();
}

int32_t TBatchForm::count() const {
    return TextToIntQuiet(spec_.count.str());
}

void TBatchForm::showRecord() {
    BatchEdit->setText(halvern::DecodeText(spec_.batchFile));
    StemEdit->setText(halvern::DecodeText(spec_.stem));
    ShowField(CountEdit, spec_.count);
}

void TBatchForm::showEvent(QShowEvent* event) {
    showRecord();
    QDialog::showEvent(event);
}

void TBatchForm::BrowseBatchClick() {
    const auto chosen = halvern::UiFileChooser().saveFile(
        this, {"Name of Batch Definition File", "Batch definition file|*.bdf|Any file|*.*",
               halvern::CoreText(BatchEdit->text()), "bdf"});
    if (chosen) BatchEdit->setText(halvern::DecodeText(*chosen));
}

void TBatchForm::BrowseStemClick() {
    const auto chosen = halvern::UiFileChooser().openFile(
        this, {"Browse Project Files",
               "Simulation project files|*.prj;*.trg;*.run;*.imp;*.mdl|Any files|*.*", "*.*", ""});
    if (chosen) StemEdit->setText(halvern::DecodeText(StemFromProjectFile(*chosen)));
}

void TBatchForm::GenerateClick() {
    if (!halvern::ValidateNumericControls(this)) return;
    const std::string batchFile = halvern::CoreText(BatchEdit->text());
    if (!BatchNameAccepted(batchFile)) return;
    spec_.batchFile = batchFile;
    spec_.stem = halvern::CoreText(StemEdit->text());
    spec_.count = FieldText(CountEdit);
    halvern::UiSink().beep();
    accept();
}

}  // namespace velkor
