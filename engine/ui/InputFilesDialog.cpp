#include "InputFilesDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "DisplayText.h"
#include "EngineHelp.h"
#include "FileChooser.h"
#include "FileNameBox.h"
#include "FileSafety.h"
#include "GuardedSlot.h"
#include "ShortString.h"
#include "UiSink.h"

namespace halvern {

namespace {

struct InputRow {
    const char* label;
    const char* button;
    const char* title;
    const char* filter;
    const char* extension;
};

constexpr InputRow kInputRows[6] = {
    {"&Projectile data", "&Select", "Select Projectile file", "Projectile file|*.prj", "prj"},
    {"&Target data", "Select", "Select Target file", "Target file|*.trg", "trg"},
    {"&Model data", "Select", "Select Model file", "Model file|*.mdl", "mdl"},
    {"&Run data", "Select", "Select Run file", "Run file|*.run", "run"},
    {"&Impact data", "Select", "Select Impact file", "Impact parameter file|*.imp", "imp"},
    {"I&nelastic data", "Select", "Select Inelastic file", "Inelastic parameters file|*.inl",
     "inl"},
};

}  // namespace

TFileDialog::TFileDialog(EngineGlobals& globals, TEngineFileNames& names, QWidget* parent)
    : QDialog(parent), globals_(globals), names_(names) {
    setObjectName(QStringLiteral("TFileDialog"));
    setWindowTitle(QStringLiteral("Specify input files"));
    // FormCreate: the output names are absolute from the start.
    MakeOutputNamesAbsolute(names_);

    auto* group = new QGroupBox(QStringLiteral("Input files"), this);
    auto* grid = new QGridLayout(group);
    for (int row = 0; row < 6; ++row) {
        const InputRow& r = kInputRows[row];
        labels_[row] = new QLabel(QString::fromLatin1(r.label), group);
        buttons_[row] = new QPushButton(QString::fromLatin1(r.button), group);
        buttons_[row]->setObjectName(QStringLiteral("Button%1").arg(row + 1));
        edits_[row] = MakeFileNameBox(boxes_[row], group);
        edits_[row]->setObjectName(QStringLiteral("Edit%1").arg(row + 1));
        labels_[row]->setBuddy(buttons_[row]);
        grid->addWidget(labels_[row], row, 0);
        grid->addWidget(buttons_[row], row, 1);
        grid->addWidget(edits_[row], row, 2);
        connect(buttons_[row], &QPushButton::clicked, this,
                GuardedSlot([this, row] { row == 0 ? Button1Click() : selectRow(row); }));
    }
    auto* buttons = AddDialogButtons(this, kInputFilesHelp);
    connect(buttons, &QDialogButtonBox::accepted, this, GuardedSlot([this] { BitBtn1Click(); }));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(new QLabel(QStringLiteral("(Inelastic data file is optional)"), this));
    layout->addWidget(buttons);
}

void TFileDialog::showEvent(QShowEvent* event) {
    RunGuarded(UiSink(), [this] { FormShow(); });
    QDialog::showEvent(event);
}

void TFileDialog::FormShow() {
    // The boxes keep what was last chosen here, also after Cancel.
    const bool inelastic = InelasticModelSelected(globals_.Options);
    buttons_[5]->setEnabled(inelastic);
    edits_[5]->setEnabled(inelastic);
    labels_[5]->setEnabled(inelastic);
}

void TFileDialog::setBox(int row, const std::string& name) {
    boxes_[row] = name;
    edits_[row]->setText(DecodeText(name));
}

void TFileDialog::selectRow(int row) {
    const InputRow& r = kInputRows[row];
    const auto chosen = UiFileChooser().openFile(
        this, {r.title, r.filter, std::string("*.") + r.extension, r.extension});
    if (chosen && NameFits(*chosen)) setBox(row, *chosen);
}

void TFileDialog::Button1Click() {
    const InputRow& r = kInputRows[0];
    const auto chosen = UiFileChooser().openFile(this, {r.title, r.filter, "*.prj", r.extension});
    if (!chosen || !NameFits(*chosen)) return;
    setBox(0, *chosen);
    if (!FileExists(*chosen)) {
        UiSink().error("File not found: " + *chosen);
        return;
    }
    TInputFileBoxes filled = boxes_;
    FillCompanionNames(*chosen, filled);
    for (int row = 1; row < 6; ++row)
        if (filled[row] != boxes_[row] && NameFits(filled[row])) setBox(row, filled[row]);
}

void TFileDialog::BitBtn1Click() {
    CopyInputBoxes(boxes_, names_);
    accept();
}

}  // namespace halvern
