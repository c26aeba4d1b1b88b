// Every modal dialog of the program runs through one replaceable runner, so that tests can work
// a dialog like a user and close it without a nested event loop.
#pragma once

#include <functional>

class QDialog;

namespace brisal {

// Shows the dialog modally over the window it was opened from, which is active again when the
// dialog closes, and returns its result (QDialog::Accepted or Rejected).
int RunModal(QDialog& dialog);

// Installs a runner; an empty one restores QDialog::exec.
void SetModalRunner(std::function<int(QDialog&)> runner);

}  // namespace brisal
