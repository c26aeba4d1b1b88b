// TPairPotlDlg ("Pair Potential, Apsis"): the screened-Coulomb potential of two atoms at one
// distance, the centre-of-mass energy and the apsis of a collision, and a chart of the three
// potentials over 0.25 .. 1 A. The computation is the core's (apsis/PairPotentialCalculator).
#pragma once

#include <QDialog>

#include "FltEdit.h"
#include "HelpContexts.h"
#include "apsis/PairPotentialCalculator.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace halvern {
class LineChart;
class RadioGroup;
}  // namespace halvern

namespace velkor {

class TPairPotlDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TPairPotlDlg(QWidget* parent = nullptr);

    halvern::TFloatEdit *FloatEdit7, *FloatEdit8;  // Z1, Z2
    halvern::TFloatEdit* FloatEdit1;               // distance
    halvern::TFloatEdit* FloatEdit2;               // screening correction
    halvern::RadioGroup* RadioGroup1;              // potential type
    QLineEdit* Edit1;                              // potential (eV)
    QLabel* Label9;                                // screening length
    halvern::TFloatEdit *FloatEdit3, *FloatEdit4;  // m1, m2
    halvern::TFloatEdit* FloatEdit5;               // impact parameter
    halvern::TFloatEdit* FloatEdit6;               // lab energy
    QLineEdit* Edit2;                              // apsidal distance
    QLineEdit* Edit3;                              // COM energy
    QPushButton* BitBtn1;                          // Evaluate
    QPushButton* Button1;                          // Undo zoom
    halvern::LineChart* Chart1;

    void EvaluatePairPotential();
    void PlotPotentials();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    TPairPotentialInput input() const;
};

}  // namespace velkor
