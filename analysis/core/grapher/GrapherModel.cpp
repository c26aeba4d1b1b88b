#include "grapher/GrapherModel.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace halvern {

namespace {

GraphText Text(std::string text, int32_t kind, int32_t width, int32_t height) {
    GraphText t;
    t.text = std::move(text);
    const TextPosition at = DefaultTextPosition(kind, width, height);
    t.x = at.x;
    t.y = at.y;
    t.kind = kind;
    t.visible = false;
    return t;
}

// Every title and label of the model.
template <class Visit>
void ForEachText(GrapherModel& model, Visit&& visit) {
    visit(model.mainTitle);
    visit(model.xTitle);
    visit(model.yTitle);
    for (GraphText& label : model.labels) visit(label);
}

AxisSettings AxisDefaults(const AxisSettings& old, int32_t labelH, int32_t labelV) {
    AxisSettings axis;
    axis.minimum = old.minimum;
    axis.labelH = labelH;
    axis.labelV = labelV;
    return axis;
}

void CacheStyleDefaults(DataCache& cache) {
    const DataCache fresh;
    cache.penColour = fresh.penColour;
    cache.penWidth = fresh.penWidth;
    cache.penStyle = fresh.penStyle;
    cache.symbolsOn = fresh.symbolsOn;
    cache.symbolSize = fresh.symbolSize;
    cache.symbolShape = fresh.symbolShape;
    cache.yOffset = fresh.yOffset;
    cache.shown = fresh.shown;
}

// The smallest value and the span of one coordinate; a span of exactly 0 becomes 100.
void FitAxis(AxisSettings& axis, float lo, float hi) {
    axis.minimum = lo;
    axis.span = ClampToFloat(static_cast<long double>(hi) - lo);
    if (axis.span == 0) axis.span = 100;
}

}  // namespace

float ClampToFloat(long double value) {
    if (std::isnan(value)) return 0;
    return static_cast<float>(std::clamp(value, -static_cast<long double>(FLT_MAX),
                                         static_cast<long double>(FLT_MAX)));
}

void SetGraphDefaults(GrapherModel& model, bool initial, int32_t width, int32_t height) {
    GrapherSettings& s = model.settings;
    const GrapherSettings old = s;
    s = GrapherSettings{};
    s.x = AxisDefaults(old.x, 15, 0);
    s.y = AxisDefaults(old.y, 35, 8);

    model.mainTitle = Text("Main", kMainTitle, width, height);
    model.xTitle = Text("X", kXTitle, width, height);
    model.yTitle = Text("Y", kYTitle, width, height);
    for (int n = 1; n <= kLabelCount; ++n)
        model.labels[static_cast<size_t>(n - 1)] =
            Text("Label " + std::to_string(n), kFirstLabel + n - 1, width, height);
    model.dragItem = GraphText{};
    model.dragItem.visible = true;

    for (DataCache& cache : model.caches) {
        CacheStyleDefaults(cache);
        if (initial) cache = DataCache{};
    }
}

TextPosition DefaultTextPosition(int32_t kind, int32_t width, int32_t height) {
    switch (kind) {
        case kMainTitle:
            return {width / 2, 10};
        case kXTitle:
            return {width - 20, height - 20};
        case kYTitle:
            return {10, 10};
        default:
            return {width - 20, height - 15 * (kind - kFirstLabel + 1) - 50};
    }
}

bool AtDefaultPosition(const GraphText& item, int32_t width, int32_t height) {
    const TextPosition at = DefaultTextPosition(item.kind, width, height);
    return item.x == at.x && item.y == at.y;
}

void FollowPictureSize(GrapherModel& model, int32_t oldWidth, int32_t oldHeight, int32_t width,
                       int32_t height) {
    ForEachText(model, [&](GraphText& item) {
        if (!AtDefaultPosition(item, oldWidth, oldHeight)) return;
        const TextPosition at = DefaultTextPosition(item.kind, width, height);
        item.x = at.x;
        item.y = at.y;
    });
}

void FreeCache(DataCache& cache) {
    cache.points.clear();
    cache.points.shrink_to_fit();
    cache.countText = "0";
}

void FitAxes(GrapherSettings& settings, const DataCache& cache) {
    if (cache.points.empty()) {
        settings.x.minimum = settings.y.minimum = 0;
        settings.x.span = settings.y.span = 100;
        return;
    }
    const auto [xLo, xHi] = std::minmax_element(
        cache.points.begin(), cache.points.end(),
        [](const DataPoint& a, const DataPoint& b) { return a.x < b.x; });
    const auto [yLo, yHi] = std::minmax_element(
        cache.points.begin(), cache.points.end(),
        [](const DataPoint& a, const DataPoint& b) { return a.y < b.y; });
    FitAxis(settings.x, xLo->x, xHi->x);
    FitAxis(settings.y, yLo->y, yHi->y);
}

}  // namespace halvern
