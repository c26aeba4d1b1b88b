#include "FltCombo.h"

#include <QFocusEvent>

namespace halvern {

namespace {

// An edit with a drop-down list; Enter keeps the list as the form made it.
void MakeNumberCombo(QComboBox& combo) {
    combo.setEditable(true);
    combo.setInsertPolicy(QComboBox::NoInsert);
}

}  // namespace

TFloatComboBox::TFloatComboBox(QWidget* parent) : QComboBox(parent), RealRangeControl(this) {
    MakeNumberCombo(*this);
}

void TFloatComboBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    CheckValue(*event);
}

TIntegerComboBox::TIntegerComboBox(QWidget* parent)
    : QComboBox(parent), IntRangeControl(this, IntBoundText::Bare) {
    MakeNumberCombo(*this);
}

void TIntegerComboBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    CheckValue(*event);
}

}  // namespace halvern
