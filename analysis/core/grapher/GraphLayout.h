// The grapher's picture as a display list: what to draw and where, in pixels of a picture of a
// given size, so that the painter only draws and the geometry is tested without a window.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "grapher/GrapherModel.h"

namespace halvern {

// The drawing interface takes 16-bit coordinates; larger ones are held at this magnitude.
inline constexpr int32_t kMaxPixel = 32760;

struct Pixel {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

struct PixelSegment {
    Pixel from;
    Pixel to;
};

// Texts are drawn with their top-left corner at the given point.
struct PlacedText {
    std::string text;
    Pixel topLeft;
    bool large = false;           // 2 points above the text size (the main title)
    int32_t kind = kNoGraphText;  // the title or label drawn; a tick label has none
};

// How large the window draws a text in the grapher's font. Without a measure the layout puts
// every text exactly where the settings say.
struct TextMetrics {
    std::function<int32_t(const std::string& text, bool large)> width;
    int32_t height = 0;       // of a line at the text size
    int32_t largeHeight = 0;  // of the main title's line
};

struct PenSpec {
    ColourRef colour = colour::Black;
    int32_t width = 0;
    PenStyle style = PenStyle::Solid;
};

// A cache's line, broken where a point has no pixel.
struct CacheLine {
    PenSpec pen;
    std::vector<std::vector<Pixel>> runs;
};

struct CacheSymbols {
    PenSpec pen;  // always solid
    int32_t size = 0;
    bool squares = false;  // else circles
    std::vector<Pixel> centres;
};

// The corner of the axes and their lengths.
struct AxisFrame {
    int32_t x0 = 0;
    int32_t y0 = 0;
    int32_t xLength = 0;
    int32_t yLength = 0;
};

struct DisplayList {
    int32_t width = 0;
    int32_t height = 0;
    AxisFrame frame;
    GraphFont font;
    PenSpec axesPen;
    std::vector<PixelSegment> axes;  // axis lines and ticks
    std::vector<PlacedText> texts;
    std::vector<CacheLine> lines;
    std::vector<CacheSymbols> symbols;  // drawn after every line
};

AxisFrame AxisFrameOf(const GrapherSettings& settings, int32_t width, int32_t height);

// Halves to even; held within +-kMaxPixel.
int32_t RoundPixel(double value);

// Data to pixels as the picture maps them.
struct PixelMapping {
    AxisFrame frame;
    double xMinimum = 0;
    double xSpan = 1;
    double yMinimum = 0;
    double ySpan = 1;
    bool clip = false;  // values outside the axes' ranges go to the axes' ends
};
PixelMapping PixelMappingOf(const GrapherSettings& settings, const AxisFrame& frame);
// False for a point without a finite pixel (a zero span, a non-finite value).
bool MapPoint(const PixelMapping& mapping, const DataPoint& point, int32_t yOffset, Pixel& pixel);

// With a measure, texts are kept clear of the axes and inside the picture: the y axis stands far
// enough right for its widest label, y labels end before their tick and x labels start below
// theirs, the x and y titles where the defaults put them stand below the x labels (centred on
// the axis) and above the y axis, and no title or label leaves the picture.
DisplayList LayoutGraph(const GrapherModel& model, int32_t width, int32_t height,
                        const TextMetrics& metrics = {});

}  // namespace halvern
