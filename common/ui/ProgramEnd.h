// The end of a program: it ends with its main window, whatever other window is still open.
#pragma once

#include <QObject>

class QWidget;

namespace halvern {

// Watches the main window (it is the watcher's parent): once the main window has closed, after
// its own confirmation, every other visible top-level window is closed and `ended` is emitted.
// Should one of them refuse to close, the main window is shown again and the program goes on.
class ProgramEnd : public QObject {
    Q_OBJECT
  public:
    explicit ProgramEnd(QWidget* mainWindow);

  Q_SIGNALS:
    void ended();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void endIfClosed();

    QWidget* main_;
};

// The program's event loop ends with its main window (main() calls this before exec).
void EndProgramWithMainWindow(QWidget* mainWindow);

}  // namespace halvern
