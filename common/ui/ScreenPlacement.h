// Where windows open: inside their screen's available area, moved and, if need be, shrunk.
#pragma once

#include <QRect>
#include <functional>

class QObject;
class QWidget;

namespace halvern {

// `frame` moved into `available`, shrunk first where it is larger.
QRect FittedFrame(QRect frame, const QRect& available);

// The window opens centred on its screen's available area: now, and whenever it is shown.
void CentreOnScreen(QWidget* window);

// Moves the window so that its frame's top left corner is `topLeft`.
void MoveFrameTo(QWidget* window, const QPoint& topLeft);

// Runs `action` once the window has been mapped and exposed (at once when it is), when the
// window manager has given it its place.
void WhenMapped(QWidget* window, std::function<void()> action);

// From now on every top-level window of the program opens inside its screen's available area,
// its frame included. A window centred by CentreOnScreen opens centred; a window (not a dialog)
// that was never placed opens a little below and right of the window it was opened from; then
// the window is moved, and shrunk if need be, to fit. Dialogs keep the place Qt gives them over
// their parent. main() calls this once; the returned watcher belongs to the application.
QObject* KeepWindowsOnScreen();

}  // namespace halvern
