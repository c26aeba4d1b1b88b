// The button row of the program's dialogs: OK, Cancel and Help at the right, F1 for the help.
#pragma once

#include <functional>

class QDialog;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QString;
class QWidget;

namespace brisal {

struct DialogButtons {
    QHBoxLayout* row = nullptr;
    QPushButton* ok = nullptr;      // "BitBtn1"
    QPushButton* cancel = nullptr;  // "BitBtn2"
    QPushButton* help = nullptr;    // "BitBtn3"
};

// OK runs `onOk` guarded (an empty one accepts the dialog); Cancel rejects it; Help and F1 show
// the help page of the context.
DialogButtons MakeDialogButtons(QDialog& dialog, int helpContext, std::function<void()> onOk = {});

// A label with an accelerator for a control.
QLabel* BuddyLabel(const QString& text, QWidget* buddy);
// A note: plain text, wrapped.
QLabel* NoteLabel(const QString& text);

}  // namespace brisal
