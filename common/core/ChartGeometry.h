// Geometry of a line chart: axis ranges, tick values and their labels, the mapping between data
// and pixels, and the zoom a dragged rectangle asks for. The chart widget only paints the result.
#pragma once

#include <string>
#include <vector>

namespace halvern {

struct ChartRange {
    double xMin = 0, xMax = 1, yMin = 0, yMax = 1;
};

// The plot rectangle in pixels (y grows downwards).
struct ChartArea {
    double left = 0, top = 0, width = 0, height = 0;
};

struct ChartPoint {
    double x = 0, y = 0;
};

// True when both spans are finite and positive and the area has room to draw.
bool ChartDrawable(const ChartArea& area, const ChartRange& range);

// Data to pixels and back; pixels are kept within a bound far inside the int range.
ChartPoint ToChartPixel(const ChartArea& area, const ChartRange& range, ChartPoint data);
ChartPoint FromChartPixel(const ChartArea& area, const ChartRange& range, ChartPoint pixel);

// The smallest of increment x 1, 2, 5, 10, 20, 50 ... whose ticks lie at least minSpacing
// pixels apart on an axis of `pixels` pixels spanning [lo, hi]; 0 when the span is empty.
double TickStep(double lo, double hi, double increment, double pixels, double minSpacing);
// The multiples of step within [lo, hi] (a step's rounding error tolerated at both ends).
std::vector<double> TickValues(double lo, double hi, double step);

// A label in the pattern "#,##0.##" with `decimals` optional decimals: thousands grouped with
// ",", trailing zeros dropped, no sign on a value that rounds to zero.
std::string ChartLabel(double value, int decimals);

// The y span of the points with xMin <= x <= xMax (any y when no point lies there: 0..1); a
// flat span is widened by one unit each way, so that the axis has a scale.
void FitYRange(const std::vector<std::vector<ChartPoint>>& series, ChartRange& range);

// What a rectangle dragged from `from` to `to` asks: a drag right and down zooms into it, a drag
// to the left undoes the zoom, anything smaller than a few pixels does nothing.
enum class ChartDrag { None, Zoom, Unzoom };
ChartDrag DragKind(ChartPoint from, ChartPoint to);
// The data range of the dragged rectangle.
ChartRange ZoomedRange(const ChartArea& area, const ChartRange& range, ChartPoint from,
                       ChartPoint to);

}  // namespace halvern
