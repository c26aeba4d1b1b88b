#include "graph/GraphGeometry.h"

#include <algorithm>
#include <cmath>

#include "ShellSort.h"
#include "miscutil.h"

namespace halvern {

GraphSymbols SymbolsOf(const TGraphView& view) {
    if (view.circles) return GraphSymbols::Circles;
    return view.icons ? GraphSymbols::Icons : GraphSymbols::Points;
}

void SetSymbols(TGraphView& view, GraphSymbols symbols) {
    view.circles = symbols == GraphSymbols::Circles;
    view.icons = symbols == GraphSymbols::Icons;
}

void ResetGraphDefaults(TGraphView& view, double scale) {
    const bool highlight = view.highlight;
    view = TGraphView{};
    view.scale = scale;
    view.highlight = highlight;
}

void ZoomIn(TGraphView& view) {
    if (view.radius > kGraphMaxRadius / 2) return;
    if (!(view.scale * 2 <= kSpatialGraphScale * kGraphMaxZoom)) return;
    view.scale *= 2;
    view.radius *= 2;
}

void ZoomOut(TGraphView& view) {
    if (!(view.scale * 0.5 >= kVelocityGraphScale / kGraphMaxZoom)) return;
    view.scale *= 0.5;
    // Round half to even, at least 1: radius 3 gives 2, radius 1 stays 1.
    const auto half = static_cast<int32_t>(std::nearbyint(view.radius * 0.5));
    view.radius = std::max(half, 1);
}

void ShiftView(TGraphView& view, GraphShift direction, int32_t step) {
    auto move = [](int32_t& shift, int32_t by) {
        shift = std::clamp(shift + by, -kGraphPixelLimit, kGraphPixelLimit);
    };
    switch (direction) {
        case GraphShift::Left:
            move(view.xShift, -step);
            break;
        case GraphShift::Right:
            move(view.xShift, step);
            break;
        case GraphShift::Up:
            move(view.yShift, -step);
            break;
        case GraphShift::Down:
            move(view.yShift, step);
            break;
    }
}

int32_t KeyShiftStep(bool shiftAlone) {
    return shiftAlone ? 100 : 25;
}

TPixel GraphOrigin(const TGraphView& view, int32_t width, int32_t height) {
    const int32_t v = view.plane == GraphPlane::XY ? height / 2 : height / 4;
    return {width / 2 + view.xShift, v + view.yShift};
}

namespace {

int32_t ClampedRound(double value) {
    const double r = std::nearbyint(value);  // default rounding: halves to even
    return static_cast<int32_t>(std::clamp(r, -double(kGraphPixelLimit), double(kGraphPixelLimit)));
}

}  // namespace

bool ToPixel(TPixel origin, double h, double v, double scale, TPixel& out) {
    const double hs = h * scale;
    const double vs = v * scale;
    if (std::isnan(hs) || std::isnan(vs)) return false;
    // Origin and offset are each within the limit, so their sum fits an int32.
    out.x = std::clamp(origin.x + ClampedRound(hs), -kGraphPixelLimit, kGraphPixelLimit);
    out.y = std::clamp(origin.y - ClampedRound(vs), -kGraphPixelLimit, kGraphPixelLimit);
    return true;
}

TFrameAxes AxesOf(GraphPlane plane, const TGraphFrame& frame) {
    switch (plane) {
        case GraphPlane::XY:
            return {frame.x, frame.y, frame.z};
        case GraphPlane::YZ:
            return {frame.y, frame.z, frame.x};
        case GraphPlane::XZ:
            break;
    }
    return {frame.x, frame.z, frame.y};
}

int32_t LastDrawnParticle(const TGraphFrame& frame) {
    if (!frame.x || !frame.y || !frame.z || frame.N < 0) return -1;
    return std::min(frame.N, kGraphMaxParticles - 1);
}

DepthSortedFrame::DepthSortedFrame()
    : h_(kGraphMaxParticles),
      v_(kGraphMaxParticles),
      d_(kGraphMaxParticles),
      index_(kGraphMaxParticles) {}

void DepthSortedFrame::sort(const TFrameAxes& axes, int32_t last) {
    count_ = std::clamp(last + 1, 0, kGraphMaxParticles);
    for (int32_t i = 0; i < count_; ++i) {
        h_[i] = axes.h[i];
        v_[i] = axes.v[i];
        d_[i] = axes.d[i];
        index_[i] = i;
    }
    ShellSort(count_, index_.data(), d_.data(), v_.data(), h_.data());
}

bool UsesProjectileIcon(const TGraphView& view, int32_t particle, double depth) {
    if (view.highlight) return depth > 1e-10;
    return particle == 0;
}

std::string GraphTimeText(float t) {
    return " t = " + RealToTextDigits(static_cast<long double>(t) * 1e15L, 2) + " fs";
}

std::string GraphPlaneStatusText(GraphPlane plane) {
    static const char* const kTail =
        " plane: Ctrl + Circles/Points/Icons/Small/F5-F7/Kopy/Zoom/Refresh/Default";
    switch (plane) {
        case GraphPlane::XY:
            return std::string("XY") + kTail;
        case GraphPlane::YZ:
            return std::string("YZ") + kTail;
        case GraphPlane::XZ:
            break;
    }
    return std::string("XZ") + kTail;
}

}  // namespace halvern
