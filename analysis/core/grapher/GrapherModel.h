// The grapher's state: ten data caches with their pen and symbol styles, the settings that all
// caches share, the titles, the free labels and the item being dragged.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "Colours.h"

namespace halvern {

inline constexpr int kCacheCount = 10;
inline constexpr int kLabelCount = 10;

enum class PenStyle { Solid, Dash, Dot, Clear };

struct DataPoint {
    float x = 0;
    float y = 0;
};

struct DataCache {
    std::string fileName = "*.dat";
    std::string countText = "0";  // shown in the Graph Set-Up dialog (at most 6 characters)
    std::vector<DataPoint> points;
    ColourRef penColour = colour::Black;
    int32_t penWidth = 0;  // 0 draws one pixel wide
    PenStyle penStyle = PenStyle::Solid;
    bool symbolsOn = false;
    int32_t symbolSize = 2;   // half the side of a square, the radius of a circle
    int32_t symbolShape = 2;  // 0 squares, any other value circles
    int32_t yOffset = 0;      // pixels added to every row of the cache
    bool shown = true;
};

// What a title or label is; the kind tells where a dragged copy goes back.
enum GraphTextKind : int32_t {
    kNoGraphText = -1,
    kMainTitle = 0,
    kXTitle = 1,
    kYTitle = 2,
    kFirstLabel = 11,  // labels 1 to 10 are kinds 11 to 20
};

struct GraphText {
    std::string text;  // at most 50 characters
    int32_t x = 0;     // top-left corner in the picture
    int32_t y = 0;
    int32_t kind = kNoGraphText;
    bool visible = false;
};
inline constexpr size_t kGraphTextMax = 50;

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

struct GraphFont {
    std::string name = "Book Antiqua";  // at most 30 characters
    int32_t size = 7;                   // points
    FontStyle style;
    ColourRef colour = colour::Black;
};
inline constexpr size_t kFontNameMax = 30;

// One axis: its data range, its length, its ticks and their numeric labels.
struct AxisSettings {
    float minimum = 0;
    float span = 100;
    float length = 0.75f;  // fraction of the picture's width or height
    int32_t ticks = 10;    // tick intervals
    int32_t labelH = 0;    // label offsets (pixels)
    int32_t labelV = 0;
    int32_t labelChars = 11;  // FloatToText digits: below 10 fixed decimals, else scientific width
    float labelScale = 1;
    int32_t labelInterval = 5;  // ticks per label
    bool draw = true;
};

struct GrapherSettings {
    int32_t xColumn = 1;  // the columns of the latest load
    int32_t yColumn = 2;
    AxisSettings x;
    AxisSettings y;
    int32_t leftMargin = 45;    // pixel column of the y axis
    int32_t bottomMargin = 30;  // pixels from the picture's bottom to the x axis
    int32_t tickLength = 5;
    GraphFont font;
    ColourRef axesColour = colour::Blue;
    int32_t axesWidth = 1;
    bool fourSides = false;
    bool clip = false;
};

struct GrapherModel {
    std::array<DataCache, kCacheCount> caches;
    GrapherSettings settings;
    GraphText mainTitle;
    GraphText xTitle;
    GraphText yTitle;
    std::array<GraphText, kLabelCount> labels;
    GraphText dragItem;
};

inline bool IsCacheIndex(int index) { return index >= 1 && index <= kCacheCount; }
// Cache 1 to 10.
inline DataCache& CacheAt(GrapherModel& model, int index) {
    return model.caches[static_cast<size_t>(index - 1)];
}

// Every setting to its default for a picture of this size, and every cache's pen, symbols,
// offset and shown flag; `initial` also empties the caches and resets their file names. The axis
// minima stay.
void SetGraphDefaults(GrapherModel& model, bool initial, int32_t width, int32_t height);

// Where SetGraphDefaults puts a title or label (by its kind) in a picture of this size.
struct TextPosition {
    int32_t x = 0;
    int32_t y = 0;
};
TextPosition DefaultTextPosition(int32_t kind, int32_t width, int32_t height);
bool AtDefaultPosition(const GraphText& item, int32_t width, int32_t height);

// The picture has changed its size: titles and labels still where the defaults put them follow
// it; those the user placed stay.
void FollowPictureSize(GrapherModel& model, int32_t oldWidth, int32_t oldHeight, int32_t width,
                       int32_t height);

// The points of a cache dropped; its file name stays.
void FreeCache(DataCache& cache);

// The axis minima and spans from the points of the cache (spans of 100 from 0 when it is empty).
void FitAxes(GrapherSettings& settings, const DataCache& cache);

// A finite real as a 32-bit real, held within the 32-bit range (0 for a NaN).
float ClampToFloat(long double value);

}  // namespace halvern
