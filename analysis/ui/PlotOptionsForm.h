// TTOptionsForm, "Trajectory display options": framing, display type, delay between frames and
// the highlighted particle. It keeps its values between showings; "&Reload" accepts.
#pragma once

#include <QDialog>

#include "plotter/PlotterSettings.h"

namespace halvern {
class RadioGroup;
class TIntegerEdit;
}  // namespace halvern

namespace brisal {

class TTOptionsForm : public QDialog {
    Q_OBJECT
  public:
    explicit TTOptionsForm(QWidget* parent = nullptr);

    // The settings the controls hold (each edit within its range once accepted).
    halvern::PlotterSettings settings() const;

    // The records-per-frame edit serves constant framing only.
    void FrameGroupClick();

  private:
    halvern::RadioGroup* FrameGroup = nullptr;
    halvern::RadioGroup* DisplayGroup = nullptr;
    halvern::TIntegerEdit* IntegerEdit1 = nullptr;
    halvern::TIntegerEdit* IntegerEdit2 = nullptr;
    halvern::TIntegerEdit* IntegerEdit3 = nullptr;
};

}  // namespace brisal
