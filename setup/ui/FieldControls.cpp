#include "FieldControls.h"

#include <QShortcut>

#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "HelpWindow.h"
#include "TargetDialogParts.h"

namespace velkor {

halvern::TFloatEdit* MakeFloatEdit(QWidget* parent, const char* name, const RealFieldSpec& spec) {
    return MakeFloatEdit(parent, name, spec.min, spec.max, spec.width, spec.text);
}

halvern::TIntegerEdit* MakeIntegerEdit(QWidget* parent, const char* name,
                                       const IntFieldSpec& spec) {
    return MakeIntegerEdit(parent, name, spec.min, spec.max, spec.width, spec.text);
}

void AddHelpKey(QWidget* window, int context) {
    auto* key = new QShortcut(QKeySequence::HelpContents, window);
    QObject::connect(key, &QShortcut::activated, window,
                     halvern::GuardedSlot([context] { halvern::ShowHelp(kHelpProgram, context); }));
}

}  // namespace velkor
