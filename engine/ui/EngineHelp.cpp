#include "EngineHelp.h"

#include <QShortcut>

#include "GuardedSlot.h"
#include "HelpWindow.h"

namespace halvern {

void ShowEngineHelp(int context) {
    ShowHelp(kEngineHelpProgram, context);
}

void AddHelpKey(QWidget* window, int context) {
    auto* key = new QShortcut(QKeySequence::HelpContents, window);
    QObject::connect(key, &QShortcut::activated, window,
                     GuardedSlot([context] { ShowEngineHelp(context); }));
}

}  // namespace halvern
