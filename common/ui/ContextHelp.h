// Help by context. A window, control or menu command carries its help context number; F1 shows
// the page of the focused control (or of the highlighted menu item), taking the number from the
// nearest widget that carries one, up its parents and the windows that own it.
//
// Each program lists its contexts in one table (engine/ui/EngineHelp.h, setup/ui/HelpContexts.h,
// analysis/ui/HelpContexts.h); help/tests checks that every row has its page and that every
// context a window carries is in its program's table.
#pragma once

#include <span>
#include <string>

class QObject;
class QWidget;

namespace halvern {

// One row of a program's table: the number and what its page is about.
struct HelpContextRow {
    int number;
    const char* topic;
};

struct HelpTable {
    const char* program;  // the pages lie in help/<program>/
    std::span<const HelpContextRow> contexts;
};

// Gives a widget or an action its context.
void SetHelpContext(QObject* widgetOrAction, int context);
// The context set on this very object, 0 for none.
int OwnHelpContext(const QObject* widgetOrAction);
// The context F1 shows for a widget: a menu's highlighted item, a tool button's command, the
// widget's own, else the nearest one up its parents; 0 for none.
int HelpContextFor(const QWidget* widget);

// F1 in `mainWindow` and in every window it owns shows the page of `program`; the handling
// lives as long as the main window.
void InstallContextHelp(QWidget* mainWindow, const std::string& program);

// The page of the context of `from` (for a Help button: its dialog's).
void ShowContextHelp(const std::string& program, const QWidget* from);

}  // namespace halvern
