// The editors' find and replace dialogs: not modal, each with its own find text and options.
#pragma once

#include <QDialog>
#include <string>

#include "editor/TextSearch.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace halvern {

class TextFindDialog : public QDialog {
    Q_OBJECT
  public:
    // `replacing` adds the replace text and the Replace and Replace All buttons.
    TextFindDialog(bool replacing, QWidget* parent = nullptr);

    std::u16string findText() const;
    std::u16string replaceText() const;
    SearchOptions options() const;
    void setFindText(const QString& text);

    QLineEdit* findEdit() const { return find_; }
    QLineEdit* replaceEdit() const { return replace_; }
    QCheckBox* wholeWordBox() const { return wholeWord_; }
    QCheckBox* matchCaseBox() const { return matchCase_; }

  Q_SIGNALS:
    void findNext();
    void replaceOne();
    void replaceAll();

  private:
    QLineEdit* find_;
    QLineEdit* replace_ = nullptr;
    QCheckBox* wholeWord_;
    QCheckBox* matchCase_;
};

}  // namespace halvern
