// Editable combo boxes that hold one number within fixed bounds, checked when the focus leaves
// them (not when their own list drops down).
#pragma once

#include <QComboBox>

#include "NumericControl.h"

namespace halvern {

class TFloatComboBox : public QComboBox, public RealRangeControl {
    Q_OBJECT
  public:
    explicit TFloatComboBox(QWidget* parent = nullptr);

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    QString numberText() const override { return currentText(); }
};

// Writes its bounds without leading blanks.
class TIntegerComboBox : public QComboBox, public IntRangeControl {
    Q_OBJECT
  public:
    explicit TIntegerComboBox(QWidget* parent = nullptr);

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    QString numberText() const override { return currentText(); }
};

}  // namespace halvern
