#include "ChartGeometry.h"

#include <algorithm>
#include <cmath>

#include "NumberText.h"

namespace halvern {

namespace {

constexpr double kPixelLimit = 1 << 24;
constexpr int kMaxTicks = 1000;
constexpr double kMinDrag = 4;

double ClampPixel(double p) {
    if (std::isnan(p)) return 0;
    return std::clamp(p, -kPixelLimit, kPixelLimit);
}

bool Span(double lo, double hi) {
    return std::isfinite(lo) && std::isfinite(hi) && std::isfinite(hi - lo) && hi > lo;
}

std::string GroupThousands(const std::string& digits) {
    std::string out;
    const size_t n = digits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out.push_back(',');
        out.push_back(digits[i]);
    }
    return out;
}

}  // namespace

bool ChartDrawable(const ChartArea& area, const ChartRange& range) {
    return area.width >= 2 && area.height >= 2 && Span(range.xMin, range.xMax) &&
           Span(range.yMin, range.yMax);
}

ChartPoint ToChartPixel(const ChartArea& area, const ChartRange& range, ChartPoint data) {
    const double x = area.left + (data.x - range.xMin) / (range.xMax - range.xMin) * area.width;
    const double y =
        area.top + area.height - (data.y - range.yMin) / (range.yMax - range.yMin) * area.height;
    return {ClampPixel(x), ClampPixel(y)};
}

ChartPoint FromChartPixel(const ChartArea& area, const ChartRange& range, ChartPoint pixel) {
    return {
        range.xMin + (pixel.x - area.left) / area.width * (range.xMax - range.xMin),
        range.yMin + (area.top + area.height - pixel.y) / area.height * (range.yMax - range.yMin)};
}

double TickStep(double lo, double hi, double increment, double pixels, double minSpacing) {
    if (!Span(lo, hi) || !(increment > 0) || !(pixels > 0)) return 0;
    const double factors[] = {1, 2, 5};
    for (double decade = increment; std::isfinite(decade); decade *= 10) {
        for (double f : factors) {
            const double step = decade * f;
            if (step / (hi - lo) * pixels >= minSpacing && (hi - lo) / step <= kMaxTicks)
                return step;
        }
    }
    return 0;
}

std::vector<double> TickValues(double lo, double hi, double step) {
    std::vector<double> ticks;
    if (!Span(lo, hi) || !(step > 0) || (hi - lo) / step > kMaxTicks) return ticks;
    const double tolerance = step * 1e-9;
    for (double k = std::ceil((lo - tolerance) / step); k * step <= hi + tolerance; k += 1)
        ticks.push_back(k * step);
    return ticks;
}

std::string ChartLabel(double value, int decimals) {
    std::string text = FormatFixed(value, 0, decimals);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    const bool negative = text.front() == '-';
    if (negative) text.erase(0, 1);
    const size_t point = text.find('.');
    std::string whole = text.substr(0, point);
    std::string out = GroupThousands(whole);
    if (point != std::string::npos) out += text.substr(point);
    if (negative && text.find_first_not_of("0.") != std::string::npos) out.insert(0, 1, '-');
    return out;
}

void FitYRange(const std::vector<std::vector<ChartPoint>>& series, ChartRange& range) {
    double lo = INFINITY, hi = -INFINITY;
    for (const auto& points : series)
        for (const ChartPoint& p : points)
            if (p.x >= range.xMin && p.x <= range.xMax && std::isfinite(p.y)) {
                lo = std::min(lo, p.y);
                hi = std::max(hi, p.y);
            }
    if (!(lo <= hi)) {
        lo = 0;
        hi = 1;
    } else if (!Span(lo, hi)) {
        lo -= 1;
        hi += 1;
    }
    range.yMin = lo;
    range.yMax = hi;
}

ChartDrag DragKind(ChartPoint from, ChartPoint to) {
    const double dx = to.x - from.x, dy = to.y - from.y;
    if (dx <= -kMinDrag) return ChartDrag::Unzoom;
    if (dx >= kMinDrag && dy >= kMinDrag) return ChartDrag::Zoom;
    return ChartDrag::None;
}

ChartRange ZoomedRange(const ChartArea& area, const ChartRange& range, ChartPoint from,
                       ChartPoint to) {
    const ChartPoint a = FromChartPixel(area, range, from);
    const ChartPoint b = FromChartPixel(area, range, to);
    return {std::min(a.x, b.x), std::max(a.x, b.x), std::min(a.y, b.y), std::max(a.y, b.y)};
}

}  // namespace halvern
