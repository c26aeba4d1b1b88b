// Which window stands over which: a non-modal window shown while a modal dialog is open stays
// usable above it, and a modal dialog stands over the window it was opened from.
#pragma once

class QDialog;
class QWidget;

namespace halvern {

// Shows the window restored if it was minimised, raised and active. While a modal dialog is
// open, the window is kept above it and usable (transient for it, so the dialog's modality does
// not block it) until the dialog closes.
void PresentWindow(QWidget* window);

// Runs the dialog modally over the window it was opened from (the active window), whatever
// window owns it; when it closes, that window is active again, not the dialog's owner.
int ExecOverOpener(QDialog& dialog);

}  // namespace halvern
