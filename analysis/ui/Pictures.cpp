#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace brisal {

namespace {

constexpr int kGlyphSize = 22;

// The spectrum bars of the program's icon, on a unit square.
void DrawBars(QPainter& p, const QRectF& box, const QColor& colour) {
    static constexpr double kHeights[] = {0.25, 0.55, 0.9, 0.7, 0.4, 0.2};
    const double w = box.width() / 6;
    for (int i = 0; i < 6; ++i) {
        const double h = kHeights[i] * box.height();
        p.fillRect(QRectF(box.left() + i * w + w * 0.1, box.bottom() - h, w * 0.8, h), colour);
    }
}

void DrawGlyph(QPainter& p, Glyph glyph) {
    const QColor ink(0, 0, 128);
    p.setPen(QPen(ink, 1.5));
    const QRectF box(3, 3, kGlyphSize - 6, kGlyphSize - 6);
    switch (glyph) {
        case Glyph::Filter:  // a funnel
            p.setBrush(QColor(255, 220, 120));
            p.drawPolygon(QPolygonF({{3, 4}, {19, 4}, {13, 11}, {13, 18}, {9, 18}, {9, 11}}));
            break;
        case Glyph::Collate:  // rows gathered into one
            for (int i = 0; i < 3; ++i) p.drawLine(QPointF(3, 5 + 5 * i), QPointF(11, 5 + 5 * i));
            p.drawLine(QPointF(11, 5), QPointF(19, 10));
            p.drawLine(QPointF(11, 15), QPointF(19, 10));
            break;
        case Glyph::Averages:  // a mean line through points
            p.setBrush(ink);
            for (QPointF pt : {QPointF(5, 8), QPointF(9, 14), QPointF(13, 7), QPointF(17, 13)})
                p.drawEllipse(pt, 1.5, 1.5);
            p.setPen(QPen(Qt::red, 1.5));
            p.drawLine(QPointF(3, 10.5), QPointF(19, 10.5));
            break;
        case Glyph::Convert:  // a record turned into text
            p.drawRect(QRectF(3, 4, 7, 14));
            p.drawLine(QPointF(11, 11), QPointF(15, 11));
            p.drawLine(QPointF(13, 9), QPointF(15, 11));
            p.drawLine(QPointF(13, 13), QPointF(15, 11));
            for (int i = 0; i < 3; ++i) p.drawLine(QPointF(16, 6 + 4 * i), QPointF(19, 6 + 4 * i));
            break;
        case Glyph::Spectrum:
            DrawBars(p, box, ink);
            break;
        case Glyph::FormatColumns:  // a table
            p.drawRect(box);
            p.drawLine(QPointF(8.5, 3), QPointF(8.5, 19));
            p.drawLine(QPointF(13.5, 3), QPointF(13.5, 19));
            p.drawLine(QPointF(3, 8), QPointF(19, 8));
            p.drawLine(QPointF(3, 13.5), QPointF(19, 13.5));
            break;
        case Glyph::Grapher: {  // a curve over axes
            p.drawLine(QPointF(3, 19), QPointF(19, 19));
            p.drawLine(QPointF(3, 3), QPointF(3, 19));
            QPainterPath curve(QPointF(4, 17));
            curve.cubicTo(QPointF(9, 2), QPointF(12, 20), QPointF(19, 5));
            p.setPen(QPen(Qt::red, 1.5));
            p.drawPath(curve);
            break;
        }
        case Glyph::Plotter: {  // a particle's path
            QPainterPath path(QPointF(3, 19));
            path.quadTo(QPointF(8, 3), QPointF(19, 6));
            p.drawPath(path);
            p.setBrush(Qt::red);
            p.drawEllipse(QPointF(19, 6), 2.5, 2.5);
            break;
        }
    }
}

}  // namespace

QPixmap ProgramPicture(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 64, 128));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, size, size), size / 8.0, size / 8.0);
    DrawBars(p, QRectF(size * 0.15, size * 0.15, size * 0.7, size * 0.7), QColor(255, 220, 120));
    return picture;
}

QIcon DrawnGlyph(const std::function<void(QPainter&)>& draw) {
    QPixmap picture(kGlyphSize, kGlyphSize);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return QIcon(picture);
}

QIcon SpeedGlyph(Glyph glyph) {
    return DrawnGlyph([glyph](QPainter& p) { DrawGlyph(p, glyph); });
}

}  // namespace brisal
