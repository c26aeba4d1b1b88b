#include "InsertObjectDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "DisplayText.h"
#include "FileChooser.h"
#include "GuardedSlot.h"
#include "HelpWindow.h"

namespace halvern {

InsertObjectDialog::InsertObjectDialog(std::string helpProgram, int helpContext, QWidget* parent)
    : QDialog(parent), newTypes_(NewObjectTypes()) {
    setObjectName(QStringLiteral("InsertObjectDialog"));
    setWindowTitle(QStringLiteral("Insert Object"));
    createNew_ = new QRadioButton(QStringLiteral("Create &new:"), this);
    createNew_->setObjectName(QStringLiteral("CreateNewChoice"));
    types_ = new QListWidget(this);
    types_->setObjectName(QStringLiteral("NewObjectTypes"));
    for (const NewObjectType& type : newTypes_) types_->addItem(type.name);
    types_->setCurrentRow(0);
    fromFile_ = new QRadioButton(QStringLiteral("Create from &file:"), this);
    fromFile_->setObjectName(QStringLiteral("FromFileChoice"));
    file_ = new QLineEdit(this);
    file_->setObjectName(QStringLiteral("FileEdit"));
    browse_ = new QPushButton(QStringLiteral("&Browse..."), this);
    browse_->setAutoDefault(false);
    link_ = new QCheckBox(QStringLiteral("&Link"), this);
    icon_ = new QCheckBox(QStringLiteral("Display as &icon"), this);
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    createNew_->setChecked(true);

    for (QRadioButton* choice : {createNew_, fromFile_})
        connect(choice, &QRadioButton::toggled, this, [this] { follow(); });
    connect(file_, &QLineEdit::textChanged, this, [this] { follow(); });
    connect(types_, &QListWidget::currentRowChanged, this, [this] { follow(); });
    connect(types_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(browse_, &QPushButton::clicked, this, GuardedSlot([this] {
                const auto chosen = UiFileChooser().openFile(
                    this, {"Browse", "Any file|*.*", CoreText(file_->text()), ""});
                if (chosen) file_->setText(DecodeText(*chosen));
            }));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            GuardedSlot([helpProgram, helpContext] { ShowHelp(helpProgram, helpContext); }));

    auto* layout = new QGridLayout(this);
    layout->addWidget(createNew_, 0, 0, 1, 2);
    layout->addWidget(types_, 1, 0, 1, 2);
    layout->addWidget(fromFile_, 2, 0, 1, 2);
    layout->addWidget(file_, 3, 0);
    layout->addWidget(browse_, 3, 1);
    layout->addWidget(link_, 4, 0, 1, 2);
    layout->addWidget(icon_, 5, 0, 1, 2);
    layout->addWidget(buttons, 6, 0, 1, 2);
    follow();
    resize(440, sizeHint().height());
}

// Each choice enables its own controls; OK needs a type or a file name. Only a file can be
// linked: a new object exists nowhere else.
void InsertObjectDialog::follow() {
    const bool fresh = createNew_->isChecked();
    types_->setEnabled(fresh);
    file_->setEnabled(!fresh);
    browse_->setEnabled(!fresh);
    link_->setEnabled(!fresh);
    ok_->setEnabled(fresh ? types_->currentRow() >= 0 : !file_->text().trimmed().isEmpty());
}

ObjectRequest InsertObjectDialog::request() const {
    if (!createNew_->isChecked())
        return {CoreText(file_->text().trimmed()), link_->isChecked(), icon_->isChecked()};
    const NewObjectType& type = newTypes_[static_cast<size_t>(std::max(types_->currentRow(), 0))];
    return {type.templatePath, false, icon_->isChecked(), true, type.blank};
}

}  // namespace halvern
