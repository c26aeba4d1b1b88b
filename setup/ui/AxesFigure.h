// The crystal-axes window's figure: the cubic axes x, y, z in an oblique view, a surface normal
// n, its polar angle theta from z and its azimuth phi from x in the xy-plane.
#pragma once

#include <QWidget>

namespace velkor {

class AxesFigure : public QWidget {
    Q_OBJECT
  public:
    explicit AxesFigure(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {200, 180}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace velkor
