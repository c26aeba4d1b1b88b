#include "InsertObjectDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

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
    // Only objects from files can be made here; the other choice is shown, and says so.
    auto* createNew = new QRadioButton(QString::fromLatin1(kCreateNewNotAvailable), this);
    createNew->setObjectName(QStringLiteral("CreateNewChoice"));
    createNew->setEnabled(false);
    auto* fromFile = new QRadioButton(QStringLiteral("Create from &file:"), this);
    fromFile->setChecked(true);
    connect(fromFile, &QRadioButton::clicked, file_, [this] { file_->setFocus(); });
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
    layout->addWidget(createNew, 0, 0, 1, 2);
    layout->addWidget(fromFile, 1, 0, 1, 2);
    layout->addWidget(file_, 2, 0);
    layout->addWidget(browse, 2, 1);
    layout->addWidget(link_, 3, 0, 1, 2);
    layout->addWidget(icon_, 4, 0, 1, 2);
    layout->addWidget(buttons, 5, 0, 1, 2);
    resize(440, sizeHint().height());
}

ObjectRequest InsertObjectDialog::request() const {
    return {CoreText(file_->text().trimmed()), link_->isChecked(), icon_->isChecked()};
}

}  // namespace halvern
