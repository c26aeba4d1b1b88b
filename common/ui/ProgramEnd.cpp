#include "ProgramEnd.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <vector>

namespace halvern {

namespace {

// The program's own event loop is the outermost one; a message box or dialog runs one inside it.
bool InNestedEventLoop() {
    return QThread::currentThread()->loopLevel() > 1;
}

}  // namespace

ProgramEnd::ProgramEnd(QWidget* mainWindow) : QObject(mainWindow), main_(mainWindow) {
    main_->installEventFilter(this);
}

bool ProgramEnd::eventFilter(QObject* watched, QEvent* event) {
    // A close hides the window only once its handler has accepted it, questions answered.
    if (watched == main_ && event->type() == QEvent::Hide) scheduleCheck();
    return false;
}

void ProgramEnd::scheduleCheck() {
    QMetaObject::invokeMethod(this, &ProgramEnd::endIfClosed, Qt::QueuedConnection);
}

// Checks again when the loop that is about to wait for events is the program's own.
void ProgramEnd::waitForProgramLoop() {
    if (waiting_) return;
    waiting_ = connect(QAbstractEventDispatcher::instance(),
                       &QAbstractEventDispatcher::aboutToBlock, this, [this] {
                           if (InNestedEventLoop()) return;
                           disconnect(waiting_);
                           scheduleCheck();
                       });
}

void ProgramEnd::endIfClosed() {
    if (main_->isVisible()) return;
    if (InNestedEventLoop()) {
        waitForProgramLoop();
        return;
    }
    std::vector<QPointer<QWidget>> others;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != main_ && window->isVisible()) others.emplace_back(window);
    for (const QPointer<QWidget>& window : others)
        if (window && window->isVisible()) window->close();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != main_ && window->isVisible() && window->windowType() != Qt::ToolTip) {
            main_->show();
            return;
        }
    }
    Q_EMIT ended();
}

void EndProgramWithMainWindow(QWidget* mainWindow) {
    QApplication::setQuitOnLastWindowClosed(false);
    auto* end = new ProgramEnd(mainWindow);
    QObject::connect(end, &ProgramEnd::ended, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

}  // namespace halvern
