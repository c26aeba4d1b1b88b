// TOrientForm: shows the atoms of a target file in projection and writes it re-oriented.
#pragma once

#include "OrientWindow.h"

namespace velkor {

class TOrientForm : public OrientWindow {
    Q_OBJECT
  public:
    explicit TOrientForm(QWidget* parent = nullptr);
};

}  // namespace velkor
