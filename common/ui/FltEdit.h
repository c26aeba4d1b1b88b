// Single-line edits that hold one number within fixed bounds, checked when the focus leaves them.
#pragma once

#include <QLineEdit>

#include "NumericControl.h"

namespace halvern {

class TFloatEdit : public QLineEdit, public RealRangeControl {
    Q_OBJECT
  public:
    explicit TFloatEdit(QWidget* parent = nullptr);

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    QString numberText() const override { return text(); }
};

// Writes its bounds right-aligned in 11 characters.
class TIntegerEdit : public QLineEdit, public IntRangeControl {
    Q_OBJECT
  public:
    explicit TIntegerEdit(QWidget* parent = nullptr);

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    QString numberText() const override { return text(); }
};

}  // namespace halvern
