#include "NeighbourDialogs.h"

#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "FieldControls.h"
#include "GuardedSlot.h"
#include "ReadOnlyEdit.h"
#include "StrictConversions.h"
#include "TargetDialogParts.h"
#include "UiSink.h"

namespace velkor {

namespace {

QLineEdit* FileNameEdit(QWidget* parent, const char* name, const char* pattern) {
    return halvern::MakeReadOnlyEdit(parent, name, 30, QString::fromLatin1(pattern));
}

QPushButton* SelectButton(QWidget* parent, const char* name) {
    auto* button = new QPushButton(QStringLiteral("Select"), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QWidget* FileRow(QWidget* parent, QLineEdit* name, QPushButton* select) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(name, 1);
    layout->addWidget(select);
    return row;
}

// Both cases of each extension are listed; the entry a dialog starts from comes first.
constexpr const char* kDistanceFilter = "Target File|*.TRG;*.trg|Any file (format: x y z)|*.*";
constexpr const char* kPotentialTargetFilter =
    "Target File|*.TRG;*.trg|Model File|*.MDL;*.mdl|Any File|*.*";
constexpr const char* kPotentialModelFilter =
    "Model File|*.MDL;*.mdl|Target File|*.TRG;*.trg|Any File|*.*";

}  // namespace

NeighbourDialog::NeighbourDialog(const char* objectName, const char* caption, int helpContext,
                                 const char* targetFilter, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(QString::fromLatin1(caption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    Edit1 = FileNameEdit(this, "Edit1", kDefaultTargetPattern);
    BitBtn1 = SelectButton(this, "BitBtn1");
    IdxEdit = MakeIntegerEdit(this, "IdxEdit", kAtomIndexField);
    RangeEdit = MakeFloatEdit(this, "RangeEdit", kNeighbourRangeField);
    form_ = new QFormLayout;
    form_->addRow(QStringLiteral("Name of target file"), FileRow(this, Edit1, BitBtn1));
    form_->addRow(QStringLiteral("Lattice atom index"), IdxEdit);
    form_->addRow(QStringLiteral("Range (Angstrom)"), RangeEdit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form_);
    layout->addLayout(MakeDialogButtons(this, helpContext, "OK", [this] {
        report_ = MakeReport();
        return report_.has_value();
    }));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    AddHelpKey(this, helpContext);
    connect(BitBtn1, &QPushButton::clicked, this, halvern::GuardedSlot([this, targetFilter] {
                selectFile(Edit1, "Select Target File", kDefaultTargetPattern, targetFilter);
            }));
}

void NeighbourDialog::addFileRow(const QString& label, QLineEdit* name, QPushButton* select) {
    form_->insertRow(1, label, FileRow(this, name, select));
}

void NeighbourDialog::selectFile(QLineEdit* name, const char* title, const char* pattern,
                                 const char* filter) {
    const halvern::FileDialogSpec spec{title, filter, pattern, ""};
    if (const auto chosen = halvern::UiFileChooser().openFile(this, spec))
        name->setText(QFile::decodeName(QByteArray::fromStdString(*chosen)));
}

bool NeighbourDialog::indexAndRange(int32_t& k, float& range) const {
    long double r = 0;
    if (!halvern::StrToInt(halvern::UiSink(), FieldText(IdxEdit), k) ||
        !halvern::StrToReal(halvern::UiSink(), FieldText(RangeEdit), r))
        return false;
    range = static_cast<float>(r);
    return true;
}

TDistanceDlg::TDistanceDlg(QWidget* parent)
    : NeighbourDialog("DistanceDlg", "Neighbour Distances", kNeighbourDistancesHelp,
                      kDistanceFilter, parent) {}

std::optional<std::vector<std::string>> TDistanceDlg::MakeReport() {
    int32_t k = 0;
    float range = 0;
    if (!indexAndRange(k, range)) return std::nullopt;
    TNeighbourList list;
    if (!ListNeighbours(FieldText(Edit1), k, range, NeighbourCommand::Distances, list,
                        halvern::UiSink()))
        return std::nullopt;
    return NeighbourDistanceReport(list);
}

TNPotlDlg::TNPotlDlg(QWidget* parent)
    : NeighbourDialog("NPotlDlg", "Neighbour Potentials", kNeighbourPotentialsHelp,
                      kPotentialTargetFilter, parent) {
    Edit2 = FileNameEdit(this, "Edit2", kDefaultModelPattern);
    BitBtn5 = SelectButton(this, "BitBtn5");
    addFileRow(QStringLiteral("Name of model file"), Edit2, BitBtn5);
    connect(BitBtn5, &QPushButton::clicked, this, halvern::GuardedSlot([this] {
                selectFile(Edit2, "Select Model File", kDefaultModelPattern, kPotentialModelFilter);
            }));
}

// Both files are read and checked before the report is made.
std::optional<std::vector<std::string>> TNPotlDlg::MakeReport() {
    int32_t k = 0;
    float range = 0;
    if (!indexAndRange(k, range)) return std::nullopt;
    TNeighbourList list;
    TMorseParams morse;
    halvern::MessageSink& sink = halvern::UiSink();
    if (!ListNeighbours(FieldText(Edit1), k, range, NeighbourCommand::Potential, list, sink) ||
        !ReadMorseParameters(FieldText(Edit2), morse, sink))
        return std::nullopt;
    return NeighbourPotentialReport(list, morse);
}

void ShareTargetName(NeighbourDialog& distances, NeighbourDialog& potentials) {
    for (auto [from, to] : {std::pair{&distances, &potentials}, {&potentials, &distances}})
        QObject::connect(from->Edit1, &QLineEdit::textChanged, to->Edit1, &QLineEdit::setText);
}

std::string NeighbourReportCaption(bool potential, bool plainText) {
    return std::string(potential ? "POTENTL." : "NEIGHBOR.") + (plainText ? "TXT" : ".RTF");
}

}  // namespace velkor
