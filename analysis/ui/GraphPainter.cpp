#include "GraphPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPoint>
#include <vector>

#include "DisplayText.h"
#include "QtColours.h"
#include "UiFonts.h"

namespace brisal {

using halvern::DisplayList;
using halvern::PenSpec;
using halvern::PenStyle;
using halvern::Pixel;

namespace {

constexpr QRgb kSilver = 0xFFC0C0C0;

Qt::PenStyle QtPenStyle(PenStyle style) {
    switch (style) {
        case PenStyle::Solid:
            return Qt::SolidLine;
        case PenStyle::Dash:
            return Qt::DashLine;
        case PenStyle::Dot:
            return Qt::DotLine;
        case PenStyle::Clear:
            return Qt::NoPen;
    }
    return Qt::SolidLine;
}

// Width 0 is one pixel wide at any scale.
QPen QtPen(const PenSpec& pen) {
    QPen q(halvern::ToQColor(pen.colour));
    q.setWidth(std::max(pen.width, 0));
    q.setStyle(QtPenStyle(pen.style));
    q.setCapStyle(Qt::RoundCap);
    q.setJoinStyle(Qt::RoundJoin);
    return q;
}

QPoint ToQPoint(const Pixel& p) { return {p.x, p.y}; }

void DrawText(QPainter& painter, const QString& text, const Pixel& topLeft) {
    painter.drawText(QPoint(topLeft.x, topLeft.y + painter.fontMetrics().ascent()), text);
}

void DrawTexts(QPainter& painter, const DisplayList& list) {
    painter.setPen(halvern::ToQColor(list.font.colour));
    const QFont normal = GraphQFont(list.font, false);
    const QFont large = GraphQFont(list.font, true);
    for (const halvern::PlacedText& t : list.texts) {
        painter.setFont(t.large ? large : normal);
        DrawText(painter, halvern::DecodeText(t.text), t.topLeft);
    }
}

void DrawLines(QPainter& painter, const DisplayList& list) {
    std::vector<QPoint> points;
    for (const halvern::CacheLine& line : list.lines) {
        painter.setPen(QtPen(line.pen));
        for (const std::vector<Pixel>& run : line.runs) {
            if (run.size() < 2) continue;
            points.clear();
            for (const Pixel& p : run) points.push_back(ToQPoint(p));
            painter.drawPolyline(points.data(), static_cast<int>(points.size()));
        }
    }
}

void DrawSymbols(QPainter& painter, const DisplayList& list) {
    painter.setBrush(Qt::white);
    for (const halvern::CacheSymbols& symbols : list.symbols) {
        painter.setPen(QtPen(symbols.pen));
        const int s = symbols.size;
        for (const Pixel& p : symbols.centres) {
            if (symbols.squares)
                painter.drawRect(p.x - s, p.y - s, 2 * s, 2 * s);
            else
                painter.drawEllipse(ToQPoint(p), s, s);
        }
    }
}

}  // namespace

QFont GraphQFont(const halvern::GraphFont& font, bool large) {
    QFont q = halvern::SerifFamilyFont(halvern::DecodeText(font.name),
                                       std::max(1, font.size + (large ? 2 : 0)));
    q.setBold(font.style.bold);
    q.setItalic(font.style.italic);
    q.setUnderline(font.style.underline);
    q.setStrikeOut(font.style.strikeOut);
    return q;
}

halvern::TextMetrics GraphTextMetrics(const halvern::GraphFont& font) {
    const QFontMetrics normal(GraphQFont(font, false));
    const QFontMetrics large(GraphQFont(font, true));
    halvern::TextMetrics metrics;
    metrics.width = [normal, large](const std::string& text, bool isLarge) {
        return (isLarge ? large : normal).horizontalAdvance(halvern::DecodeText(text));
    };
    metrics.height = normal.height();
    metrics.largeHeight = large.height();
    return metrics;
}

QImage PaintDisplayList(const DisplayList& list) {
    QImage image(std::max(list.width, 1), std::max(list.height, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QtPen(list.axesPen));
    for (const halvern::PixelSegment& s : list.axes)
        painter.drawLine(ToQPoint(s.from), ToQPoint(s.to));
    DrawTexts(painter, list);
    DrawLines(painter, list);
    DrawSymbols(painter, list);
    return image;
}

void PaintPickedText(QImage& image, const halvern::GraphText& item,
                     const halvern::GraphFont& font) {
    QPainter painter(&image);
    painter.setFont(GraphQFont(font, item.kind == halvern::kMainTitle));
    painter.setPen(QColor::fromRgb(kSilver));
    DrawText(painter, halvern::DecodeText(item.text), {item.x, item.y});
}

}  // namespace brisal
