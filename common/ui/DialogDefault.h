// Enter accepts a dialog: its OK button stays the default, whatever inner button ("Select",
// "Browse", "Help") was used last.
#pragma once

class QDialog;
class QPushButton;

namespace halvern {

// Makes `ok` the dialog's default button; each time the dialog is shown, every other push button
// of the dialog (also one added later) is kept from taking the default when it has the focus.
void KeepOkDefault(QDialog* dialog, QPushButton* ok);

}  // namespace halvern
