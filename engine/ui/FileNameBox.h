// Pieces shared by the input-files and output-files dialogs.
#pragma once

#include <string>

class QDialog;
class QDialogButtonBox;
class QLineEdit;
class QWidget;

namespace halvern {

// The read-only yellow name box, not a tab stop.
QLineEdit* MakeFileNameBox(const std::string& text, QWidget* parent);

// OK, Cancel and Help with the dialog's help context; Cancel rejects, OK is left to the dialog.
QDialogButtonBox* AddDialogButtons(QDialog* dialog, int helpContext);

// A file name is never cut: a name too long for its field is refused with a message.
bool NameFits(const std::string& name);

}  // namespace halvern
