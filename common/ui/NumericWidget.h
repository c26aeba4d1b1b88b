// Binds the range check to an edit or combo box: the check runs when the focus leaves it.
#pragma once

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>

#include "NumericControl.h"

namespace halvern {

inline QString NumberTextOf(const QLineEdit& edit) {
    return edit.text();
}
inline QString NumberTextOf(const QComboBox& combo) {
    return combo.currentText();
}

template <class Widget, class Range>
class NumericWidget : public Widget, public Range {
  protected:
    template <class... RangeArgs>
    explicit NumericWidget(QWidget* parent, RangeArgs... rangeArgs)
        : Widget(parent), Range(this, rangeArgs...) {}

    void focusOutEvent(QFocusEvent* event) override {
        Widget::focusOutEvent(event);
        this->CheckValue(*event);
    }
    QString numberText() const override { return NumberTextOf(*this); }
};

}  // namespace halvern
