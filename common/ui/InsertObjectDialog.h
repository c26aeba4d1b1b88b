// The insert-object dialog: a new object, made from one of the desktop's document templates or
// one of the kit's blank types (the choice it starts on), or an object from a file, embedded or
// linked; either shown as its content or as an icon.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "StandardDialogs.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace halvern {

class InsertObjectDialog : public QDialog {
    Q_OBJECT
  public:
    InsertObjectDialog(std::string helpProgram, int helpContext, QWidget* parent = nullptr);
    ObjectRequest request() const;

    QRadioButton* createNewChoice() const { return createNew_; }
    QRadioButton* fromFileChoice() const { return fromFile_; }
    QListWidget* typeList() const { return types_; }
    QLineEdit* fileEdit() const { return file_; }

  private:
    void follow();

    std::vector<NewObjectType> newTypes_;
    QRadioButton* createNew_;
    QRadioButton* fromFile_;
    QListWidget* types_;
    QLineEdit* file_;
    QPushButton* browse_;
    QCheckBox* link_;
    QCheckBox* icon_;
    QPushButton* ok_;
};

}  // namespace halvern
