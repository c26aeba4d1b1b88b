// The end of a program: it ends with its main window, whatever other window is still open.
#pragma once

#include <QMetaObject>
#include <QObject>

class QWidget;

namespace halvern {

// Watches the main window (it is the watcher's parent). Once the main window has closed, after
// its own questions, every other visible top-level window is closed and `ended` is emitted.
// Should one of them refuse to close, the main window is shown again and the program goes on.
//
// The check runs from the program's own event loop after the main window was hidden, so after
// its close handler has returned; a check that would run inside a nested event loop (a message
// box or dialog still running) waits until the program's loop is back in control.
class ProgramEnd : public QObject {
    Q_OBJECT
  public:
    explicit ProgramEnd(QWidget* mainWindow);

  Q_SIGNALS:
    void ended();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void scheduleCheck();
    void waitForProgramLoop();
    void endIfClosed();

    QWidget* main_;
    QMetaObject::Connection waiting_;
};

// The program's event loop ends with its main window (main() calls this before exec).
void EndProgramWithMainWindow(QWidget* mainWindow);

}  // namespace halvern
