#include "DisplaceForm.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogButtons.h"
#include "DisplayText.h"
#include "FileChooser.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "ProcessDialog.h"

namespace brisal {

using halvern::CoreText;
using halvern::DecodeText;
using halvern::GuardedSlot;

namespace {

halvern::FileDialogSpec DisplaceSaveSpec() {
    return {"Specify Destination File", "Ostrel output file|*.osl", "*.osl", "osl"};
}

QLineEdit* FileEdit(const char* name) {
    auto* edit = new QLineEdit(QStringLiteral("*.osl"));
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMinimumWidth(360);
    return edit;
}

void ChooseInto(QWidget* parent, QLineEdit* edit, const halvern::FileDialogSpec& spec, bool save) {
    const auto chosen = save ? halvern::UiFileChooser().saveFile(parent, spec)
                             : halvern::UiFileChooser().openFile(parent, spec);
    if (chosen) edit->setText(DecodeText(*chosen));
}

}  // namespace

TDisplaceForm::TDisplaceForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Displacements"));
    auto* layout = new QVBoxLayout(this);
    auto* files = new QGridLayout;
    layout->addLayout(files);
    Edit1 = FileEdit("Edit1");
    Edit2 = FileEdit("Edit2");
    Edit3 = FileEdit("Edit3");
    const struct {
        const char* label;
        QLineEdit* edit;
        const char* button;
        const char* caption;
        void (TDisplaceForm::*browse)();
    } rows[] = {
        {"Source (input) file #&1 (normally \"inivars.osl\" or equivalent)", Edit1, "Button1",
         "&Browse", &TDisplaceForm::Button1Click},
        {"Source (input) filer #&2 (normally your simulation output file)", Edit2, "Button2",
         "B&rowse", &TDisplaceForm::Button2Click},
        {"&Destination (output) file", Edit3, "Button3", "B&rowse", &TDisplaceForm::Button3Click},
    };
    int row = 0;
    for (const auto& r : rows) {
        auto* browse = new QPushButton(QString::fromLatin1(r.caption));
        browse->setObjectName(QString::fromLatin1(r.button));
        files->addWidget(BuddyLabel(QString::fromLatin1(r.label), r.edit), row, 0, 1, 2);
        files->addWidget(r.edit, row + 1, 0);
        files->addWidget(browse, row + 1, 1);
        connect(browse, &QPushButton::clicked, this,
                GuardedSlot([this, handler = r.browse] { (this->*handler)(); }));
        row += 2;
    }
    layout->addWidget(NoteLabel(QStringLiteral(
        "The output consists of a file in the OSL format. The entries for rx, ry, rz and px, "
        "py, pz are computed as differences between the corresponding values in the 2 input "
        "files e.g. rx[2] - rx[1]. See Help for explanation of the purpose of this operation.")));
    layout->addLayout(MakeDialogButtons(*this, kDisplacementsHelp).row);
}

DisplaceInputs TDisplaceForm::inputs() const {
    return {CoreText(Edit1->text()), CoreText(Edit2->text()), CoreText(Edit3->text())};
}

void TDisplaceForm::Button1Click() {
    ChooseInto(this, Edit1, SourceDialogSpec(), false);
}

void TDisplaceForm::Button2Click() {
    ChooseInto(this, Edit2, SourceDialogSpec(), false);
}

void TDisplaceForm::Button3Click() {
    ChooseInto(this, Edit3, DisplaceSaveSpec(), true);
}

}  // namespace brisal
