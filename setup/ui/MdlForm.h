// TMdlForm: the model dialog. It edits the program's model record, computes the vibration
// amplitudes, warns about implausible values and writes the model file.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "FltEdit.h"
#include "inputfiles/ModelSpec.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace velkor {

class TMdlForm : public QDialog {
    Q_OBJECT
  public:
    TMdlForm(TModelSpec& spec, QWidget* parent = nullptr);

    // The name the save dialog proposes; saving does not change it.
    std::string FileName = "UNTITLED.MDL";

    // "View Composite Potential": usable only once a handler is set, and then only while
    // "Use Morse potential" is checked.
    void setViewCompositeHandler(std::function<void()> handler);
    TModelSpec& record() { return spec_; }
    // The controls' values as a record (kinds, flags and texts cut to their widths).
    TModelSpec controlsRecord() const;

    QRadioButton* PtButtons[3];  // ZBL, Moliere-Lindhard, Moliere-Firsov
    QRadioButton* TtButtons[3];
    halvern::TFloatEdit* FloatEdit1;   // projectile-target correction
    halvern::TFloatEdit* FloatEdit2;   // target-target correction
    halvern::TFloatEdit* FloatEdit3;   // Morse D
    halvern::TFloatEdit* FloatEdit4;   // Morse a
    halvern::TFloatEdit* FloatEdit5;   // Morse r0
    halvern::TFloatEdit* FloatEdit6;   // spline low
    halvern::TFloatEdit* FloatEdit7;   // spline high
    QCheckBox* CheckBox1;              // use Morse potential
    QPushButton* BitBtn4;              // view composite potential
    QCheckBox* CheckBox2;              // include vibrational displacements
    halvern::TFloatEdit* FloatEdit8;   // lattice atom mass
    halvern::TFloatEdit* FloatEdit9;   // lattice temperature
    halvern::TFloatEdit* FloatEdit10;  // Debye temperatures: bulk
    halvern::TFloatEdit* FloatEdit11;  // surface perpendicular
    halvern::TFloatEdit* FloatEdit12;  // surface parallel
    halvern::TFloatEdit* FloatEdit13;  // surface binding energy
    halvern::TFloatEdit* FloatEdit14;  // bulk binding energy
    halvern::TFloatEdit* FloatEdit15;  // termination energy
    QCheckBox* CheckBox3;              // test projectile energy only

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* makePotentialGroup();
    QWidget* makeMorseGroup();
    QWidget* makeVibrationGroup();
    QWidget* makeEnergyGroup();

    void recordToControls();
    void CheckBox1Click();
    void CheckBox2Click();
    // The dialog stays open on a refused value or a cancelled save.
    bool OkBtnClick();

    TModelSpec& spec_;
    std::function<void()> viewComposite_;
    std::vector<QWidget*> morseControls_;      // with their labels
    std::vector<QWidget*> vibrationControls_;  // with their labels
};

}  // namespace velkor
