// Editable combo boxes that hold one number within fixed bounds, checked when the focus leaves
// them (not when their own list drops down).
#pragma once

#include "NumericWidget.h"

namespace halvern {

// An edit with a drop-down list; Enter keeps the list as the form made it.
void MakeNumberCombo(QComboBox& combo);

class TFloatComboBox : public NumericWidget<QComboBox, RealRangeControl> {
    Q_OBJECT
  public:
    explicit TFloatComboBox(QWidget* parent = nullptr) : NumericWidget(parent) {
        MakeNumberCombo(*this);
    }
};

// Writes its bounds without leading blanks.
class TIntegerComboBox : public NumericWidget<QComboBox, IntRangeControl> {
    Q_OBJECT
  public:
    explicit TIntegerComboBox(QWidget* parent = nullptr)
        : NumericWidget(parent, IntBoundText::Bare) {
        MakeNumberCombo(*this);
    }
};

}  // namespace halvern
