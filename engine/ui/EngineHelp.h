// The engine's help pages, shown by context number (pages in help/ostrel beside the program).
#pragma once

class QWidget;

namespace halvern {

constexpr const char* kEngineHelpProgram = "ostrel";

void ShowEngineHelp(int context);
// F1 in the window shows the page of its context.
void AddHelpKey(QWidget* window, int context);

}  // namespace halvern
