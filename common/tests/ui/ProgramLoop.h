// Window tests of how a program ends: real message boxes answered by a timer (so that each runs
// its nested event loop, as it does for the user) and the application's event loop run as main()
// runs it.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "MessageSink.h"
#include "ProgramEnd.h"
#include "UiSink.h"

// Real message boxes for the lifetime of the object; the sink installed before comes back.
class RealMessageBoxes {
  public:
    RealMessageBoxes() : previous_(&halvern::UiSink()) { halvern::SetUiSink(nullptr); }
    ~RealMessageBoxes() { halvern::SetUiSink(previous_); }
    RealMessageBoxes(const RealMessageBoxes&) = delete;
    RealMessageBoxes& operator=(const RealMessageBoxes&) = delete;

  private:
    halvern::MessageSink* previous_;
};

// The program's end wired to its main window as main() wires it; the application's
// quit-on-last-window setting comes back afterwards.
class ProgramEndWiring {
  public:
    explicit ProgramEndWiring(QWidget* mainWindow)
        : quitOnLast_(QApplication::quitOnLastWindowClosed()) {
        halvern::EndProgramWithMainWindow(mainWindow);
    }
    ~ProgramEndWiring() { QApplication::setQuitOnLastWindowClosed(quitOnLast_); }
    ProgramEndWiring(const ProgramEndWiring&) = delete;
    ProgramEndWiring& operator=(const ProgramEndWiring&) = delete;

  private:
    bool quitOnLast_;
};

// Presses `button` on the next message box once the event loop shows it, and keeps its text in
// `asked`. Gives up after five seconds.
inline void AnswerNextMessageBox(QMessageBox::StandardButton button, QString* asked = nullptr) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, button, asked] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible() || box->button(button) == nullptr) return;
        poll->deleteLater();
        poll->stop();
        if (asked != nullptr) *asked = box->text();
        box->button(button)->click();
    });
    QTimer::singleShot(5000, poll, [poll] { poll->deleteLater(); });
    poll->start();
}

// Runs the application's event loop, as main() does, with `start` as its first event. Returns
// the loop's exit code: 0 when the program quit, -1 when it still ran after `limitMs`.
inline int RunProgramLoop(const std::function<void()>& start, int limitMs) {
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    limit.start(limitMs);
    QTimer::singleShot(0, &limit, start);
    return QApplication::exec();
}

// Closes the main window from within the program's event loop, the next message box answered
// with `answer` (its text kept in `asked`); the loop's exit code as RunProgramLoop gives it.
inline int CloseProgramAnswering(QWidget& mainWindow, QMessageBox::StandardButton answer,
                                 QString* asked, int limitMs = 5000) {
    AnswerNextMessageBox(answer, asked);
    return RunProgramLoop([&mainWindow] { mainWindow.close(); }, limitMs);
}
