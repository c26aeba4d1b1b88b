// The plotter's view of its data: origin, zoom, plane and cumulative rotations, the mapping of a
// frame's values to pixels, and the texts of the labels and the mouse read-out.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "plotter/FrameList.h"
#include "plotter/PlotProjection.h"
#include "plotter/TrajectoryData.h"

namespace halvern {

inline constexpr int32_t kZoomMin = 1;
inline constexpr int32_t kZoomMax = 1000;
// Pixels are clamped to this bound, so every symbol around one stays within the painter's range.
inline constexpr int32_t kPlotPixelLimit = 32760;
inline constexpr int32_t kPlotShiftStep = 25;

// The zoom up-down: steps of 1 below 20, of 5 from 20 on (1..1000).
struct ZoomControl {
    int32_t position = 10;
    int32_t increment = 1;
};
void StepZoom(ZoomControl& zoom, bool up);

// Reset by every load.
struct PlotView {
    int32_t x0 = 200;  // origin in pixels from the picture's left edge
    int32_t y0 = 150;  // and from its bottom edge
    ZoomControl zoom;  // pixels per unit, in both directions
    Perspective perspective = Perspective::XZ;
    float rxy = 0, ryz = 0, rzx = 0;  // cumulative rotations, rad
};

enum class PlotShift { Left, Right, Up, Down };
void ShiftPlot(PlotView& view, PlotShift direction);

struct PlotPixel {
    int32_t x = 0;
    int32_t y = 0;
};

// X = round(zoom h) + x0, Y = H - y0 - round(zoom v), halves to even, each clamped to
// +-kPlotPixelLimit; false for a non-finite value, which is not drawn.
bool PlotScreenPoint(const PlotView& view, int32_t height, float h, float v, PlotPixel& out);

// The read-out prefixes of the plane: "x:"/"y:", "y:"/"z:" or "x:"/"z:".
std::array<std::string, 2> AxisPrefixes(Perspective perspective);
// The values under the mouse at pixel (x, y), each with three decimals: "x:5.000", "z:-1.200".
std::array<std::string, 2> ReadOutTexts(const PlotView& view, int32_t height, int32_t x, int32_t y);
// "Rxy:350.000", "Ryz:0.000", "Rzx:-5.000": the cumulative rotations in degrees.
std::array<std::string, 3> RotationLabelTexts(const PlotView& view);
// The frame's middle time in fs as the shortest real text cut to 6 characters, then " fs".
std::string FrameTimeText(const TrajectoryData& data, TFrame frame);

}  // namespace halvern
