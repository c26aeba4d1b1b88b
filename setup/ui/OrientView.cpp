#include "OrientView.h"

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QPainter>

#include "AtomIcons.h"
#include "QtColours.h"

namespace velkor {

using halvern::ToQColor;

OrientView::OrientView(const TOrientViewSpec& spec, QWidget* parent)
    : QWidget(parent),
      spec_(spec),
      originX_(spec.originX),
      originY_(spec.originY),
      scale_(spec.zoomStart * spec.pixelsPerZoomStep),
      image_(kPictureSize, kPictureSize, QImage::Format_RGB32),
      icon_(halvern::TargetAtomSphere(kIconSide)) {
    setObjectName(QStringLiteral("Graph"));
    setFixedSize(kPictureSize, kPictureSize);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    image_.fill(ToQColor(background_));
}

void OrientView::project() {
    ProjectPoints(points_, perspective_, projection_);
    repaintPoints();
}

void OrientView::setPerspective(Perspective perspective) {
    perspective_ = perspective;
    project();
}

void OrientView::setSymbols(PointSymbols symbols) {
    symbols_ = symbols;
    repaintPoints();
}

void OrientView::setZoom(int position) {
    scale_ = position * spec_.pixelsPerZoomStep;
    repaintPoints();
}

void OrientView::moveOrigin(int dx, int dy) {
    originX_ += dx;
    originY_ += dy;
    repaintPoints();
}

void OrientView::resetOrigin() {
    originX_ = spec_.originX;
    originY_ = spec_.originY;
}

void OrientView::toggleColours() {
    const bool dark = circle_ == kYellow;
    background_ = dark ? kWhite : kBlack;
    circle_ = dark ? kBlue : kYellow;
    point_ = dark ? kBlack : kWhite;
    repaintPoints();
}

TPictureFrame OrientView::frame() const {
    return {originX_, originY_, scale_, image_.height()};
}

void OrientView::copyToClipboard() const {
    QApplication::clipboard()->setImage(image_);
}

void OrientView::repaintPoints() {
    image_.fill(ToQColor(background_));
    QPainter painter(&image_);
    painter.setPen(ToQColor(symbols_ == PointSymbols::Points ? point_ : circle_));
    painter.setBrush(Qt::NoBrush);
    const TPictureFrame f = frame();
    for (size_t k = 0; k < static_cast<size_t>(projection_.count()); ++k) {
        TPixelPoint p;
        if (!ToPixel(f, projection_.u[k], projection_.v[k], p)) continue;
        switch (symbols_) {
            case PointSymbols::Icons:
                painter.drawImage(p.x - icon_.width() / 2, p.y - icon_.height() / 2, icon_);
                break;
            case PointSymbols::Circles:
                painter.drawEllipse(QRect(QPoint(p.x - 5, p.y - 5), QPoint(p.x + 5, p.y + 5)));
                break;
            case PointSymbols::Points:
                painter.drawPoint(p.x, p.y);
                break;
        }
    }
    painter.end();
    update();
}

void OrientView::overlay(const TOrientPoints& linked, OverlayStyle style) {
    QPainter painter(&image_);
    const bool circles = style == OverlayStyle::WhiteCircles;
    painter.setPen(ToQColor(circles ? halvern::colour::Blue : point_));
    painter.setBrush(Qt::white);
    const TPictureFrame f = frame();
    for (size_t k = 0; k < static_cast<size_t>(linked.count()); ++k) {
        double u = 0, v = 0;
        ProjectPoint(perspective_, linked.x[k], linked.y[k], linked.z[k], u, v);
        TPixelPoint p;
        if (!ToPixel(f, u, v, p)) continue;
        if (circles)
            painter.drawEllipse(QRect(QPoint(p.x - 5, p.y - 5), QPoint(p.x + 5, p.y + 5)));
        else
            painter.drawPoint(p.x, p.y);
    }
    painter.end();
    update();
}

QString OrientView::readOutX(int pixelX) const {
    return QString::fromStdString(ReadOutHoriz(frame(), HorizLabel(perspective_), pixelX));
}

QString OrientView::readOutY(int pixelY) const {
    return QString::fromStdString(ReadOutVert(frame(), VertLabel(perspective_), pixelY));
}

void OrientView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void OrientView::mouseMoveEvent(QMouseEvent* event) {
    if (onCursorMoved) {
        const QPoint at = event->position().toPoint();
        onCursorMoved(at.x(), at.y());
    }
    QWidget::mouseMoveEvent(event);
}

}  // namespace velkor
