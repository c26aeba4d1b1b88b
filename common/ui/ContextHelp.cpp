#include "ContextHelp.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QToolButton>

#include "GuardedSlot.h"
#include "HelpWindow.h"

namespace halvern {

namespace {

constexpr const char* kHelpContextProperty = "helpContext";

bool IsHelpKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier;
}

bool OwnedBy(const QWidget* widget, const QWidget* owner) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget())
        if (w == owner) return true;
    return false;
}

// Catches F1 before any shortcut: the key goes to the page of the focused control's context.
class ContextHelpFilter : public QObject {
  public:
    ContextHelpFilter(QWidget* mainWindow, std::string program)
        : QObject(mainWindow), main_(mainWindow), program_(std::move(program)) {
        qApp->installEventFilter(this);
    }
    ~ContextHelpFilter() override { qApp->removeEventFilter(this); }
    ContextHelpFilter(const ContextHelpFilter&) = delete;
    ContextHelpFilter& operator=(const ContextHelpFilter&) = delete;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!IsHelpKey(event)) return false;
        const auto* widget = qobject_cast<const QWidget*>(watched);
        if (widget == nullptr || !OwnedBy(widget, main_)) return false;
        const int context = HelpContextFor(widget);
        if (context == 0) return false;
        // Accepting the override keeps a shortcut on F1 from taking the key.
        event->accept();
        if (event->type() == QEvent::KeyPress)
            RunGuarded(UiSink(), [this, context] { ShowHelp(program_, context); });
        return true;
    }

  private:
    QWidget* main_;
    std::string program_;
};

}  // namespace

void SetHelpContext(QObject* widgetOrAction, int context) {
    widgetOrAction->setProperty(kHelpContextProperty, context);
}

int OwnHelpContext(const QObject* widgetOrAction) {
    if (widgetOrAction == nullptr) return 0;
    return widgetOrAction->property(kHelpContextProperty).toInt();
}

int HelpContextFor(const QWidget* widget) {
    if (const auto* menu = qobject_cast<const QMenu*>(widget)) {
        if (const int context = OwnHelpContext(menu->activeAction())) return context;
        if (const int context = OwnHelpContext(menu->menuAction())) return context;
    }
    if (const auto* button = qobject_cast<const QToolButton*>(widget))
        if (const int context = OwnHelpContext(button->defaultAction())) return context;
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget())
        if (const int context = OwnHelpContext(w)) return context;
    return 0;
}

void InstallContextHelp(QWidget* mainWindow, const std::string& program) {
    new ContextHelpFilter(mainWindow, program);
}

void ShowContextHelp(const std::string& program, const QWidget* from) {
    if (const int context = HelpContextFor(from)) ShowHelp(program, context);
}

}  // namespace halvern
