#include "FltEdit.h"

#include <QFocusEvent>

namespace halvern {

TFloatEdit::TFloatEdit(QWidget* parent) : QLineEdit(parent), RealRangeControl(this) {}

void TFloatEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    CheckValue(*event);
}

TIntegerEdit::TIntegerEdit(QWidget* parent)
    : QLineEdit(parent), IntRangeControl(this, IntBoundText::RightAligned) {}

void TIntegerEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    CheckValue(*event);
}

}  // namespace halvern
