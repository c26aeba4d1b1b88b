// The potential graph's view: its settings and their commands and keys, the drawing it makes of
// a curve for a picture size (axes, ticks, numbers, the curve's polyline) and the read-out under
// a click. The curve is scaled so that its last radius lies at the right end of the x axis and
// its first value at the top of the y axis.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "composite/SplineDataFile.h"

namespace velkor {

struct TPotlGraphView {
    bool axesOn = true;
    int32_t xShift = 0, yShift = 0;  // pixels, origin right and up
    float xZoom = 1.0f, yZoom = 1.0f;
    int32_t yTicks = 10, xTicks = 10;  // across the unzoomed axis
    bool numberX = true, numberY = true;
    int32_t yNumberStep = 1, xNumberStep = 1;  // a number at every n-th tick
    int32_t fontSize = 7;                      // tick numbers, font "Book Antiqua"
};

enum class PotlGraphCommand {
    XZoomIn,
    XZoomOut,
    YZoomIn,
    YZoomOut,
    XShiftPlus,
    XShiftMinus,
    YShiftPlus,
    YShiftMinus,
    ToggleAxes,
    ToggleNumberX,
    ToggleNumberY,
    RestoreDefaults,
};

void ApplyPotlGraphCommand(TPotlGraphView& view, PotlGraphCommand command);

// Keys that act (the window maps its key codes to these).
enum class PotlGraphKey { Up, Down, Left, Right, PageUp, PageDown, Home, End, F7, F8, F9, Other };

// A key pressed with Shift alone moves by 100 with the arrows and does nothing else; without
// Shift alone the arrows move by 10 and the other keys zoom or set the font size.
void PotlGraphKeyDown(TPotlGraphView& view, PotlGraphKey key, bool shiftAlone);
// Typed characters: "Y" / "X" add a tick, "y" / "x" take one away (not below 1).
void PotlGraphKeyPress(TPotlGraphView& view, char c);

// Plot height and width, origin.
struct TPotlFrame {
    int32_t H = 0, W = 0, x0 = 0, y0 = 0;
};
TPotlFrame PotlFrameOf(const TPotlGraphView& view, int32_t width, int32_t height);

// True when the curve can be drawn in the picture: points loaded, a finite non-zero first value
// and last radius, and a plot of at least one pixel each way.
bool PotlCurveDrawable(const TPotlGraphView& view, const TPotentialCurve& curve, int32_t width,
                       int32_t height);

struct TPlotPixel {
    int32_t x = 0, y = 0;
};
struct TPlotSegment {
    TPlotPixel from, to;
};
struct TPlotLabel {
    TPlotPixel at;  // top left
    std::string text;
};

// What one drawing paints: blue axes and ticks, the tick numbers, the black curve. A zoomed
// axis has its ticks halved as often as the zoom has doubled, so that as many stay in view;
// only the ticks within the picture are drawn, each with its number.
struct TPotlDrawing {
    std::vector<TPlotSegment> axes;
    std::vector<TPlotLabel> labels;
    std::vector<TPlotPixel> curve;
};

// Empty when the curve is not drawable.
TPotlDrawing LayOutPotentialPlot(const TPotlGraphView& view, const TPotentialCurve& curve,
                                 int32_t width, int32_t height);

inline constexpr const char* kPotentialCaption = "Target-Target Potential (eV)";
inline constexpr const char* kForceCaption = "Target-Target Force (eV/A)";

// The status-bar read-out of a click at (X, Y) for a window of that caption: none for another
// caption or a curve that is not drawable.
std::optional<std::string> PotentialReadOut(const TPotlGraphView& view,
                                            const TPotentialCurve& curve, int32_t width,
                                            int32_t height, const std::string& caption, int32_t X,
                                            int32_t Y);

// The red cross at a click.
std::vector<TPlotSegment> ClickCross(int32_t X, int32_t Y);

}  // namespace velkor
