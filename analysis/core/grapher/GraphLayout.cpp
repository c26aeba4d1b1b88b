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

// The first and last tick drawn: the corner only when the other axis leaves it free, the far
// end not with four sides, where the frame line stands.
struct TickRange {
    int32_t first;
    int32_t last;
};
TickRange TicksOf(const AxisSettings& axis, bool otherAxisDrawn, bool fourSides) {
    return {otherAxisDrawn || fourSides ? 1 : 0, fourSides ? axis.ticks - 1 : axis.ticks};
}

// Calls label(k, text) for each tick of the axis that carries a label.
template <class Label>
void ForEachAxisLabel(const GrapherSettings& s, const AxisSettings& axis, bool otherAxisDrawn,
                      Label&& label) {
    if (axis.ticks <= 0) return;
    const TickRange range = TicksOf(axis, otherAxisDrawn, s.fourSides);
    for (int32_t k = range.first; k <= range.last; ++k)
        if (LabelAt(k, axis)) label(k, LabelText(k, axis));
}

// Pixels between a tick's end and its label.
constexpr int32_t kLabelGap = 3;

// Places the texts of one layout: exactly as the settings say without a measure; with one, clear
// of the axes and inside the picture.
class TextPlacer {
  public:
    TextPlacer(const GrapherModel& model, const TextMetrics& metrics, int32_t width, int32_t height)
        : model_(model), metrics_(metrics), width_(width), height_(height) {}

    bool measured() const { return static_cast<bool>(metrics_.width); }
    int32_t widthOf(const std::string& text, bool large) const {
        return measured() ? std::max(metrics_.width(text, large), 0) : 0;
    }
    int32_t heightOf(bool large) const { return large ? metrics_.largeHeight : metrics_.height; }
    // The part of the tick outside the axes.
    int32_t tickOut() const { return std::max(model_.settings.tickLength, 0); }

    int32_t widestYLabel() const {
        int32_t widest = 0;
        if (!measured() || !model_.settings.y.draw) return widest;
        ForEachAxisLabel(model_.settings, model_.settings.y, model_.settings.x.draw,
                         [&](int32_t, const std::string& text) {
                             widest = std::max(widest, widthOf(text, false));
                         });
        return widest;
    }

    // With a measure the axes leave room for the y labels on their left and for the x labels
    // (and the x title placed by default) below.
    AxisFrame frameOf(const GrapherSettings& s) const {
        AxisFrame f = AxisFrameOf(s, width_, height_);
        if (!measured()) return f;
        const int32_t widest = widestYLabel();
        if (widest > 0) f.x0 = std::max(f.x0, widest + tickOut() + kLabelGap + 2);
        int32_t below = s.x.draw ? tickOut() + 1 + metrics_.height : 0;
        if (placedByDefault(model_.xTitle)) below += metrics_.height + 1;
        f.y0 = std::min(f.y0, height_ - below);
        return f;
    }

    Pixel yLabel(const AxisFrame& f, int32_t row, const std::string& text) const {
        const GrapherSettings& s = model_.settings;
        Pixel p{f.x0 - s.tickLength - s.y.labelH, row - s.y.labelV};
        if (!measured()) return p;
        const int32_t clear = f.x0 - tickOut() - kLabelGap - widthOf(text, false);
        p.x = std::min(std::max(p.x, 0), clear);
        return p;
    }

    Pixel xLabel(const AxisFrame& f, int32_t column) const {
        const GrapherSettings& s = model_.settings;
        Pixel p{column - s.x.labelH, f.y0 + s.tickLength - s.x.labelV};
        if (measured()) p.y = std::max(p.y, f.y0 + tickOut() + 1);
        return p;
    }

    // A title or label: where the model has it, the x and y titles clear of the axes while they
    // stand where the defaults put them; with a measure, inside the picture.
    Pixel item(const GraphText& item, const AxisFrame& f, bool large) const {
        Pixel p{item.x, item.y};
        if (!measured()) return p;
        const int32_t w = widthOf(item.text, large);
        const int32_t h = heightOf(large);
        if (item.kind == kXTitle && placedByDefault(item)) {
            p.x = f.x0 + f.xLength / 2 - w / 2;
            p.y = f.y0 + (model_.settings.x.draw ? tickOut() + 1 + metrics_.height : 0) + 1;
        } else if (item.kind == kYTitle && placedByDefault(item)) {
            const int32_t widest = widestYLabel();
            p.x = widest > 0 ? f.x0 - tickOut() - kLabelGap - widest : f.x0 - w / 2;
            p.y = f.y0 - f.yLength - std::max(model_.settings.y.labelV, h / 2) - h - 2;
        }
        p.x = std::max(std::min(p.x, width_ - w), 0);
        p.y = std::max(std::min(p.y, height_ - h), 0);
        return p;
    }

    void add(DisplayList& list, const GraphText& text, bool large) const {
        if (text.visible)
            list.texts.push_back({text.text, item(text, list.frame, large), large, text.kind});
    }

  private:
    bool placedByDefault(const GraphText& item) const {
        return measured() && item.visible && AtDefaultPosition(item, width_, height_);
    }

    const GrapherModel& model_;
    const TextMetrics& metrics_;
    int32_t width_;
    int32_t height_;
};

void LayoutYAxis(const GrapherModel& model, const TextPlacer& placer, DisplayList& list) {
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
            if (LabelAt(k, s.y)) {
                std::string text = LabelText(k, s.y);
                const Pixel at = placer.yLabel(f, t, text);
                list.texts.push_back({std::move(text), at});
            }
        }
    }
    placer.add(list, model.yTitle, false);
    placer.add(list, model.mainTitle, true);
}

void LayoutXAxis(const GrapherModel& model, const TextPlacer& placer, DisplayList& list) {
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
            if (LabelAt(k, s.x)) list.texts.push_back({LabelText(k, s.x), placer.xLabel(f, c)});
        }
    }
    placer.add(list, model.xTitle, false);
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

DisplayList LayoutGraph(const GrapherModel& model, int32_t width, int32_t height,
                        const TextMetrics& metrics) {
    const GrapherSettings& s = model.settings;
    const TextPlacer placer(model, metrics, width, height);
    DisplayList list;
    list.width = width;
    list.height = height;
    list.frame = placer.frameOf(s);
    list.font = s.font;
    list.axesPen = {s.axesColour, s.axesWidth, PenStyle::Solid};

    if (s.y.draw) LayoutYAxis(model, placer, list);
    if (s.x.draw) LayoutXAxis(model, placer, list);
    for (const GraphText& label : model.labels) placer.add(list, label, false);
    if (!s.y.draw) placer.add(list, model.mainTitle, true);

    const PixelMapping mapping = PixelMappingOf(s, list.frame);
    for (const DataCache& cache : model.caches)
        if (Drawn(cache) && cache.penStyle != PenStyle::Clear)
            list.lines.push_back(LineOf(cache, mapping));
    for (const DataCache& cache : model.caches)
        if (Drawn(cache) && cache.symbolsOn) list.symbols.push_back(SymbolsOf(cache, mapping, width, height));
    return list;
}

}  // namespace halvern
