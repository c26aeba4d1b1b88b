// The "Open Display" and "Empty Data" dialogs' records: their fields with defaults and bounds,
// and what accepting them does to the grapher.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "MessageSink.h"
#include "grapher/FieldBounds.h"
#include "grapher/GrapherModel.h"

namespace halvern {

namespace open_display {
inline constexpr IntBounds kCacheIndex{1, kCacheCount};
inline constexpr IntBounds kXColumn{0, 99};
inline constexpr IntBounds kYColumn{1, 100};
inline constexpr IntBounds kPenWidth{0, 20};
inline constexpr IntBounds kSymbolSize{0, 20};
inline constexpr IntBounds kYOffset{-2000, 2000};
}  // namespace open_display

enum class SymbolShape { Squares = 0, Circles = 1 };

struct OpenDisplayValues {
    int32_t cacheIndex = 1;
    std::string fileName = "*.dat";
    int32_t xColumn = 1;
    int32_t yColumn = 2;
    PenStyle penStyle = PenStyle::Solid;
    ColourRef penColour = colour::Black;
    int32_t penWidth = 1;
    bool symbolsOn = false;
    int32_t symbolSize = 2;
    SymbolShape shape = SymbolShape::Squares;
    bool loadFile = true;  // "Data file: Load new data from this file"
    int32_t yOffset = 0;   // pixels up
    bool fitAxes = true;
};

// The cache index of the dialog's text; a text that is no index 1..10 is reported and gives 1.
int32_t CacheIndexOrDefault(const std::string& text, MessageSink& sink);

// A name that can be loaded: an existing file, no wildcard.
bool DataFileFound(const std::string& name);
std::string DataFileNotFoundText(const std::string& name);

// Stores the dialog's style into its cache and its columns into the grapher, then loads the
// file and fits the axes as ticked. False, with the message, for a file that is not there.
bool ApplyOpenDisplay(GrapherModel& model, const OpenDisplayValues& values, MessageSink& sink);

// The "Empty Data" ticks, caches 1 to 10.
using EmptyDataTicks = std::array<bool, kCacheCount>;
void EmptyCaches(GrapherModel& model, const EmptyDataTicks& ticks);

}  // namespace halvern
