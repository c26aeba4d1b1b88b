#include "EngineHelp.h"

#include "HelpWindow.h"

namespace halvern {

void ShowEngineHelp(int context) {
    ShowHelp(kEngineHelpProgram, context);
}

}  // namespace halvern
