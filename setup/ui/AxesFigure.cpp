#include "AxesFigure.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace velkor {

namespace {

// A direction in crystal coordinates.
struct Vec {
    double x, y, z;
};

constexpr double kTheta = 50 * std::numbers::pi / 180;  // the normal drawn
constexpr double kPhi = 60 * std::numbers::pi / 180;

Vec Direction(double theta, double phi) {
    return {std::sin(theta) * std::cos(phi), std::sin(theta) * std::sin(phi), std::cos(theta)};
}

// Oblique view: y to the right, z up, x towards the viewer (down and to the left).
QPointF Screen(QPointF origin, double length, Vec v) {
    return origin + QPointF(v.y - 0.55 * v.x, 0.45 * v.x - v.z) * length;
}

void Arrow(QPainter& painter, QPointF from, QPointF to) {
    painter.drawLine(from, to);
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length == 0) return;
    const QPointF u = d / length, n(-u.y(), u.x());
    QPainterPath head(to);
    head.lineTo(to - 7 * u + 3 * n);
    head.lineTo(to - 7 * u - 3 * n);
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}

// An arc of `steps` segments through the directions at(t) for t from 0 to 1.
template <class At>
void Arc(QPainter& painter, QPointF origin, double radius, At at) {
    constexpr int steps = 24;
    QPainterPath arc(Screen(origin, radius, at(0.0)));
    for (int k = 1; k <= steps; ++k) arc.lineTo(Screen(origin, radius, at(double(k) / steps)));
    painter.drawPath(arc);
}

void Label(QPainter& painter, QPointF at, const QString& text) {
    painter.drawText(QRectF(at - QPointF(20, 9), QSizeF(40, 18)), Qt::AlignCenter, text);
}

}  // namespace

AxesFigure::AxesFigure(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("AxesFigure"));
    setToolTip(QStringLiteral("(x,y,z) axes coincide with cubic crystal axes a, b, c"));
    setMinimumSize(sizeHint());
}

void AxesFigure::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().text().color();
    const double length = std::min(width(), height()) * 0.45;
    const QPointF origin(width() * 0.45, height() * 0.64);

    painter.setPen(QPen(ink, 1.2));
    const Vec axes[] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    const char* names[] = {"x", "y", "z"};
    for (int k = 0; k < 3; ++k) {
        Arrow(painter, origin, Screen(origin, length, axes[k]));
        Label(painter, Screen(origin, length * 1.18, axes[k]), QString::fromLatin1(names[k]));
    }

    const Vec n = Direction(kTheta, kPhi);
    const Vec foot{n.x, n.y, 0};
    painter.setPen(QPen(ink, 1, Qt::DashLine));
    painter.drawLine(Screen(origin, length, n), Screen(origin, length, foot));
    painter.drawLine(origin, Screen(origin, length, foot));

    const QColor accent(200, 30, 30);
    painter.setPen(QPen(accent, 1.6));
    Arrow(painter, origin, Screen(origin, length, n));
    Label(painter, Screen(origin, length * 1.15, n), QStringLiteral("n"));

    painter.setPen(QPen(accent, 1));
    Arc(painter, origin, length * 0.45, [](double t) { return Direction(t * kTheta, kPhi); });
    Label(painter, Screen(origin, length * 0.62, Direction(kTheta / 2, kPhi)),
          QStringLiteral("\u03B8"));
    Arc(painter, origin, length * 0.5,
        [](double t) { return Direction(std::numbers::pi / 2, t * kPhi); });
    Label(painter, Screen(origin, length * 0.68, Direction(std::numbers::pi / 2, kPhi / 2)),
          QStringLiteral("\u03C6"));
}

}  // namespace velkor
