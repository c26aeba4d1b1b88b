#include "FindDialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "DisplayText.h"

namespace halvern {

TextFindDialog::TextFindDialog(bool replacing, QWidget* parent) : QDialog(parent) {
    setObjectName(replacing ? QStringLiteral("ReplaceDialog1") : QStringLiteral("FindDialog1"));
    setWindowTitle(replacing ? QStringLiteral("Replace") : QStringLiteral("Find"));
    setModal(false);
    auto* grid = new QGridLayout;
    find_ = new QLineEdit(this);
    find_->setObjectName(QStringLiteral("FindText"));
    auto* findLabel = new QLabel(QStringLiteral("Fi&nd what:"), this);
    findLabel->setBuddy(find_);
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(find_, 0, 1);
    if (replacing) {
        replace_ = new QLineEdit(this);
        replace_->setObjectName(QStringLiteral("ReplaceText"));
        auto* replaceLabel = new QLabel(QStringLiteral("Re&place with:"), this);
        replaceLabel->setBuddy(replace_);
        grid->addWidget(replaceLabel, 1, 0);
        grid->addWidget(replace_, 1, 1);
    }
    wholeWord_ = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    matchCase_ = new QCheckBox(QStringLiteral("Match &case"), this);
    grid->addWidget(wholeWord_, 2, 0, 1, 2);
    grid->addWidget(matchCase_, 3, 0, 1, 2);

    auto* buttons = new QVBoxLayout;
    auto button = [&](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(b);
        return b;
    };
    QPushButton* next = button(QStringLiteral("&Find Next"), "FindNextButton");
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, &TextFindDialog::findNext);
    if (replacing) {
        connect(button(QStringLiteral("&Replace"), "ReplaceButton"), &QPushButton::clicked, this,
                &TextFindDialog::replaceOne);
        connect(button(QStringLiteral("Replace &All"), "ReplaceAllButton"), &QPushButton::clicked,
                this, &TextFindDialog::replaceAll);
    }
    connect(button(QStringLiteral("Cancel"), "CancelButton"), &QPushButton::clicked, this,
            &QDialog::hide);
    buttons->addStretch();
    for (QPushButton* b : findChildren<QPushButton*>()) {
        b->setAutoDefault(false);
        b->setEnabled(b->objectName() == QLatin1String("CancelButton"));
        if (b->objectName() != QLatin1String("CancelButton"))
            connect(find_, &QLineEdit::textChanged, b,
                    [b](const QString& text) { b->setEnabled(!text.isEmpty()); });
    }
    next->setDefault(true);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);
}

std::u16string TextFindDialog::findText() const {
    return CoreChars(find_->text());
}

std::u16string TextFindDialog::replaceText() const {
    return replace_ ? CoreChars(replace_->text()) : std::u16string();
}

SearchOptions TextFindDialog::options() const {
    return {wholeWord_->isChecked(), matchCase_->isChecked()};
}

void TextFindDialog::setFindText(const QString& text) {
    find_->setText(text);
}

}  // namespace halvern
