#include "OutputFilesDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "DisplayText.h"
#include "EngineHelp.h"
#include "FileChooser.h"
#include "FileNameBox.h"
#include "GuardedSlot.h"
#include "UiSink.h"

namespace halvern {

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
    auto* buttons = AddDialogButtons(this, kOutputFilesHelp);
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
    const FileDialogSpec request =
        row < 2
            ? FileDialogSpec{"Specify name of output file", "Initial conditions ostrel file|*.osl",
                             start, "osl"}
            : FileDialogSpec{"Specify name of output file", "Ascii data file|*.dat", start, "dat"};
    const auto chosen = UiFileChooser().saveFile(this, request);
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
