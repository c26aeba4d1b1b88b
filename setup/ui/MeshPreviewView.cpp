#include "MeshPreviewView.h"

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QPainter>

namespace velkor {

MeshPreviewView::MeshPreviewView(QWidget* parent)
    : QWidget(parent),
      image_(kPreviewSize + 2 * kMargin, kPreviewSize + 2 * kMargin, QImage::Format_RGB32) {
    setObjectName(QStringLiteral("Graph"));
    setFixedSize(image_.size());
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    clear();
}

void MeshPreviewView::clear() {
    image_.fill(Qt::black);
    update();
}

void MeshPreviewView::draw(const TMeshPreview& preview) {
    clear();
    if (!preview.drawable) return;
    {
        QPainter painter(&image_);
        painter.setPen(QPen(Qt::yellow, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        // One pixel outside the columns and rows the mesh can light (a stroked rectangle takes
        // its size plus the pen's width).
        const int top = kMargin + preview.map.top - 1;
        painter.drawRect(QRect(QPoint(kMargin - 1, top),
                               QSize(preview.map.right + 1, kMargin + kPreviewSize - top)));
    }
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < kPreviewSize; ++y)
        for (int x = 0; x < kPreviewSize; ++x)
            if (preview.lit[static_cast<size_t>(y * kPreviewSize + x)])
                image_.setPixel(x + kMargin, y + kMargin, white);
    update();
}

void MeshPreviewView::copyToClipboard() const {
    QApplication::clipboard()->setImage(image_);
}

void MeshPreviewView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void MeshPreviewView::mouseMoveEvent(QMouseEvent* event) {
    if (onCursorMoved) {
        const QPoint at = event->position().toPoint();
        onCursorMoved(at.x() - kMargin, at.y() - kMargin);
    }
    QWidget::mouseMoveEvent(event);
}

}  // namespace velkor
