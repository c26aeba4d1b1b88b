// The insert-object dialog: an object from a file, embedded or linked, shown as its content or
// as an icon. Creating a new object of a registered type has no counterpart here: the dialog
// shows that choice disabled, saying it is not available.
#pragma once

#include <QDialog>
#include <string>

#include "StandardDialogs.h"

class QCheckBox;
class QLineEdit;

namespace halvern {

inline constexpr const char* kCreateNewNotAvailable =
    "Create new object of a registered type: not available";

class InsertObjectDialog : public QDialog {
    Q_OBJECT
  public:
    InsertObjectDialog(std::string helpProgram, int helpContext, QWidget* parent = nullptr);
    ObjectRequest request() const;

    QLineEdit* fileEdit() const { return file_; }

  private:
    QLineEdit* file_;
    QCheckBox* link_;
    QCheckBox* icon_;
};

}  // namespace halvern
