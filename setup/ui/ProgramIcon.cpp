#include "ProgramIcon.h"

#include <QPainter>
#include <QPixmap>

namespace velkor {

namespace {

QPixmap DrawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 32.0;
    p.setPen(QPen(QColor(40, 40, 90), 0.8 * s));
    p.setBrush(QColor(205, 127, 50));  // copper
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col) {
            const qreal x = (5 + col * 7.5 + (row % 2) * 3.75) * s;
            const qreal y = (17 + row * 5) * s;
            p.drawEllipse(QPointF(x, y), 2.6 * s, 2.6 * s);
        }
    p.setBrush(QColor(90, 160, 230));
    p.drawEllipse(QPointF(8 * s, 6 * s), 3 * s, 3 * s);
    p.setPen(QPen(QColor(90, 160, 230), 1.6 * s));
    p.drawLine(QPointF(11 * s, 8 * s), QPointF(17 * s, 12.5 * s));
    return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) icon.addPixmap(DrawIcon(size));
    return icon;
}

}  // namespace velkor
