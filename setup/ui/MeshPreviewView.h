// The impact dialog's 101 x 101 preview: the mesh's frame as a yellow dotted rectangle and each
// impact point as a white pixel on black. The pixels are the core's (impacts/ImpactMeshFile).
// The picture has a margin, so that the frame runs just outside the mesh's extent and never
// covers the points on its edges (the origin among them).
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "impacts/ImpactMeshFile.h"

namespace velkor {

class MeshPreviewView : public QWidget {
    Q_OBJECT
  public:
    explicit MeshPreviewView(QWidget* parent = nullptr);

    // Pixel (x, y) of the mesh lies at (x + kMargin, y + kMargin) of the picture; the cursor is
    // reported in the mesh's pixels.
    static constexpr int kMargin = 2;

    // A black picture.
    void clear();
    void draw(const TMeshPreview& preview);
    const QImage& image() const { return image_; }
    void copyToClipboard() const;

    std::function<void(int x, int y)> onCursorMoved;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QImage image_;
};

}  // namespace velkor
