#include "FileNameBox.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

#include "DialogDefault.h"
#include "DisplayText.h"
#include "EngineHelp.h"
#include "GuardedSlot.h"
#include "ShortString.h"
#include "UiSink.h"

namespace halvern {

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

QDialogButtonBox* AddDialogButtons(QDialog* dialog, int helpContext) {
    SetHelpContext(dialog, helpContext);
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, dialog);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BitBtn1"));
    KeepOkDefault(dialog, buttons->button(QDialogButtonBox::Ok));
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::helpRequested, dialog,
                     GuardedSlot([helpContext] { ShowEngineHelp(helpContext); }));
    return buttons;
}

bool NameFits(const std::string& name) {
    if (FileNameFits(name)) return true;
    UiSink().error(FileNameTooLongText(name));
    return false;
}

}  // namespace halvern
