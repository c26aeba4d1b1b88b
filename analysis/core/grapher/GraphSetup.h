// The "Graph Set-Up" dialog's record: its fields with their bounds, filled from the grapher and
// stored back on OK. Some fields are the dialog's own: the x and y titles' texts and ticks (while
// the picture shows no such title), the caches' shown ticks and the labels' show ticks keep the
// dialog's last values.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "grapher/FieldBounds.h"
#include "grapher/GrapherModel.h"

namespace halvern {

namespace graph_setup {
inline constexpr RealBounds kValue{-1e100L, 1e100L};  // minima, maxima, label scales
inline constexpr RealBounds kAxisLength{0, 100};
inline constexpr IntBounds kLabelOffset{-999, 999};
inline constexpr IntBounds kLabelChars{0, 20};
inline constexpr IntBounds kLabelInterval{0, 100};
inline constexpr IntBounds kTicks{0, 100};
inline constexpr IntBounds kTickLength{-999, 999};
inline constexpr IntBounds kAxesWidth{0, 20};
inline constexpr IntBounds kPosition{0, 2000};
}  // namespace graph_setup

struct SetupAxis {
    long double minimum = 0;
    long double maximum = 0;
    long double length = 0;  // "Scale factor": the axis length
    int32_t labelH = 0;
    int32_t labelV = 0;
    int32_t labelChars = 0;
    long double labelScale = 0;
    int32_t labelInterval = 0;
};

struct SetupText {
    bool visible = false;
    std::string text;  // at most 50 characters
    int32_t x = 0;
    int32_t y = 0;
};

struct GraphSetupValues {
    SetupAxis x;
    SetupAxis y;
    int32_t xTicks = 0;
    int32_t yTicks = 0;
    int32_t tickLength = 0;
    int32_t axesWidth = 0;
    ColourRef axesColour = 0;
    bool drawX = true;
    bool drawY = true;
    bool fourSides = false;
    bool clip = false;
    SetupText mainTitle;
    SetupText xTitle;
    SetupText yTitle;
    std::array<bool, kCacheCount> shown{};
    std::array<SetupText, kLabelCount> labels;
};

// What the dialog keeps of its own between uses.
struct GraphSetupMemory {
    SetupText xTitle{false, "X-title", 0, 0};
    SetupText yTitle{false, "Y-title", 0, 0};
    std::array<bool, kCacheCount> shown{true, true, true, true, true,
                                        true, true, true, true, true};
    std::array<bool, kLabelCount> labelsVisible{};
};

// The runtime's scientific form of width 13: " 1.2346E+0002".
std::string RealToText13(long double x);

// "n. file name - count": the caption of a cache on the "Status" page.
std::string CacheStatusCaption(int index, const DataCache& cache);

GraphSetupValues FillGraphSetup(const GrapherModel& model, const GraphSetupMemory& memory);

// Stores the accepted dialog: a range typed upside down keeps its minimum and takes the size of
// the difference as its span, a span of 0 becomes 1. The dialog's own fields are remembered.
void ApplyGraphSetup(GrapherModel& model, const GraphSetupValues& values,
                     GraphSetupMemory& memory);

}  // namespace halvern
