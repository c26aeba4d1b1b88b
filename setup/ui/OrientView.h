// OrientView: the orientation windows' 300 x 300 picture of a point set, with its perspective,
// zoom, pan, symbols, colours, display rotations, laid-over file and clipboard copy. The
// geometry is the core's (orientation/Projection); this widget paints it on a QImage.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "Colours.h"
#include "orientation/OrientPoints.h"
#include "orientation/Projection.h"

namespace velkor {

enum class PointSymbols : int { Icons = 0, Circles = 1, Points = 2 };

// How the points of a linked file are laid over the picture.
enum class OverlayStyle {
    Pixels,        // one pixel each in the point colour
    WhiteCircles,  // a circle 10 pixels across, blue pen, white inside
};

class OrientView : public QWidget {
    Q_OBJECT
  public:
    OrientView(const TOrientViewSpec& spec, QWidget* parent = nullptr);

    // The points in memory; after changing them call project() (or repaint() when only their
    // order on the screen is the same).
    TOrientPoints& points() { return points_; }
    const TOrientPoints& points() const { return points_; }
    void project();

    Perspective perspective() const { return perspective_; }
    void setPerspective(Perspective perspective);
    PointSymbols symbols() const { return symbols_; }
    void setSymbols(PointSymbols symbols);
    // The zoom control's position: scale = position x the window's pixels per step.
    void setZoom(int position);
    void moveOrigin(int dx, int dy);
    void resetOrigin();
    // Dark (black, yellow, white) and light (white, blue, black) colours in turn.
    void toggleColours();
    bool lightColours() const { return background_ == kWhite; }

    TPictureFrame frame() const;
    const QImage& image() const { return image_; }
    void copyToClipboard() const;

    // Repaints the points; a laid-over file disappears with it.
    void repaintPoints();
    // Lays points over the picture as it stands.
    void overlay(const TOrientPoints& linked, OverlayStyle style);

    // The cursor read-out texts for a pixel of the picture.
    QString readOutX(int pixelX) const;
    QString readOutY(int pixelY) const;
    std::function<void(int x, int y)> onCursorMoved;

    QSize sizeHint() const override { return {kPictureSize, kPictureSize}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    static constexpr int kIconSide = 19;  // odd: the sphere's centre is a pixel
    static constexpr halvern::ColourRef kBlack = 0x000000, kWhite = 0xFFFFFF,
                                        kYellow = 0x00FFFF, kBlue = 0xFF0000;

    const TOrientViewSpec spec_;
    TOrientPoints points_;
    TProjection projection_;
    Perspective perspective_ = Perspective::XY;
    PointSymbols symbols_ = PointSymbols::Icons;
    int32_t originX_, originY_;
    int32_t scale_;
    halvern::ColourRef background_ = kBlack, circle_ = kYellow, point_ = kWhite;
    QImage image_;
    QImage icon_;
};

}  // namespace velkor
