#include "ProgramEnd.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace halvern {

ProgramEnd::ProgramEnd(QWidget* mainWindow) : QObject(mainWindow), main_(mainWindow) {
    main_->installEventFilter(this);
}

bool ProgramEnd::eventFilter(QObject* watched, QEvent* event) {
    // Whether the close was accepted shows only after the window's own handler has run.
    if (watched == main_ && event->type() == QEvent::Close)
        QTimer::singleShot(0, this, &ProgramEnd::endIfClosed);
    return false;
}

void ProgramEnd::endIfClosed() {
    if (main_->isVisible()) return;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != main_ && window->isVisible()) window->close();
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
