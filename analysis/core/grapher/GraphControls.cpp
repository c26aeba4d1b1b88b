#include "grapher/GraphControls.h"

#include "miscutil.h"

namespace halvern {

namespace {

// A step of the current label offsets or margins, as (horizontal, vertical) changes.
struct ArrowStep {
    int32_t horizontal;
    int32_t vertical;
};

ArrowStep StepOf(ArrowKey key, int32_t size) {
    switch (key) {
        case ArrowKey::Up:
            return {0, size};
        case ArrowKey::Down:
            return {0, -size};
        case ArrowKey::Left:
            return {size, 0};
        case ArrowKey::Right:
            return {-size, 0};
    }
    return {0, 0};
}

// Label offsets count towards the left and up, so an arrow adds its step as it stands.
void MoveLabels(AxisSettings& axis, ArrowKey key) {
    const ArrowStep step = StepOf(key, 1);
    axis.labelH += step.horizontal;
    axis.labelV += step.vertical;
}

}  // namespace

void ApplyArrowKey(GrapherSettings& settings, ArrowKey key, ArrowShift shift) {
    switch (shift) {
        case ArrowShift::Shift:
            MoveLabels(settings.y, key);
            return;
        case ArrowShift::Alt:
            MoveLabels(settings.x, key);
            return;
        case ArrowShift::None:
        case ArrowShift::Other: {
            // The left margin counts to the right, the bottom margin up.
            const ArrowStep step = StepOf(key, 10);
            settings.leftMargin -= step.horizontal;
            settings.bottomMargin += step.vertical;
            return;
        }
    }
}

void ToggleFourSides(GrapherSettings& settings) { settings.fourSides = !settings.fourSides; }

void RoundUpScale(AxisSettings& axis) {
    long double lo = axis.minimum;
    long double hi = static_cast<long double>(axis.minimum) + axis.span;
    RoundAxisRange(lo, hi);
    axis.minimum = ClampToFloat(lo);
    axis.span = ClampToFloat(hi - lo);
}

void DecreaseTicks(AxisSettings& axis) {
    if (axis.ticks > 0) --axis.ticks;
}

void IncreaseTicks(AxisSettings& axis) { ++axis.ticks; }

void ReduceAxisLength(AxisSettings& axis) {
    // Steps of 0.05 in 32-bit reals do not land on 0.05 exactly; the tolerance keeps the last
    // step from leaving a length of almost nothing.
    if (axis.length > kAxisLengthStep * 1.001f) axis.length -= kAxisLengthStep;
}

void IncreaseAxisLength(AxisSettings& axis) { axis.length += kAxisLengthStep; }

void ToggleLinesAndSymbols(GrapherModel& model) {
    for (DataCache& cache : model.caches) {
        const bool symbols = cache.symbolsOn;
        cache.symbolsOn = !symbols;
        cache.penStyle = symbols ? PenStyle::Solid : PenStyle::Clear;
    }
}

}  // namespace halvern
