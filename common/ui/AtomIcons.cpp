#include "AtomIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace halvern {

namespace {

const QColor kTargetColour(40, 90, 220);
const QColor kProjectileColour(220, 30, 30);

void DrawSphere(QPainter& painter, const QRectF& box, const QColor& colour) {
    QRadialGradient shade(box.center() - QPointF(box.width() / 5, box.height() / 5),
                          box.width() * 0.65);
    shade.setColorAt(0, colour.lighter(190));
    shade.setColorAt(0.5, colour);
    shade.setColorAt(1, colour.darker(220));
    painter.setPen(QPen(colour.darker(260), 1));
    painter.setBrush(shade);
    painter.drawEllipse(box);
}

}  // namespace

QImage AtomIcon(int width, int height, int diameter, const QColor& colour, bool tail) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double left = (width - diameter) / 2.0;
    if (tail) {
        painter.setPen(QPen(colour.darker(150), 2, Qt::SolidLine, Qt::RoundCap));
        const double cx = width / 2.0;
        painter.drawLine(QPointF(cx, diameter * 0.8), QPointF(cx, height - 1.0));
    }
    DrawSphere(painter, QRectF(left + 0.5, 0.5, diameter - 1.0, diameter - 1.0), colour);
    return image;
}

QImage TargetAtomIcon(bool small) {
    return small ? AtomIcon(29, 29, 18, kTargetColour, false)
                 : AtomIcon(32, 32, 30, kTargetColour, false);
}

QImage TargetAtomSphere(int side) {
    return AtomIcon(side, side, side, kTargetColour, false);
}

QImage ProjectileAtomIcon(bool small) {
    return small ? AtomIcon(29, 33, 18, kProjectileColour, true)
                 : AtomIcon(32, 32, 30, kProjectileColour, false);
}

QPixmap EnginePicture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double d = size / 4.0;
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            DrawSphere(painter,
                       QRectF(size * 0.12 + col * d * 1.05 + (row % 2) * d * 0.5,
                              size * 0.5 + row * d * 0.9, d, d),
                       kTargetColour);
    painter.setPen(QPen(kProjectileColour.darker(140), size / 40.0, Qt::DashLine));
    painter.drawLine(QPointF(size * 0.1, size * 0.05), QPointF(size * 0.4, size * 0.38));
    DrawSphere(painter, QRectF(size * 0.36, size * 0.28, d * 0.8, d * 0.8), kProjectileColour);
    return pixmap;
}

}  // namespace halvern
