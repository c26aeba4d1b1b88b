#include "plotter/PlotView.h"

#include <algorithm>
#include <cmath>

#include "NumberText.h"
#include "ShortString.h"
#include "miscutil.h"

namespace halvern {

namespace {

constexpr long double kDegreesPerRadian = 57.295779513082320877L;

// Shifts stop far beyond the picture, so that origin plus offset stays within int range.
constexpr int32_t kPlotOriginLimit = 1 << 20;

int32_t ClampedPixel(double value) {
    return static_cast<int32_t>(
        std::clamp(value, -static_cast<double>(kPlotPixelLimit), double{kPlotPixelLimit}));
}

}  // namespace

void StepZoom(ZoomControl& zoom, bool up) {
    zoom.position = std::clamp(zoom.position + (up ? zoom.increment : -zoom.increment), kZoomMin,
                               kZoomMax);
    zoom.increment = zoom.position < 20 ? 1 : 5;
}

void ShiftPlot(PlotView& view, PlotShift direction) {
    auto move = [](int32_t& origin, int32_t by) {
        origin = std::clamp(origin + by, -kPlotOriginLimit, kPlotOriginLimit);
    };
    switch (direction) {
        case PlotShift::Left:
            move(view.x0, -kPlotShiftStep);
            break;
        case PlotShift::Right:
            move(view.x0, kPlotShiftStep);
            break;
        case PlotShift::Up:
            move(view.y0, kPlotShiftStep);
            break;
        case PlotShift::Down:
            move(view.y0, -kPlotShiftStep);
            break;
    }
}

bool PlotScreenPoint(const PlotView& view, int32_t height, float h, float v, PlotPixel& out) {
    if (!std::isfinite(h) || !std::isfinite(v)) return false;
    const double zoom = view.zoom.position;
    // The products are exact in double; nearbyint rounds halves to even.
    const double x = std::nearbyint(zoom * h) + view.x0;
    const double y = static_cast<double>(height) - view.y0 - std::nearbyint(zoom * v);
    out.x = ClampedPixel(x);
    out.y = ClampedPixel(y);
    return true;
}

std::array<std::string, 2> AxisPrefixes(Perspective perspective) {
    switch (perspective) {
        case Perspective::XY:
            return {"x:", "y:"};
        case Perspective::YZ:
            return {"y:", "z:"};
        case Perspective::XZ:
            break;
    }
    return {"x:", "z:"};
}

std::array<std::string, 2> ReadOutTexts(const PlotView& view, int32_t height, int32_t x, int32_t y) {
    const std::array<std::string, 2> prefix = AxisPrefixes(view.perspective);
    const long double zoom = view.zoom.position;
    const long double h = (static_cast<long double>(x) - view.x0) / zoom;
    const long double v = (static_cast<long double>(height) - view.y0 - y) / zoom;
    return {prefix[0] + FloatToText(h, 3), prefix[1] + FloatToText(v, 3)};
}

std::array<std::string, 3> RotationLabelTexts(const PlotView& view) {
    return {"Rxy:" + FloatToText(view.rxy * kDegreesPerRadian, 3),
            "Ryz:" + FloatToText(view.ryz * kDegreesPerRadian, 3),
            "Rzx:" + FloatToText(view.rzx * kDegreesPerRadian, 3)};
}

std::string FrameTimeText(const TrajectoryData& data, TFrame frame) {
    if (frame.first < 0 || frame.last >= data.count()) return " fs";
    long double middle =
        (static_cast<long double>(data.time[frame.first]) + data.time[frame.last]) * 0.5L;
    if (data.osl) middle *= 1e15L;
    return CutTo(ShortestRealText(middle), 6) + " fs";
}

}  // namespace halvern
