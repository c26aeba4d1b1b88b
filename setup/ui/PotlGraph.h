// TPotlGraph: one curve of a spline data file (the composite potential or its force) drawn on a
// picture with axes, zoom and shifts, and read off under a click in the status bar. The view and
// the drawing's geometry are the core's (composite/PotentialPlot).
#pragma once

#include <QImage>
#include <QMainWindow>

#include "composite/PotentialPlot.h"
#include "composite/SplineDataFile.h"

class QAction;
class QLabel;

namespace velkor {

// Graph: shows the picture; a click reads off the curve.
class PotlPicture : public QWidget {
    Q_OBJECT
  public:
    explicit PotlPicture(QWidget* parent = nullptr);
    QImage image;

  Q_SIGNALS:
    void resized();
    void clicked(QPoint at);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

class TPotlGraph : public QMainWindow {
    Q_OBJECT
  public:
    explicit TPotlGraph(QWidget* parent = nullptr);

    // Reads a spline data file into the graph; on failure the error box, and no points.
    bool LoadPotentialData(const std::string& fileName);

    const TPotlGraphView& view() const { return view_; }
    const TPotentialCurve& curve() const { return curve_; }
    const QImage& picture() const { return picture_->image; }
    QString statusText() const;

    void PlotCurve();
    void GraphMouseDown(QPoint at);
    void Copygraphic2Click();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildToolBar();
    void buildMenu();
    void command(PotlGraphCommand c);
    void syncChecks();
    void FitGraphBitmap();

    TPotlGraphView view_;
    TPotentialCurve curve_;
    PotlPicture* picture_;
    QLabel* status_;
    QAction *axes_ = nullptr, *numberX_ = nullptr, *numberY_ = nullptr;
};

}  // namespace velkor
