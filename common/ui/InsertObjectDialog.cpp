#include "InsertObjectDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DisplayText.h"
#include "FileChooser.h"
#include "GuardedSlot.h"
#include "HelpWindow.h"

namespace halvern {

InsertObjectDialog::InsertObjectDialog(std::string helpProgram, int helpContext, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("InsertObjectDialog"));
    setWindowTitle(QStringLiteral("Insert Object"));
    file_ = new QLineEdit(this);
    file_->setObjectName(QStringLiteral("FileEdit"));
    auto* label = new QLabel(QStringLiteral("Create from &file:"), this);
    label->setBuddy(file_);
    auto* browse = new QPushButton(QStringLiteral("&Browse..."), this);
    browse->setAutoDefault(false);
    link_ = new QCheckBox(QStringLiteral("&Link"), this);
    icon_ = new QCheckBox(QStringLiteral("Display as &icon"), this);
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    connect(file_, &QLineEdit::textChanged, ok,
            [ok](const QString& text) { ok->setEnabled(!text.trimmed().isEmpty()); });
    connect(browse, &QPushButton::clicked, this, GuardedSlot([this] {
                const auto chosen = UiFileChooser().openFile(
                    this, {"Browse", "Any file|*.*", CoreText(file_->text()), ""});
                if (chosen) file_->setText(DecodeText(*chosen));
            }));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            GuardedSlot([helpProgram, helpContext] { ShowHelp(helpProgram, helpContext); }));

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0, 1, 2);
    layout->addWidget(file_, 1, 0);
    layout->addWidget(browse, 1, 1);
    layout->addWidget(link_, 2, 0, 1, 2);
    layout->addWidget(icon_, 3, 0, 1, 2);
    layout->addWidget(buttons, 4, 0, 1, 2);
    resize(440, sizeHint().height());
}

ObjectRequest InsertObjectDialog::request() const {
    return {CoreText(file_->text().trimmed()), link_->isChecked(), icon_->isChecked()};
}

}  // namespace halvern
