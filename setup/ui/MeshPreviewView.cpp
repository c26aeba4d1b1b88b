#include "MeshPreviewView.h"

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QPainter>

namespace velkor {

MeshPreviewView::MeshPreviewView(QWidget* parent)
    : QWidget(parent), image_(kPreviewSize, kPreviewSize, QImage::Format_RGB32) {
    setObjectName(QStringLiteral("Graph"));
    setFixedSize(kPreviewSize, kPreviewSize);
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
        painter.drawRect(QRect(QPoint(0, preview.map.top), QPoint(preview.map.right, kPreviewSize)));
    }
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < kPreviewSize; ++y)
        for (int x = 0; x < kPreviewSize; ++x)
            if (preview.lit[static_cast<size_t>(y * kPreviewSize + x)]) image_.setPixel(x, y, white);
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
        onCursorMoved(at.x(), at.y());
    }
    QWidget::mouseMoveEvent(event);
}

}  // namespace velkor
