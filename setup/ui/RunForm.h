// TRunForm: the run dialog. It edits the program's run record and writes the run file.
#pragma once

#include <QDialog>
#include <string>

#include "FltEdit.h"
#include "inputfiles/RunSpec.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace halvern {
class RadioGroup;
}

namespace velkor {

class TRunForm : public QDialog {
    Q_OBJECT
  public:
    TRunForm(TRunSpec& spec, QWidget* parent = nullptr);

    // The name the save dialog proposes; saving does not change it.
    std::string FileName = "UNTITLED.RUN";

    QCheckBox* CheckBox1;                 // at termination
    QCheckBox* CheckBox2;                 // periodically
    halvern::TIntegerEdit* IntegerEdit1;  // period
    QLabel* PeriodLabel;
    halvern::RadioGroup* RadioGroup1;  // output selection
    QPlainTextEdit* Memo1;             // user-programmed output function
    QLabel* MemoLabel;
    QPushButton* SamplesButton;
    halvern::TFloatEdit* FloatEdit1;      // altitudinal angle
    halvern::TFloatEdit* FloatEdit2;      // azimuthal angle
    halvern::TFloatEdit* FloatEdit3;      // initial time step
    halvern::TIntegerEdit* IntegerEdit2;  // neighbour update
    halvern::TFloatEdit* FloatEdit4;      // termination time, maximum
    halvern::TFloatEdit* FloatEdit5;      // termination time, minimum
    halvern::TFloatEdit* FloatEdit6;      // potential cut-off
    halvern::TIntegerEdit* IntegerEdit3;  // partners

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* makeSamplingGroup();
    QWidget* makeOutputGroup();
    QWidget* makeAnglesGroup();
    QWidget* makePeriodicGroup();
    QWidget* makeCutOffGroup();

    void recordToControls();
    void controlsToRecord();
    void applyEnablingRules();
    // The memo holds at most the record's 255 characters.
    void limitMemo();
    bool BitBtn1Click();

    TRunSpec& spec_;
};

}  // namespace velkor
