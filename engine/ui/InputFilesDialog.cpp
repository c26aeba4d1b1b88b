#include "InputFilesDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "DisplayText.h"
#include "EngineHelp.h"
#include "FileChooser.h"
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

constexpr int kInputHelp = 110;
constexpr int kOutputHelp = 120;

QDialogButtonBox* AddDialogButtons(QDialog* dialog, int helpContext) {
    AddHelpKey(dialog, helpContext);
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, dialog);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BitBtn1"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::helpRequested, dialog,
                     GuardedSlot([helpContext] { ShowEngineHelp(helpContext); }));
    return buttons;
}

// A file name is never cut: a name too long for its field is refused.
bool NameFits(const std::string& name) {
    if (FileNameFits(name)) return true;
    UiSink().error(FileNameTooLongText(name));
    return false;
}

}  // namespace

QLineEdit* MakeFileNameBox(const std::string& text, QWidget* parent) {
    auto* box = new QLineEdit(DecodeText(text), parent);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setMinimumWidth(360);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, Qt::yellow);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
    return box;
}

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
    auto* buttons = AddDialogButtons(this, kInputHelp);
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

TOutfileDlg::TOutfileDlg(TEngineFileNames& names, QWidget* parent)
    : QDialog(parent), names_(names) {
    setObjectName(QStringLiteral("TOutfileDlg"));
    setWindowTitle(QStringLiteral("Specify output files"));
    static const char* const kLabels[3] = {"Initial conditions", "Dynamical variables",
                                           "Inelastic events"};
    static const char* const kInitial[3] = {"*.osl", "*.osl", "*.dat"};
    auto* group = new QGroupBox(QStringLiteral("Output data files"), this);
    auto* grid = new QGridLayout(group);
    for (int row = 0; row < 3; ++row) {
        boxes_[row] = kInitial[row];
        buttons_[row] = new QPushButton(QStringLiteral("Select"), group);
        buttons_[row]->setObjectName(QStringLiteral("Button%1").arg(row + 1));
        buttons_[row]->setToolTip(QStringLiteral("Set name of this output file"));
        edits_[row] = MakeFileNameBox(boxes_[row], group);
        edits_[row]->setObjectName(QStringLiteral("Edit%1").arg(row + 1));
        grid->addWidget(new QLabel(QString::fromLatin1(kLabels[row]), group), row, 0);
        grid->addWidget(buttons_[row], row, 1);
        grid->addWidget(edits_[row], row, 2);
        connect(buttons_[row], &QPushButton::clicked, this,
                GuardedSlot([this, row] { selectRow(row); }));
    }
    auto* buttons = AddDialogButtons(this, kOutputHelp);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Ok"));
    connect(buttons, &QDialogButtonBox::accepted, this, GuardedSlot([this] { BitBtn1Click(); }));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

void TOutfileDlg::showEvent(QShowEvent* event) {
    RunGuarded(UiSink(), [this] {
        boxes_ = {names_.initialConditions, names_.dynamics, names_.inelasticEvents};
        for (int row = 0; row < 3; ++row) edits_[row]->setText(DecodeText(boxes_[row]));
    });
    QDialog::showEvent(event);
}

void TOutfileDlg::selectRow(int row) {
    // Each dialog starts from the current name, not from the box.
    const std::string& start = row == 0   ? names_.initialConditions
                               : row == 1 ? names_.dynamics
                                          : names_.inelasticEvents;
    const FileDialogSpec spec =
        row < 2
            ? FileDialogSpec{"Specify name of output file", "Initial conditions ostrel file|*.osl",
                             start, "osl"}
            : FileDialogSpec{"Specify name of output file", "Ascii data file|*.dat", start, "dat"};
    const auto chosen = UiFileChooser().saveFile(this, spec);
    if (!chosen || !NameFits(*chosen)) return;
    boxes_[row] = *chosen;
    edits_[row]->setText(DecodeText(*chosen));
}

void TOutfileDlg::BitBtn1Click() {
    names_.initialConditions = boxes_[0];
    names_.dynamics = boxes_[1];
    names_.inelasticEvents = boxes_[2];
    accept();
}

}  // namespace halvern
