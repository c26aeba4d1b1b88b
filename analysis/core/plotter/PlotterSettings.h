// The plotter's settings that its options dialog edits, with the ranges and widths of their
// fields; the dialog binds its controls to these.
#pragma once

#include <cstdint>

#include "plotter/FrameList.h"
#include "plotter/TrajectoryData.h"

namespace halvern {

struct IntFieldSpec {
    int32_t min;
    int32_t max;
    int maxLength;  // characters
};

inline constexpr IntFieldSpec kRecordsPerFrameField{1, 1000000, 6};
inline constexpr IntFieldSpec kFrameDelayField{1, 100000, 6};
inline constexpr IntFieldSpec kHighlightField{0, 100000, 5};
inline constexpr int kFrameNumberLength = 6;
inline constexpr long double kRotationAngleLimit = 360;  // degrees, either way

struct PlotterSettings {
    Framing framing = Framing::TimeBased;
    int32_t recordsPerFrame = 1;  // constant framing
    DisplayType display = DisplayType::Spatial;
    int32_t delayMs = 1;  // between frames
    int32_t highlighted = 0;  // the particle drawn with the highlight icon
};

}  // namespace halvern
