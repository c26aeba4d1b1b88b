#include "PlotPainter.h"

#include <QPainter>

#include "AtomIcons.h"
#include "QtColours.h"

namespace brisal {

using halvern::PlotBox;
using halvern::PlotPixel;
using halvern::PlotSymbols;

namespace {

constexpr int kIconSize = 16;

// A box of the platform's ellipse (right and bottom outside) as Qt's rectangle.
QRect ToQRect(const PlotBox& box) {
    return QRect(QPoint(box.left, box.top), QPoint(box.right - 1, box.bottom - 1));
}

void SetPixel(QImage& picture, PlotPixel p, QRgb colour) {
    if (p.x < 0 || p.y < 0 || p.x >= picture.width() || p.y >= picture.height()) return;
    reinterpret_cast<QRgb*>(picture.scanLine(p.y))[p.x] = colour;
}

}  // namespace

PlotIcons DefaultPlotIcons() {
    // Bright atoms for the black background, deeper ones for the white.
    return {halvern::AtomIcon(kIconSize, kIconSize, kIconSize - 2, QColor(120, 170, 255), false),
            halvern::AtomIcon(kIconSize, kIconSize, kIconSize - 2, QColor(255, 80, 60), false),
            halvern::AtomIcon(kIconSize, kIconSize, kIconSize - 2, QColor(40, 90, 220), false),
            halvern::AtomIcon(kIconSize, kIconSize, kIconSize - 2, QColor(220, 30, 30), false)};
}

void ClearPlot(QImage& picture, const PlotStyle& style) {
    picture.fill(halvern::ToQColor(style.scheme.background));
}

void PaintPlotFrame(QImage& picture, const halvern::TrajectoryPlot& plot, const PlotStyle& style) {
    if (style.refresh) ClearPlot(picture, style);
    const halvern::FrameArrays& a = plot.arrays;
    const int32_t height = picture.height();
    if (style.symbols == PlotSymbols::Points) {
        const QRgb colour = halvern::ToQColor(style.scheme.points).rgb();
        for (int32_t k = 0; k < a.count; ++k) {
            PlotPixel p;
            if (halvern::PlotScreenPoint(plot.view, height, a.horizontal[k], a.vertical[k], p))
                SetPixel(picture, p, colour);
        }
        return;
    }
    QPainter painter(&picture);
    const QColor pen = halvern::ToQColor(style.scheme.pen);
    painter.setPen(pen);
    painter.setBrush(halvern::ToQColor(halvern::CircleFill(style.scheme)));
    const int32_t highlighted = plot.settings.highlighted;
    for (int32_t k = 0; k < a.count; ++k) {
        PlotPixel p;
        if (!halvern::PlotScreenPoint(plot.view, height, a.horizontal[k], a.vertical[k], p))
            continue;
        switch (style.symbols) {
            case PlotSymbols::Icons: {
                const QImage& icon =
                    a.particle[k] == highlighted ? style.highlightIcon : style.mainIcon;
                const PlotPixel corner = halvern::IconCorner(p, icon.width(), icon.height());
                painter.drawImage(corner.x, corner.y, icon);
                break;
            }
            case PlotSymbols::Circles:
                painter.drawEllipse(ToQRect(halvern::CircleBox(p)));
                break;
            case PlotSymbols::Spheres: {
                const halvern::SphereOutline s = halvern::SphereOutlineAt(p);
                painter.drawEllipse(ToQRect(s.disc));
                painter.setBrush(Qt::NoBrush);
                painter.drawEllipse(ToQRect(s.meridian));
                painter.drawArc(ToQRect(s.equator), static_cast<int>(s.startDegrees * 16),
                                static_cast<int>(s.spanDegrees * 16));
                painter.setBrush(halvern::ToQColor(halvern::CircleFill(style.scheme)));
                break;
            }
            case PlotSymbols::Points:
                break;
        }
    }
}

}  // namespace brisal
