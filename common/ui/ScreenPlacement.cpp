#include "ScreenPlacement.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace halvern {

namespace {

const char* const kCentredProperty = "halvernCentredOnScreen";
const char* const kShownProperty = "halvernShownBefore";
// How far a new window opens below and right of the one it was opened from.
constexpr int kCascadeStep = 32;
constexpr int kMostCascadeSteps = 16;

bool HasFrame(const QWidget* window) {
    const Qt::WindowFlags flags = window->windowFlags();
    return !flags.testFlag(Qt::FramelessWindowHint) && window->windowType() != Qt::SplashScreen;
}

// The window manager's frame: the window's own once it was shown, else that of a shown window
// (all frames of a desktop are alike), else none.
QMargins FrameMargins(const QWidget* window) {
    if (!HasFrame(window)) return {};
    if (const QWindow* handle = window->windowHandle(); handle && !handle->frameMargins().isNull())
        return handle->frameMargins();
    for (const QWidget* other : {QApplication::activeWindow(), window->parentWidget()}) {
        if (other == nullptr || other == window) continue;
        if (const QWindow* handle = other->window()->windowHandle()) return handle->frameMargins();
    }
    return {};
}

bool PlaceTaken(const QPoint& topLeft, const QWidget* window) {
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != window && other->isVisible() && other->frameGeometry().topLeft() == topLeft)
            return true;
    return false;
}

// The window a new window was opened from: the active one, else (a message box has just closed)
// the modal dialog or the window's owner.
const QWidget* OpenerOf(const QWidget* window) {
    const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    const QWidget* candidates[] = {QApplication::activeWindow(), QApplication::activeModalWidget(),
                                   owner};
    for (const QWidget* candidate : candidates)
        if (candidate != nullptr && candidate != window && candidate->isVisible()) return candidate;
    return nullptr;
}

// Where a window opens that never had a place of its own: a step below and right of the window
// it was opened from, and of each window already there.
bool PlaceBesideOpener(QRect& frame, const QWidget* window) {
    const QWidget* opener = OpenerOf(window);
    if (opener == nullptr) return false;
    const QPoint step(kCascadeStep, kCascadeStep);
    QPoint topLeft = opener->frameGeometry().topLeft() + step;
    for (int i = 0; i < kMostCascadeSteps && PlaceTaken(topLeft, window); ++i) topLeft += step;
    frame.moveTopLeft(topLeft);
    return true;
}

// Sets the window's client area so that its frame (with `margins`) is `frame`.
void SetFrame(QWidget* window, const QRect& frame, const QMargins& margins) {
    QRect client = frame.marginsRemoved(margins);
    client.setSize(client.size().expandedTo(window->minimumSize()));
    window->setGeometry(client);
}

// At its showing, before it is mapped: centred, beside its opener or where it was, fitted with
// the frame the window manager is likely to give it.
void PlaceOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) return;
    const bool centred = window->property(kCentredProperty).toBool();
    // Qt centres a dialog over its parent as the dialog shows, unless it was moved.
    if (qobject_cast<QDialog*>(window) && !centred && !window->testAttribute(Qt::WA_Moved)) return;
    const QRect available = screen->availableGeometry();
    const QMargins margins = FrameMargins(window);
    QRect frame = window->geometry().marginsAdded(margins);
    // A window the program never placed is placed by the window manager: only its size is ours.
    bool placed = window->testAttribute(Qt::WA_Moved) || window->property(kShownProperty).toBool();
    bool moved = false;
    if (centred) {
        frame.moveCenter(available.center());
        placed = moved = true;
    } else if (!placed) {
        placed = moved = PlaceBesideOpener(frame, window);
    }
    window->setProperty(kShownProperty, true);
    const QRect fitted = FittedFrame(frame, available);
    if (placed && (moved || fitted != frame))
        SetFrame(window, fitted, margins);
    else if (fitted.size() != frame.size())
        window->resize(fitted.marginsRemoved(margins).size().expandedTo(window->minimumSize()));
}

// Once mapped, the window's frame is known: a frame the window manager put (partly) outside the
// available area is moved in.
void FitMappedWindow(QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr || !window->isVisible()) return;
    const QRect frame = window->frameGeometry();
    const QRect fitted = FittedFrame(frame, screen->availableGeometry());
    if (fitted == frame) return;
    const QRect client = window->geometry();
    SetFrame(window, fitted,
             QMargins(client.left() - frame.left(), client.top() - frame.top(),
                      frame.right() - client.right(), frame.bottom() - client.bottom()));
}

// Runs its action once, at the first exposure of its window.
class WhenExposed : public QObject {
  public:
    WhenExposed(QWindow* handle, std::function<void()> action)
        : QObject(handle), action_(std::move(action)) {
        handle->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            deleteLater();
            action_();
        }
        return false;
    }

  private:
    std::function<void()> action_;
};

class WindowPlacer : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Sent before the window is mapped, with its size final: the place it is mapped at.
        if (event->type() == QEvent::Show && !event->spontaneous() && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            const Qt::WindowType type = widget->windowType();
            if (widget->isWindow() && type != Qt::Popup && type != Qt::ToolTip &&
                type != Qt::Desktop) {
                PlaceOnScreen(widget);
                WhenMapped(widget, [window = QPointer<QWidget>(widget)] {
                    if (window) FitMappedWindow(window);
                });
            }
        }
        return false;
    }
};

}  // namespace

QRect FittedFrame(QRect frame, const QRect& available) {
    frame.setWidth(std::min(frame.width(), available.width()));
    frame.setHeight(std::min(frame.height(), available.height()));
    frame.moveLeft(
        std::clamp(frame.left(), available.left(), available.right() - frame.width() + 1));
    frame.moveTop(
        std::clamp(frame.top(), available.top(), available.bottom() - frame.height() + 1));
    return frame;
}

void CentreOnScreen(QWidget* window) {
    window->setProperty(kCentredProperty, true);
    if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
    if (const QScreen* screen = window->screen()) {
        const QMargins margins = FrameMargins(window);
        QRect frame = window->geometry().marginsAdded(margins);
        frame.moveCenter(screen->availableGeometry().center());
        SetFrame(window, FittedFrame(frame, screen->availableGeometry()), margins);
    }
}

void MoveFrameTo(QWidget* window, const QPoint& topLeft) {
    const QMargins margins = FrameMargins(window);
    SetFrame(window, QRect(topLeft, window->size().grownBy(margins)), margins);
}

void WhenMapped(QWidget* window, std::function<void()> action) {
    window->winId();
    QWindow* handle = window->windowHandle();
    if (handle->isExposed())
        action();
    else
        new WhenExposed(handle, std::move(action));
}

QObject* KeepWindowsOnScreen() {
    auto* placer = new WindowPlacer(qApp);
    qApp->installEventFilter(placer);
    return placer;
}

}  // namespace halvern
