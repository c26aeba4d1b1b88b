#include "composite/PotentialPlot.h"

#include <algorithm>
#include <cmath>

#include "NumberText.h"
#include "ShortString.h"

namespace velkor {

namespace {

constexpr float kZoomIn = 1.5f;
constexpr float kZoomOut = 0.6666666666666666667f;
// Bounds that keep every pixel computation finite however often a key is pressed.
constexpr float kMinZoom = 1e-6f, kMaxZoom = 1e6f;
constexpr int32_t kMaxShift = 1 << 20;
constexpr int32_t kMaxTicks = 1000;
constexpr double kPixelLimit = 1 << 24;
constexpr size_t kReadOutWidth = 10;

void Zoom(float& zoom, float factor) {
    zoom = std::clamp(zoom * factor, kMinZoom, kMaxZoom);
}

void Shift(int32_t& shift, int32_t by) {
    shift = std::clamp(shift + by, -kMaxShift, kMaxShift);
}

// Rounds half to even, within the pixel bound (0 for an undefined value).
int32_t Pixel(double p) {
    if (std::isnan(p)) return 0;
    return static_cast<int32_t>(std::nearbyint(std::clamp(p, -kPixelLimit, kPixelLimit)));
}

std::string ReadOffText(double x) {
    return halvern::CutRealText(halvern::FormatFixed(x, 1, 3), kReadOutWidth);
}

// The ticks of one axis of `length` pixels, `unzoomed` before any zoom: `ticks` across it, times
// the power of two the zoom has reached; the numbers keep two decimals, more when the ticks lie
// closer.
struct AxisTicks {
    int32_t count = 1;
    int32_t decimals = 2;
    int32_t first = 1, last = 0;  // the ticks within the picture
};

AxisTicks TicksOf(int32_t ticks, double extent, int32_t length, int32_t unzoomed, double start,
                  double pictureEnd) {
    AxisTicks t;
    const double halvings =
        std::floor(std::log2(std::max(1.0, static_cast<double>(length) / std::max(unzoomed, 1))));
    t.count = static_cast<int32_t>(std::min(ticks * std::exp2(halvings), double(1 << 24)));
    const double interval = std::fabs(extent) / t.count;
    if (interval > 0 && interval < 0.01)
        t.decimals = std::min(9, static_cast<int32_t>(std::ceil(-std::log10(interval))));
    // Tick k lies `start` + k length / count pixels along the axis from its origin.
    const double perTick = static_cast<double>(length) / t.count;
    t.first = std::max(1, static_cast<int32_t>(std::ceil(-start / perTick)));
    t.last = std::min(t.count, static_cast<int32_t>(std::floor((pictureEnd - start) / perTick)));
    return t;
}

}  // namespace

void ApplyPotlGraphCommand(TPotlGraphView& view, PotlGraphCommand command) {
    switch (command) {
        case PotlGraphCommand::XZoomIn:
            return Zoom(view.xZoom, kZoomIn);
        case PotlGraphCommand::XZoomOut:
            return Zoom(view.xZoom, kZoomOut);
        case PotlGraphCommand::YZoomIn:
            return Zoom(view.yZoom, kZoomIn);
        case PotlGraphCommand::YZoomOut:
            return Zoom(view.yZoom, kZoomOut);
        case PotlGraphCommand::XShiftPlus:
            return Shift(view.xShift, 100);
        case PotlGraphCommand::XShiftMinus:
            return Shift(view.xShift, -100);
        case PotlGraphCommand::YShiftPlus:
            return Shift(view.yShift, 100);
        case PotlGraphCommand::YShiftMinus:
            return Shift(view.yShift, -100);
        case PotlGraphCommand::ToggleAxes:
            view.axesOn = !view.axesOn;
            return;
        case PotlGraphCommand::ToggleNumberX:
            view.numberX = !view.numberX;
            return;
        case PotlGraphCommand::ToggleNumberY:
            view.numberY = !view.numberY;
            return;
        case PotlGraphCommand::RestoreDefaults:
            view = TPotlGraphView{};
            return;
    }
}

void PotlGraphKeyDown(TPotlGraphView& view, PotlGraphKey key, bool shiftAlone) {
    const int32_t step = shiftAlone ? 100 : 10;
    switch (key) {
        case PotlGraphKey::Up:
            return Shift(view.yShift, step);
        case PotlGraphKey::Down:
            return Shift(view.yShift, -step);
        case PotlGraphKey::Left:
            return Shift(view.xShift, -step);
        case PotlGraphKey::Right:
            return Shift(view.xShift, step);
        default:
            break;
    }
    if (shiftAlone) return;
    switch (key) {
        case PotlGraphKey::PageUp:
            return Zoom(view.yZoom, kZoomIn);
        case PotlGraphKey::PageDown:
            return Zoom(view.yZoom, kZoomOut);
        case PotlGraphKey::Home:
            return Zoom(view.xZoom, kZoomIn);
        case PotlGraphKey::End:
            return Zoom(view.xZoom, kZoomOut);
        case PotlGraphKey::F7:
            view.fontSize = 7;
            return;
        case PotlGraphKey::F8:
            view.fontSize = 8;
            return;
        case PotlGraphKey::F9:
            view.fontSize = 9;
            return;
        default:
            return;
    }
}

void PotlGraphKeyPress(TPotlGraphView& view, char c) {
    switch (c) {
        case 'Y':
            view.yTicks = std::min(view.yTicks + 1, kMaxTicks);
            return;
        case 'X':
            view.xTicks = std::min(view.xTicks + 1, kMaxTicks);
            return;
        case 'y':
            view.yTicks = std::max(view.yTicks - 1, 1);
            return;
        case 'x':
            view.xTicks = std::max(view.xTicks - 1, 1);
            return;
        default:
            return;
    }
}

TPotlFrame PotlFrameOf(const TPotlGraphView& view, int32_t width, int32_t height) {
    TPotlFrame f;
    f.H = Pixel((height - 40) * static_cast<double>(view.yZoom));
    f.W = Pixel((width - 60) * static_cast<double>(view.xZoom));
    f.x0 = view.xShift + 30;
    f.y0 = height - view.yShift - 20;
    return f;
}

bool PotlCurveDrawable(const TPotlGraphView& view, const TPotentialCurve& curve, int32_t width,
                       int32_t height) {
    if (curve.count() == 0) return false;
    const float top = curve.value.front(), right = curve.r.back();
    const TPotlFrame f = PotlFrameOf(view, width, height);
    return std::isfinite(top) && top != 0 && std::isfinite(right) && right != 0 && f.H > 0 &&
           f.W > 0;
}

TPotlDrawing LayOutPotentialPlot(const TPotlGraphView& view, const TPotentialCurve& curve,
                                 int32_t width, int32_t height) {
    TPotlDrawing d;
    if (!PotlCurveDrawable(view, curve, width, height)) return d;
    const TPotlFrame f = PotlFrameOf(view, width, height);
    const double top = curve.value.front(), right = curve.r.back();
    if (view.axesOn) {
        d.axes.push_back({{f.x0, f.y0}, {f.x0 + f.W, f.y0}});
        d.axes.push_back({{f.x0, f.y0}, {f.x0, f.y0 - f.H}});
        // Measured upwards from the picture's bottom edge, y0 lying height - y0 above it.
        const AxisTicks y = TicksOf(view.yTicks, top, f.H, height - 40, height - f.y0, height);
        for (int32_t i = y.first; i <= y.last; ++i) {
            const int32_t yy = Pixel(f.y0 - static_cast<double>(i) * f.H / y.count);
            d.axes.push_back({{f.x0, yy}, {f.x0 - 5, yy}});
            if (view.numberY && i % view.yNumberStep == 0)
                d.labels.push_back(
                    {{f.x0 - 28, yy - 8},
                     halvern::FormatFixed(double(i) / y.count * top, 1, y.decimals)});
        }
        const AxisTicks x = TicksOf(view.xTicks, right, f.W, width - 60, f.x0, width);
        for (int32_t j = x.first; j <= x.last; ++j) {
            const int32_t xx = Pixel(static_cast<double>(j) * f.W / x.count + f.x0);
            d.axes.push_back({{xx, f.y0}, {xx, f.y0 + 5}});
            if (view.numberX && j % view.xNumberStep == 0)
                d.labels.push_back(
                    {{xx - 5, f.y0 + 5},
                     halvern::FormatFixed(double(j) / x.count * right, 1, x.decimals)});
        }
    }
    d.curve.push_back({Pixel(f.W * curve.r.front() / right) + f.x0, f.y0 - f.H});
    for (size_t i = 1; i < curve.count(); ++i) {
        const double x = f.W * curve.r[i] / right, y = f.H * curve.value[i] / top;
        if (std::isfinite(x) && std::isfinite(y))
            d.curve.push_back({Pixel(x) + f.x0, f.y0 - Pixel(y)});
    }
    return d;
}

std::optional<std::string> PotentialReadOut(const TPotlGraphView& view,
                                            const TPotentialCurve& curve, int32_t width,
                                            int32_t height, const std::string& caption, int32_t X,
                                            int32_t Y) {
    if (!PotlCurveDrawable(view, curve, width, height)) return std::nullopt;
    const TPotlFrame f = PotlFrameOf(view, width, height);
    const std::string y = ReadOffText(double(f.y0 - Y) / f.H * curve.value.front());
    const std::string x = ReadOffText(double(X - f.x0) / f.W * curve.r.back());
    if (caption == kPotentialCaption) return "R = " + x + " A, V = " + y + " eV";
    if (caption == kForceCaption) return "R = " + x + " A, F = " + y + " eV/A";
    return std::nullopt;
}

std::vector<TPlotSegment> ClickCross(int32_t X, int32_t Y) {
    return {{{X - 4, Y}, {X + 5, Y}}, {{X, Y - 4}, {X, Y + 5}}};
}

}  // namespace velkor
