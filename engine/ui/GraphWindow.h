// "Graph coordinates": the atoms of the running trajectory projected on xz, xy or yz, drawn
// into a picture at every frame the core sends.
#pragma once

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QToolButton>

#include "graph/GraphGeometry.h"
#include "graph/KeptFrame.h"
#include "host/EngineHost.h"

namespace halvern {

// Image1: shows the picture; a double-click pauses the run.
class GraphPicture : public QWidget {
    Q_OBJECT
  public:
    explicit GraphPicture(QWidget* parent = nullptr);
    QImage image;

  Q_SIGNALS:
    void resized();
    void doubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class TGraph : public QMainWindow {
    Q_OBJECT
  public:
    explicit TGraph(double graphScale, QWidget* parent = nullptr);

    // One frame, drawn at once into the picture.
    void drawFrame(const TGraphFrame& frame);
    // One frame kept, not drawn, while the window is hidden; its next showing draws it.
    void keepFrame(const TGraphFrame& frame);
    // A blank picture of the window's size.
    void freshPicture();
    // Before each impact: a blank picture, and the last frame is forgotten.
    void newImpact();
    // The scale of the plotted quantity, after a change of the graph mode.
    void useGraphScale(double scale);

    const TGraphView& view() const { return view_; }
    const QImage& picture() const { return picture_->image; }
    int framesDrawn() const { return framesDrawn_; }
    QString statusText() const { return status_->text(); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QAction* addOption(QMenu* menu, const QString& text, const QKeySequence& key, int helpContext,
                       void (TGraph::*handler)());
    // A fresh picture with the last frame drawn again.
    void redrawPicture();
    void paintFrame(const TGraphFrame& frame);
    void buildToolBar();
    void buildMenu();
    void setPlane(GraphPlane plane);
    void setSymbols(GraphSymbols symbols);
    void zoomIn();
    void zoomOut();
    void shift(GraphShift direction, int32_t step);
    void resetDefaults();
    void syncChecks();
    void copyImage();
    void drawTime(QPainter& painter, float t);
    void drawCircles(QPainter& painter, const TFrameAxes& axes, int32_t last, TPixel origin,
                     int radius);
    void drawIcons(QPainter& painter, const TFrameAxes& axes, int32_t last, TPixel origin);

    TGraphView view_;
    double graphScale_;
    DepthSortedFrame sorted_;
    KeptFrame kept_;
    GraphPicture* picture_;
    QLabel* status_;
    QImage trgIcon_, prjIcon_, tinyTrgIcon_, tinyPrjIcon_;
    QRect lastTimeRect_;
    int framesDrawn_ = 0;

    QToolButton *xzBtn_ = nullptr, *xyBtn_ = nullptr, *yzBtn_ = nullptr;
    QAction *xzItem_ = nullptr, *xyItem_ = nullptr, *yzItem_ = nullptr;
    QAction *circlesItem_ = nullptr, *pointsItem_ = nullptr, *iconsItem_ = nullptr;
    QAction *smallItem_ = nullptr, *refreshItem_ = nullptr;
};

}  // namespace halvern
