#include "grapher/GraphLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "grapher/PixelRuns.h"
#include "miscutil.h"

namespace halvern {

namespace {

// Data to pixel along one axis, before rounding: NaN when there is no finite answer.
double AxisPixel(double value, double minimum, double span, double origin, double length,
                 double direction, bool clip) {
    if (clip && value < minimum) return origin;
    if (clip && value > minimum + span) return origin + direction * length;
    if (span == 0) return NAN;
    return origin + direction * ((value - minimum) / span * length);
}

std::string LabelText(int32_t k, const AxisSettings& axis) {
    const long double value =
        (static_cast<long double>(k) * axis.span / axis.ticks + axis.minimum) * axis.labelScale;
    return FloatToText(value, axis.labelChars);
}

bool LabelAt(int32_t k, const AxisSettings& axis) {
    return axis.labelInterval > 0 && k % axis.labelInterval == 0;
}

void AddText(DisplayList& list, const GraphText& item, bool large) {
    if (item.visible) list.texts.push_back({item.text, {item.x, item.y}, large});
}

// The first and last tick drawn: the corner only when the other axis leaves it free, the far
// end not with four sides, where the frame line stands.
struct TickRange {
    int32_t first;
    int32_t last;
};
TickRange TicksOf(const AxisSettings& axis, bool otherAxisDrawn, bool fourSides) {
    return {otherAxisDrawn || fourSides ? 1 : 0, fourSides ? axis.ticks - 1 : axis.ticks};
}

void LayoutYAxis(const GrapherModel& model, DisplayList& list) {
    const GrapherSettings& s = model.settings;
    const AxisFrame& f = list.frame;
    const int32_t top = f.y0 - f.yLength;
    const int32_t right = f.x0 + f.xLength;
    list.axes.push_back({{f.x0, f.y0}, {f.x0, top}});
    if (s.fourSides) list.axes.push_back({{right, f.y0}, {right, top}});
    if (s.y.ticks > 0) {
        const TickRange range = TicksOf(s.y, s.x.draw, s.fourSides);
        for (int32_t k = range.first; k <= range.last; ++k) {
            const int32_t t = RoundPixel(f.y0 - static_cast<double>(k) * f.yLength / s.y.ticks);
            list.axes.push_back({{f.x0, t}, {f.x0 - s.tickLength, t}});
            if (s.fourSides) list.axes.push_back({{right, t}, {right + s.tickLength, t}});
            if (LabelAt(k, s.y))
                list.texts.push_back(
                    {LabelText(k, s.y), {f.x0 - s.tickLength - s.y.labelH, t - s.y.labelV}});
        }
    }
    AddText(list, model.yTitle, false);
    AddText(list, model.mainTitle, true);
}

void LayoutXAxis(const GrapherModel& model, DisplayList& list) {
    const GrapherSettings& s = model.settings;
    const AxisFrame& f = list.frame;
    const int32_t top = f.y0 - f.yLength;
    list.axes.push_back({{f.x0, f.y0}, {f.x0 + f.xLength, f.y0}});
    if (s.fourSides) list.axes.push_back({{f.x0, top}, {f.x0 + f.xLength, top}});
    if (s.x.ticks > 0) {
        const TickRange range = TicksOf(s.x, s.y.draw, s.fourSides);
        for (int32_t k = range.first; k <= range.last; ++k) {
            const int32_t c = RoundPixel(static_cast<double>(k) * f.xLength / s.x.ticks + f.x0);
            list.axes.push_back({{c, f.y0}, {c, f.y0 + s.tickLength}});
            if (s.fourSides) list.axes.push_back({{c, top}, {c, top - s.tickLength}});
            if (LabelAt(k, s.x))
                list.texts.push_back(
                    {LabelText(k, s.x), {c - s.x.labelH, f.y0 + s.tickLength - s.x.labelV}});
        }
    }
    AddText(list, model.xTitle, false);
}

CacheLine LineOf(const DataCache& cache, const PixelMapping& mapping) {
    CacheLine line;
    line.pen = {cache.penColour, cache.penWidth, cache.penStyle};
    LineRunBuilder runs(cache.penStyle == PenStyle::Solid);
    for (const DataPoint& point : cache.points) {
        Pixel p;
        if (MapPoint(mapping, point, cache.yOffset, p))
            runs.add(p);
        else
            runs.breakRun();
    }
    line.runs = runs.finish();
    return line;
}

CacheSymbols SymbolsOf(const DataCache& cache, const PixelMapping& mapping, int32_t width,
                       int32_t height) {
    CacheSymbols symbols;
    symbols.pen = {cache.penColour, cache.penWidth, PenStyle::Solid};
    symbols.size = cache.symbolSize;
    symbols.squares = cache.symbolShape == 0;
    std::vector<Pixel> centres;
    centres.reserve(cache.points.size());
    for (const DataPoint& point : cache.points) {
        Pixel p;
        if (MapPoint(mapping, point, cache.yOffset, p)) centres.push_back(p);
    }
    const int64_t reach = std::abs(static_cast<int64_t>(cache.symbolSize)) +
                          std::max<int64_t>(cache.penWidth, 1) + 1;
    symbols.centres = VisibleSymbolCentres(centres, width, height,
                                           static_cast<int32_t>(std::min<int64_t>(reach, kMaxPixel)));
    return symbols;
}

bool Drawn(const DataCache& cache) { return cache.shown && !cache.points.empty(); }

}  // namespace

int32_t RoundPixel(double value) {
    if (std::isnan(value)) return 0;
    // Adding 1.5 * 2^52 leaves no bits for a fraction, so the sum is rounded to an integer in
    // the current (nearest, halves to even) mode; exact for magnitudes below 2^51.
    constexpr double kShift = 6755399441055744.0;
    const double held = std::clamp<double>(value, -kMaxPixel, kMaxPixel);
    return static_cast<int32_t>((held + kShift) - kShift);
}

AxisFrame AxisFrameOf(const GrapherSettings& settings, int32_t width, int32_t height) {
    AxisFrame f;
    f.x0 = std::clamp(settings.leftMargin, -kMaxPixel, kMaxPixel);
    f.y0 = RoundPixel(static_cast<double>(height) - settings.bottomMargin);
    f.xLength = RoundPixel(static_cast<double>(width) * settings.x.length);
    f.yLength = RoundPixel(static_cast<double>(height) * settings.y.length);
    return f;
}

PixelMapping PixelMappingOf(const GrapherSettings& settings, const AxisFrame& frame) {
    return {frame,         settings.x.minimum, settings.x.span,
            settings.y.minimum, settings.y.span, settings.clip};
}

bool MapPoint(const PixelMapping& m, const DataPoint& point, int32_t yOffset, Pixel& pixel) {
    const double x =
        AxisPixel(point.x, m.xMinimum, m.xSpan, m.frame.x0, m.frame.xLength, 1, m.clip);
    const double y =
        AxisPixel(point.y, m.yMinimum, m.ySpan, m.frame.y0, m.frame.yLength, -1, m.clip);
    if (!std::isfinite(x) || !std::isfinite(y)) return false;
    pixel = {RoundPixel(x), RoundPixel(y) + yOffset};
    return true;
}

DisplayList LayoutGraph(const GrapherModel& model, int32_t width, int32_t height) {
    const GrapherSettings& s = model.settings;
    DisplayList list;
    list.width = width;
    list.height = height;
    list.frame = AxisFrameOf(s, width, height);
    list.font = s.font;
    list.axesPen = {s.axesColour, s.axesWidth, PenStyle::Solid};

    if (s.y.draw) LayoutYAxis(model, list);
    if (s.x.draw) LayoutXAxis(model, list);
    for (const GraphText& label : model.labels) AddText(list, label, false);
    if (!s.y.draw) AddText(list, model.mainTitle, true);

    const PixelMapping mapping = PixelMappingOf(s, list.frame);
    for (const DataCache& cache : model.caches)
        if (Drawn(cache) && cache.penStyle != PenStyle::Clear)
            list.lines.push_back(LineOf(cache, mapping));
    for (const DataCache& cache : model.caches)
        if (Drawn(cache) && cache.symbolsOn) list.symbols.push_back(SymbolsOf(cache, mapping, width, height));
    return list;
}

}  // namespace halvern
