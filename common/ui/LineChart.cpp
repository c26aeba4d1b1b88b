#include "LineChart.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace halvern {

namespace {

constexpr int kMargin = 8;
constexpr int kTickLength = 4;
constexpr int kLegendSwatch = 18;
// The plot's back wall: a mid grey, on which every series colour shows (one of them is white).
const QColor kBackWall(0x80, 0x80, 0x80);

QString Label(double value, int decimals) {
    return QString::fromStdString(ChartLabel(value, decimals));
}

QPointF Pixel(const ChartArea& area, const ChartRange& range, ChartPoint p) {
    const ChartPoint px = ToChartPixel(area, range, p);
    return {px.x, px.y};
}

}  // namespace

LineChart::LineChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Chart1"));
    setMinimumSize(240, 160);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LineChart::setBottomAxis(const ChartAxis& axis, double min, double max) {
    bottom_ = axis;
    xMin_ = min;
    xMax_ = max;
    update();
}

void LineChart::setLeftAxis(const ChartAxis& axis) {
    left_ = axis;
    update();
}

void LineChart::setSeries(std::vector<ChartSeries> series) {
    series_ = std::move(series);
    update();
}

void LineChart::clearSeries() {
    series_.clear();
    update();
}

ChartRange LineChart::fittedRange() const {
    ChartRange range{xMin_, xMax_, 0, 1};
    std::vector<std::vector<ChartPoint>> points;
    for (const ChartSeries& s : series_) points.push_back(s.points);
    FitYRange(points, range);
    return range;
}

ChartRange LineChart::range() const {
    return zoomed_ ? zoom_ : fittedRange();
}

void LineChart::undoZoom() {
    zoomed_ = false;
    update();
}

int LineChart::legendWidth() const {
    const QFontMetrics metrics(font());
    int widest = 0;
    for (const ChartSeries& s : series_)
        widest = std::max(widest, metrics.horizontalAdvance(s.title));
    return series_.empty() ? 0 : widest + kLegendSwatch + 3 * kMargin;
}

ChartArea LineChart::plotArea() const {
    const QFontMetrics metrics(font());
    const ChartRange r = range();
    const int labelWidth = std::max(metrics.horizontalAdvance(Label(r.yMax, left_.decimals)),
                                    metrics.horizontalAdvance(Label(r.yMin, left_.decimals)));
    const double left = kMargin + metrics.height() + kMargin + labelWidth + kTickLength + 2;
    const double bottom = kTickLength + 2 * metrics.height() + 2 * kMargin;
    const double top = kMargin + metrics.height() / 2.0;
    return {left, top, width() - left - legendWidth() - kMargin, height() - top - bottom};
}

void LineChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const ChartArea area = plotArea();
    const ChartRange r = range();
    if (!ChartDrawable(area, r)) return;
    painter.fillRect(QRectF(area.left, area.top, area.width, area.height), kBackWall);
    drawAxes(painter, area, r);
    drawSeries(painter, area, r);
    drawLegend(painter, area);
    if (dragging_) {
        painter.setPen(QPen(palette().text().color(), 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(dragFrom_, dragTo_).normalized());
    }
}

void LineChart::drawAxes(QPainter& painter, const ChartArea& area, const ChartRange& r) const {
    const QFontMetrics metrics(font());
    const QColor ink = palette().text().color();
    painter.setPen(ink);
    const double bottomY = area.top + area.height;
    painter.drawLine(QPointF(area.left, bottomY), QPointF(area.left + area.width, bottomY));
    painter.drawLine(QPointF(area.left, area.top), QPointF(area.left, bottomY));

    const double xStep = TickStep(r.xMin, r.xMax, bottom_.increment, area.width,
                                  metrics.horizontalAdvance(QStringLiteral("0,000.00")));
    for (double x : TickValues(r.xMin, r.xMax, xStep)) {
        const double px = Pixel(area, r, {x, r.yMin}).x();
        painter.drawLine(QPointF(px, bottomY), QPointF(px, bottomY + kTickLength));
        const QString text = Label(x, bottom_.decimals);
        painter.drawText(QPointF(px - metrics.horizontalAdvance(text) / 2.0,
                                 bottomY + kTickLength + metrics.ascent()),
                         text);
    }
    const double yStep =
        TickStep(r.yMin, r.yMax, left_.increment, area.height, 1.5 * metrics.height());
    for (double y : TickValues(r.yMin, r.yMax, yStep)) {
        const double py = Pixel(area, r, {r.xMin, y}).y();
        painter.drawLine(QPointF(area.left - kTickLength, py), QPointF(area.left, py));
        const QString text = Label(y, left_.decimals);
        painter.drawText(QPointF(area.left - kTickLength - 2 - metrics.horizontalAdvance(text),
                                 py + metrics.ascent() / 2.0 - 1),
                         text);
    }

    painter.drawText(
        QPointF(area.left + (area.width - metrics.horizontalAdvance(bottom_.title)) / 2,
                height() - kMargin - metrics.descent()),
        bottom_.title);
    painter.save();
    painter.translate(kMargin + metrics.ascent(),
                      area.top + (area.height + metrics.horizontalAdvance(left_.title)) / 2);
    painter.rotate(-90);
    painter.drawText(QPointF(0, 0), left_.title);
    painter.restore();
}

void LineChart::drawSeries(QPainter& painter, const ChartArea& area, const ChartRange& r) const {
    painter.save();
    painter.setClipRect(QRectF(area.left, area.top, area.width, area.height));
    painter.setRenderHint(QPainter::Antialiasing);
    for (const ChartSeries& s : series_) {
        QPainterPath path;
        bool started = false;
        for (const ChartPoint& p : s.points) {
            if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
                started = false;
                continue;
            }
            const QPointF px = Pixel(area, r, p);
            if (started)
                path.lineTo(px);
            else
                path.moveTo(px);
            started = true;
        }
        painter.setPen(QPen(s.colour, 2));
        painter.drawPath(path);
    }
    painter.restore();
}

QRectF LineChart::legendSwatch(size_t series) const {
    const ChartArea area = plotArea();
    const int rowHeight = QFontMetrics(font()).height() + 4;
    const double middle =
        area.top + kMargin / 2.0 + rowHeight * (static_cast<double>(series) + 0.5);
    return {area.left + area.width + 2 * kMargin, middle - 4, kLegendSwatch, 8};
}

void LineChart::drawLegend(QPainter& painter, const ChartArea& area) const {
    if (series_.empty()) return;
    const QFontMetrics metrics(font());
    const int rowHeight = metrics.height() + 4;
    const QRectF box(area.left + area.width + kMargin, area.top, legendWidth() - kMargin,
                     rowHeight * static_cast<int>(series_.size()) + kMargin);
    const QColor ink = palette().text().color();
    painter.setPen(ink);
    painter.setBrush(palette().base());
    painter.drawRect(box);
    for (size_t k = 0; k < series_.size(); ++k) {
        // Filled with the curve's own colour, outlined so that a white one shows too.
        const QRectF swatch = legendSwatch(k);
        painter.fillRect(swatch, series_[k].colour);
        painter.setPen(ink);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(swatch.adjusted(-1, -1, 0, 0));
        painter.drawText(
            QPointF(swatch.right() + kMargin, swatch.center().y() + metrics.ascent() / 2.0 - 1),
            series_[k].title);
    }
}

void LineChart::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    dragging_ = true;
    dragFrom_ = dragTo_ = event->position().toPoint();
}

void LineChart::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return QWidget::mouseMoveEvent(event);
    dragTo_ = event->position().toPoint();
    update();
}

void LineChart::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    dragging_ = false;
    dragTo_ = event->position().toPoint();
    const ChartPoint from{double(dragFrom_.x()), double(dragFrom_.y())};
    const ChartPoint to{double(dragTo_.x()), double(dragTo_.y())};
    const ChartArea area = plotArea();
    switch (DragKind(from, to)) {
        case ChartDrag::Zoom: {
            const ChartRange zoomedRange = ZoomedRange(area, range(), from, to);
            if (ChartDrawable(area, zoomedRange)) {
                zoom_ = zoomedRange;
                zoomed_ = true;
            }
            break;
        }
        case ChartDrag::Unzoom:
            zoomed_ = false;
            break;
        case ChartDrag::None:
            break;
    }
    update();
}

}  // namespace halvern
