#include "DialogDefault.h"

#include <QDialog>
#include <QEvent>
#include <QPushButton>

namespace halvern {

namespace {

class OkDefaultKeeper : public QObject {
  public:
    OkDefaultKeeper(QDialog* dialog, QPushButton* ok) : QObject(dialog), dialog_(dialog), ok_(ok) {
        dialog->installEventFilter(this);
        apply();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == dialog_ && event->type() == QEvent::Show) apply();
        return false;
    }

  private:
    // A push button with auto-default becomes the default while it has the focus, so that
    // Enter after a click on it would press it again.
    void apply() {
        for (QPushButton* button : dialog_->findChildren<QPushButton*>())
            if (button != ok_ && button->window() == dialog_) button->setAutoDefault(false);
        ok_->setDefault(true);
    }

    QDialog* dialog_;
    QPushButton* ok_;
};

}  // namespace

void KeepOkDefault(QDialog* dialog, QPushButton* ok) {
    new OkDefaultKeeper(dialog, ok);
}

}  // namespace halvern
