#include "DialogButtons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "DialogDefault.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "HelpWindow.h"

namespace brisal {

namespace {

QPushButton* Button(const QString& caption, const char* name) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

DialogButtons MakeDialogButtons(QDialog& dialog, int helpContext, std::function<void()> onOk) {
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    DialogButtons b;
    b.row = new QHBoxLayout;
    b.ok = Button(QStringLiteral("&OK"), "BitBtn1");
    b.ok->setDefault(true);
    b.cancel = Button(QStringLiteral("&Cancel"), "BitBtn2");
    b.help = Button(QStringLiteral("&Help"), "BitBtn3");
    b.row->addStretch();
    for (QPushButton* button : {b.ok, b.cancel, b.help}) b.row->addWidget(button);

    if (onOk)
        QObject::connect(b.ok, &QPushButton::clicked, &dialog, halvern::GuardedSlot(onOk));
    else
        QObject::connect(b.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(b.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(b.help, &QPushButton::clicked, &dialog, halvern::GuardedSlot([helpContext] {
                         halvern::ShowHelp(kHelpProgram, helpContext);
                     }));
    halvern::SetHelpContext(&dialog, helpContext);
    halvern::KeepOkDefault(&dialog, b.ok);
    return b;
}

QLabel* BuddyLabel(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

QLabel* NoteLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

}  // namespace brisal
