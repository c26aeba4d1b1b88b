// Single-line edits that hold one number within fixed bounds, checked when the focus leaves them.
#pragma once

#include "NumericWidget.h"

namespace halvern {

class TFloatEdit : public NumericWidget<QLineEdit, RealRangeControl> {
    Q_OBJECT
  public:
    explicit TFloatEdit(QWidget* parent = nullptr) : NumericWidget(parent) {}
};

// Writes its bounds right-aligned in 11 characters.
class TIntegerEdit : public NumericWidget<QLineEdit, IntRangeControl> {
    Q_OBJECT
  public:
    explicit TIntegerEdit(QWidget* parent = nullptr)
        : NumericWidget(parent, IntBoundText::RightAligned) {}
};

}  // namespace halvern
