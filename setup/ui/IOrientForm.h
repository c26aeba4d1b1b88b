// TIOrientForm: shows the points of an impact file and writes it re-oriented in the (x, y) plane.
#pragma once

#include "OrientWindow.h"

namespace velkor {

class TIOrientForm : public OrientWindow {
    Q_OBJECT
  public:
    explicit TIOrientForm(QWidget* parent = nullptr);
};

}  // namespace velkor
