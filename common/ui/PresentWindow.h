// Bringing a non-modal window to the user: help, graphs, editors and tool windows.
#pragma once

class QWidget;

namespace halvern {

// Shows the window restored if it was minimised, raised and active. While a modal dialog is
// open, the window is kept above it and usable (transient for it, so the dialog's modality does
// not block it) until the dialog closes.
void PresentWindow(QWidget* window);

}  // namespace halvern
