#include "NumericControl.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include "DisplayText.h"
#include "ShortString.h"
#include "UiSink.h"

namespace halvern {

namespace {

// The refused control while it takes the focus back: the control the focus leaves then must not
// check, or two bad controls would refuse each other for ever.
QWidget* controlTakingFocusBack = nullptr;

// Swallows the mouse press that moved the focus away from a refused control, and its release, so
// the button the focus was heading for is not clicked.
class PressBlocker : public QObject {
  public:
    using QObject::QObject;

    void arm(QWidget* window) {
        window_ = window;
        state_ = State::AwaitingPress;
        qApp->installEventFilter(this);
        // The press is delivered right after the focus change; any other cause of a mouse focus
        // change (a wheel turn) must not leave the blocker armed.
        QTimer::singleShot(0, this, [this] {
            if (state_ == State::AwaitingPress) disarm();
        });
    }

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                if (state_ != State::AwaitingPress) {
                    disarm();  // a new press: the old release went elsewhere
                    return false;
                }
                if (!inWindow(receiver)) return false;
                if (QGuiApplication::mouseButtons() == Qt::NoButton)
                    disarm();
                else
                    state_ = State::AwaitingRelease;
                event->accept();  // handled: not passed on to the parents
                return true;
            case QEvent::MouseButtonRelease:
                if (state_ != State::AwaitingRelease || !inWindow(receiver)) return false;
                disarm();
                event->accept();
                return true;
            default:
                return false;
        }
    }

  private:
    enum class State { Idle, AwaitingPress, AwaitingRelease };

    bool inWindow(QObject* receiver) const {
        auto* widget = qobject_cast<QWidget*>(receiver);
        return widget != nullptr && widget->window() == window_;
    }

    void disarm() {
        state_ = State::Idle;
        window_ = nullptr;
        qApp->removeEventFilter(this);
    }

    State state_ = State::Idle;
    QWidget* window_ = nullptr;
};

void BlockPressIn(QWidget* window) {
    static PressBlocker* blocker = new PressBlocker(qApp);
    blocker->arm(window);
}

bool LeavesWithinWindow(const QWidget* self, Qt::FocusReason reason) {
    switch (reason) {
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason:
        case Qt::NoFocusReason:
            return false;
        default:
            break;
    }
    if (controlTakingFocusBack != nullptr) return false;
    if (!self->isVisible() || !self->isEnabled()) return false;  // could not take the focus back
    const QWidget* target = QApplication::focusWidget();
    return target != nullptr && target != self && target->window() == self->window();
}

}  // namespace

void NumericControl::CheckValue(const QFocusEvent& event) {
    if (!LeavesWithinWindow(self_, event.reason())) return;
    if (accepts(CoreText(numberText()))) return;
    refuse();
    if (event.reason() == Qt::MouseFocusReason) BlockPressIn(self_->window());
}

bool NumericControl::validate() {
    if (accepts(CoreText(numberText()))) return true;
    refuse();
    return false;
}

void NumericControl::refuse() {
    message_ = CutTo(rangeMessage(), kRangeMessageMax);
    MessageSink& sink = UiSink();
    sink.beep();
    sink.error(message_);
    // A box of its own leaves no window active on some platforms: the control's window was.
    QWidget* const window = self_->window();
    if (!window->isActiveWindow()) window->activateWindow();
    QWidget* const outer = controlTakingFocusBack;
    controlTakingFocusBack = self_;
    self_->setFocus(Qt::OtherFocusReason);
    controlTakingFocusBack = outer;
}

bool RealRangeControl::accepts(const std::string& text) const {
    return AcceptsRealText(text, minValue_, maxValue_);
}

std::string RealRangeControl::rangeMessage() const {
    return RangeMessageReal(minValue_, maxValue_);
}

bool IntRangeControl::accepts(const std::string& text) const {
    return AcceptsIntText(text, minValue_, maxValue_);
}

std::string IntRangeControl::rangeMessage() const {
    return RangeMessageInt(minValue_, maxValue_, boundText_);
}

bool ValidateNumericControls(QWidget* dialog) {
    if (dialog == nullptr) return true;
    for (QWidget* w = dialog->nextInFocusChain(); w != nullptr && w != dialog;
         w = w->nextInFocusChain()) {
        if (!dialog->isAncestorOf(w) || !w->isEnabled() || !w->isVisibleTo(dialog)) continue;
        auto* control = dynamic_cast<NumericControl*>(w);
        if (control != nullptr && !control->validate()) return false;
    }
    return true;
}

}  // namespace halvern
