#include "GraphGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "Pictures.h"

namespace brisal {

namespace {

constexpr int kSize = 22;  // the glyphs' square
const QColor kInk(0, 0, 128);
const QColor kAccent(200, 0, 0);

// Axes in the lower left corner, as most glyphs show them.
void DrawAxes(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.drawLine(QPointF(4, 18), QPointF(19, 18));
    p.drawLine(QPointF(4, 3), QPointF(4, 18));
}

void DrawTicks(QPainter& p, bool xAxis, int count) {
    p.setPen(QPen(kInk, 1));
    for (int i = 1; i <= count; ++i) {
        const double at = 4 + i * 14.0 / (count + 1);
        if (xAxis)
            p.drawLine(QPointF(at, 18), QPointF(at, 21));
        else
            p.drawLine(QPointF(1, 22 - at), QPointF(4, 22 - at));
    }
}

// A double-headed or single-headed arrow along an axis, for the length buttons.
void DrawArrow(QPainter& p, QPointF from, QPointF to) {
    p.setPen(QPen(kAccent, 1.5));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::max(1.0, std::hypot((to - from).x(), (to - from).y()));
    const QPointF n(-d.y(), d.x());
    p.drawLine(to, to - 3 * d + 3 * n);
    p.drawLine(to, to - 3 * d - 3 * n);
}

void DrawPlusMinus(QPainter& p, bool plus) {
    p.setPen(QPen(kAccent, 2));
    p.drawLine(QPointF(13, 8), QPointF(19, 8));
    if (plus) p.drawLine(QPointF(16, 5), QPointF(16, 11));
}

void DrawGlyph(QPainter& p, GraphGlyph glyph) {
    switch (glyph) {
        case GraphGlyph::Open:  // a folder with a curve
            p.setPen(QPen(kInk, 1.2));
            p.setBrush(QColor(255, 220, 120));
            p.drawPolygon(QPolygonF({{2, 6}, {8, 6}, {10, 8}, {20, 8}, {20, 18}, {2, 18}}));
            p.setPen(QPen(kAccent, 1.5));
            p.drawLine(QPointF(5, 15), QPointF(10, 11));
            p.drawLine(QPointF(10, 11), QPointF(17, 13));
            break;
        case GraphGlyph::SetUp:  // a form with rows
            p.setPen(QPen(kInk, 1.2));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(3, 3, 16, 16));
            for (int i = 0; i < 3; ++i) p.drawLine(QPointF(6, 7 + 4 * i), QPointF(16, 7 + 4 * i));
            break;
        case GraphGlyph::Font: {
            QFont font = p.font();
            font.setBold(true);
            font.setPixelSize(15);
            p.setFont(font);
            p.setPen(kInk);
            p.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("A"));
            break;
        }
        case GraphGlyph::AxesType:  // a box around the plot
            DrawAxes(p);
            p.setPen(QPen(kInk, 1, Qt::DotLine));
            p.drawLine(QPointF(4, 3), QPointF(19, 3));
            p.drawLine(QPointF(19, 3), QPointF(19, 18));
            break;
        case GraphGlyph::RoundX:
        case GraphGlyph::RoundY: {
            DrawAxes(p);
            p.setPen(QPen(kAccent, 1.5));
            QPainterPath bracket;
            if (glyph == GraphGlyph::RoundX) {
                bracket.moveTo(7, 14);
                bracket.quadTo(12, 8, 18, 14);
            } else {
                bracket.moveTo(8, 5);
                bracket.quadTo(14, 10, 8, 15);
            }
            p.drawPath(bracket);
            break;
        }
        case GraphGlyph::FewerXTicks:
        case GraphGlyph::MoreXTicks:
            DrawAxes(p);
            DrawTicks(p, true, glyph == GraphGlyph::MoreXTicks ? 5 : 2);
            DrawPlusMinus(p, glyph == GraphGlyph::MoreXTicks);
            break;
        case GraphGlyph::FewerYTicks:
        case GraphGlyph::MoreYTicks:
            DrawAxes(p);
            DrawTicks(p, false, glyph == GraphGlyph::MoreYTicks ? 5 : 2);
            DrawPlusMinus(p, glyph == GraphGlyph::MoreYTicks);
            break;
        case GraphGlyph::ShorterX:
            DrawAxes(p);
            DrawArrow(p, QPointF(18, 12), QPointF(8, 12));
            break;
        case GraphGlyph::LongerX:
            DrawAxes(p);
            DrawArrow(p, QPointF(8, 12), QPointF(18, 12));
            break;
        case GraphGlyph::LongerY:
            DrawAxes(p);
            DrawArrow(p, QPointF(12, 15), QPointF(12, 5));
            break;
        case GraphGlyph::ShorterY:
            DrawAxes(p);
            DrawArrow(p, QPointF(12, 5), QPointF(12, 15));
            break;
        case GraphGlyph::LinesSymbols:  // a line, then symbols
            p.setPen(QPen(kInk, 1.5));
            p.drawLine(QPointF(2, 15), QPointF(9, 7));
            p.setBrush(Qt::white);
            p.setPen(QPen(kAccent, 1.2));
            for (QPointF c : {QPointF(13, 14), QPointF(16, 8), QPointF(19, 12)})
                p.drawEllipse(c, 2, 2);
            break;
    }
}

}  // namespace

QIcon GraphSpeedGlyph(GraphGlyph glyph) {
    return DrawnGlyph([glyph](QPainter& p) { DrawGlyph(p, glyph); });
}

}  // namespace brisal
