#include "WindowStacking.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace halvern {

namespace {

// The window's own transient parent: that of the widget it belongs to.
QWindow* OwnTransientParent(const QWidget* window) {
    const QWidget* parent = window->parentWidget();
    return parent != nullptr ? parent->window()->windowHandle() : nullptr;
}

// Keeps `window` transient for a modal dialog while the dialog is shown, then gives it back its
// own transient parent.
class TransientForDialog : public QObject {
  public:
    TransientForDialog(QWidget* window, QWidget* dialog) : QObject(window), dialog_(dialog) {
        setObjectName(kName);
        window->winId();
        dialog->winId();
        window->windowHandle()->setTransientParent(dialog->windowHandle());
        dialog->installEventFilter(this);
    }
    ~TransientForDialog() override {
        if (dialog_) dialog_->removeEventFilter(this);
        auto* window = static_cast<QWidget*>(parent());
        if (QWindow* handle = window->windowHandle())
            handle->setTransientParent(OwnTransientParent(window));
    }
    TransientForDialog(const TransientForDialog&) = delete;
    TransientForDialog& operator=(const TransientForDialog&) = delete;

    static constexpr const char* kName = "halvernTransientForDialog";
    static TransientForDialog* of(const QWidget* window) {
        return static_cast<TransientForDialog*>(
            window->findChild<QObject*>(QString::fromLatin1(kName), Qt::FindDirectChildrenOnly));
    }
    const QWidget* dialog() const { return dialog_; }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) deleteLater();
        return false;
    }

  private:
    QPointer<QWidget> dialog_;
};

void KeepAboveModalDialog(QWidget* window) {
    QWidget* dialog = QApplication::activeModalWidget();
    TransientForDialog* current = TransientForDialog::of(window);
    if (current != nullptr && current->dialog() == dialog) return;
    delete current;
    if (dialog != nullptr && dialog != window && !window->isAncestorOf(dialog))
        new TransientForDialog(window, dialog);
}

}  // namespace

int ExecOverOpener(QDialog& dialog) {
    const QPointer<QWidget> opener = QApplication::activeWindow();
    if (opener.isNull() || opener == &dialog) return dialog.exec();
    dialog.winId();
    opener->winId();
    dialog.windowHandle()->setTransientParent(opener->windowHandle());
    const int result = dialog.exec();
    dialog.windowHandle()->setTransientParent(OwnTransientParent(&dialog));
    if (opener && opener->isVisible()) {
        opener->raise();
        opener->activateWindow();
    }
    return result;
}

void PresentWindow(QWidget* window) {
    KeepAboveModalDialog(window);
    if (window->isMinimized()) window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace halvern
