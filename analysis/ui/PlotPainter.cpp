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

void PaintSymbol(QPainter& painter, PlotSymbols symbols, const halvern::PlotColourScheme& scheme,
                 PlotPixel p) {
    const QColor fill = halvern::ToQColor(halvern::CircleFill(scheme));
    painter.setPen(halvern::ToQColor(scheme.pen));
    painter.setBrush(fill);
    if (symbols == PlotSymbols::Circles) {
        painter.drawEllipse(ToQRect(halvern::CircleBox(p)));
        return;
    }
    const halvern::SphereOutline s = halvern::SphereOutlineAt(p);
    painter.drawEllipse(ToQRect(s.disc));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(ToQRect(s.meridian));
    painter.drawArc(ToQRect(s.equator), static_cast<int>(s.startDegrees * 16),
                    static_cast<int>(s.spanDegrees * 16));
}

namespace {

// Room around a symbol's pixel in its sprite: the symbols reach 6 pixels from it.
constexpr int kSpriteHalf = 8;

}  // namespace

const QImage& SymbolSprites::sprite(PlotSymbols symbols, const halvern::PlotColourScheme& scheme,
                                    PlotPixel p, QPoint& corner) {
    // A sphere's outline relative to its pixel tells its sprites apart; a circle has one.
    std::array<int32_t, 9> key = {static_cast<int32_t>(symbols), static_cast<int32_t>(scheme.pen),
                                  static_cast<int32_t>(scheme.background)};
    if (symbols == PlotSymbols::Spheres) {
        const halvern::SphereOutline s = halvern::SphereOutlineAt(p);
        key[3] = s.meridian.left - p.x;
        key[4] = s.meridian.right - p.x;
        key[5] = s.equator.top - p.y;
        key[6] = s.equator.bottom - p.y;
        key[7] = static_cast<int32_t>(s.startDegrees * 16);
        key[8] = static_cast<int32_t>(s.spanDegrees * 16);
    }
    corner = QPoint(p.x - kSpriteHalf, p.y - kSpriteHalf);
    for (const Entry& e : entries_)
        if (e.key == key) return e.image;
    QImage image(2 * kSpriteHalf + 1, 2 * kSpriteHalf + 1, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // Drawn at the same pixel, translated: the painter rasterises it the same.
    painter.translate(-corner);
    PaintSymbol(painter, symbols, scheme, p);
    painter.end();
    entries_.push_back({key, image});
    return entries_.back().image;
}

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

void PaintPlotFrame(QImage& picture, const halvern::TrajectoryPlot& plot, const PlotStyle& style,
                    SymbolSprites& sprites) {
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
    const int32_t highlighted = plot.settings.highlighted;
    for (int32_t k = 0; k < a.count; ++k) {
        PlotPixel p;
        if (!halvern::PlotScreenPoint(plot.view, height, a.horizontal[k], a.vertical[k], p))
            continue;
        if (style.symbols == PlotSymbols::Icons) {
            const QImage& icon = a.particle[k] == highlighted ? style.highlightIcon : style.mainIcon;
            const PlotPixel corner = halvern::IconCorner(p, icon.width(), icon.height());
            painter.drawImage(corner.x, corner.y, icon);
        } else {
            QPoint corner;
            const QImage& symbol = sprites.sprite(style.symbols, style.scheme, p, corner);
            painter.drawImage(corner, symbol);
        }
    }
}

}  // namespace brisal
