// What the grapher's keys and speed buttons change; the window redraws after each.
#pragma once

#include "grapher/GrapherModel.h"

namespace halvern {

enum class ArrowKey { Up, Down, Left, Right };
// Shift alone moves the y-axis labels, Alt alone the x-axis labels, anything else the axes.
enum class ArrowShift { None, Shift, Alt, Other };

// Every arrow moves its item in its own direction on the screen.
void ApplyArrowKey(GrapherSettings& settings, ArrowKey key, ArrowShift shift);

void ToggleFourSides(GrapherSettings& settings);

// The axis range widened to round values.
void RoundUpScale(AxisSettings& axis);

// One tick interval fewer while there are any; the decrease button is enabled while the count
// is above 0.
void DecreaseTicks(AxisSettings& axis);
void IncreaseTicks(AxisSettings& axis);
inline bool CanDecreaseTicks(const AxisSettings& axis) { return axis.ticks > 0; }

inline constexpr float kAxisLengthStep = 0.05f;
// Shorter by one step unless it is one step or less already.
void ReduceAxisLength(AxisSettings& axis);
void IncreaseAxisLength(AxisSettings& axis);

// Every cache: symbols off with a solid line when its symbols were on, else symbols on and no
// line.
void ToggleLinesAndSymbols(GrapherModel& model);

}  // namespace halvern
