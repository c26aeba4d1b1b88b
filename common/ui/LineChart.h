// A small line chart: line series over a bottom axis of fixed range and a left axis fitted to the
// data, with axis titles, tick labels, a legend, and zoom by dragging a rectangle (a drag to the
// left, or undoZoom, goes back). The geometry is the core's (ChartGeometry); this only paints.
#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <vector>

#include "ChartGeometry.h"

namespace halvern {

struct ChartSeries {
    QString title;
    QColor colour;
    std::vector<ChartPoint> points;
};

// An axis: its title, the least step between ticks and the decimals of its labels.
struct ChartAxis {
    QString title;
    double increment = 0.1;
    int decimals = 2;
};

class LineChart : public QWidget {
    Q_OBJECT
  public:
    explicit LineChart(QWidget* parent = nullptr);

    void setBottomAxis(const ChartAxis& axis, double min, double max);
    void setLeftAxis(const ChartAxis& axis);
    void setSeries(std::vector<ChartSeries> series);
    void clearSeries();
    const std::vector<ChartSeries>& series() const { return series_; }

    // The range shown: the bottom axis's own, or the zoomed one.
    ChartRange range() const;
    bool zoomed() const { return zoomed_; }
    void undoZoom();
    // The plot rectangle in the widget's pixels.
    ChartArea plotArea() const;
    // The legend's swatch of a series: a box filled with the series' colour.
    QRectF legendSwatch(size_t series) const;

    QSize sizeHint() const override { return {460, 300}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    ChartRange fittedRange() const;
    int legendWidth() const;
    void drawAxes(QPainter& painter, const ChartArea& area, const ChartRange& range) const;
    void drawSeries(QPainter& painter, const ChartArea& area, const ChartRange& range) const;
    void drawLegend(QPainter& painter, const ChartArea& area) const;

    ChartAxis bottom_, left_;
    double xMin_ = 0, xMax_ = 1;
    std::vector<ChartSeries> series_;
    bool zoomed_ = false;
    ChartRange zoom_;
    bool dragging_ = false;
    QPoint dragFrom_, dragTo_;
};

}  // namespace halvern
