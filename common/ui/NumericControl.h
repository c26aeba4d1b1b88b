// The range check shared by the numeric edit and combo boxes; the four controls only bind it.
#pragma once

#include <cstdint>
#include <string>

#include "RangeCheck.h"

class QFocusEvent;
class QString;
class QWidget;

namespace halvern {

class NumericControl {
  public:
    virtual ~NumericControl() = default;

    // Checks the text now; a refused text beeps, shows the range message and takes the focus back.
    bool validate();
    // The text of the last range message (at most 100 characters).
    const std::string& message() const { return message_; }

  protected:
    explicit NumericControl(QWidget* self) : self_(self) {}

    // The focus-out check. It runs only when the focus moves to another control of the same
    // window: not when the window is deactivated, a pop-up opens, or the focus is on its way
    // back to a refused control.
    void CheckValue(const QFocusEvent& event);

    virtual QString numberText() const = 0;
    virtual bool accepts(const std::string& text) const = 0;
    virtual std::string rangeMessage() const = 0;

  private:
    void refuse();

    QWidget* self_;
    std::string message_;
};

// Bounds of the real controls (inclusive; both 0 until set).
class RealRangeControl : public NumericControl {
  public:
    long double MinValue() const { return minValue_; }
    long double MaxValue() const { return maxValue_; }
    void setMinValue(long double value) { minValue_ = value; }
    void setMaxValue(long double value) { maxValue_ = value; }

  protected:
    using NumericControl::NumericControl;
    bool accepts(const std::string& text) const override;
    std::string rangeMessage() const override;

  private:
    long double minValue_ = 0;
    long double maxValue_ = 0;
};

// Bounds of the integer controls (inclusive; both 0 until set).
class IntRangeControl : public NumericControl {
  public:
    int32_t MinValue() const { return minValue_; }
    int32_t MaxValue() const { return maxValue_; }
    void setMinValue(int32_t value) { minValue_ = value; }
    void setMaxValue(int32_t value) { maxValue_ = value; }

  protected:
    IntRangeControl(QWidget* self, IntBoundText boundText)
        : NumericControl(self), boundText_(boundText) {}
    bool accepts(const std::string& text) const override;
    std::string rangeMessage() const override;

  private:
    IntBoundText boundText_;
    int32_t minValue_ = 0;
    int32_t maxValue_ = 0;
};

// Validates the enabled, shown numeric controls of a dialog in tab order and stops at the first
// refused one (with its one box). An accepting handler calls it first: Enter on a default button
// does not move the focus, so no focus-out check has run.
bool ValidateNumericControls(QWidget* dialog);

}  // namespace halvern
