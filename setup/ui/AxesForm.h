// TAxesForm ("Crystal Axes"): the polar and azimuthal angles of two surface normals given by
// Miller indices in a cubic crystal, and the angle between them (calculators/CrystalAxes).
#pragma once

#include <QDialog>

#include "FltEdit.h"
#include "HelpContexts.h"

class QLineEdit;
class QPushButton;

namespace velkor {

class TAxesForm : public QDialog {
    Q_OBJECT
  public:
    explicit TAxesForm(QWidget* parent = nullptr);

    halvern::TIntegerEdit *i1, *j1, *k1;  // surface 1
    halvern::TIntegerEdit *i2, *j2, *k2;  // surface 2
    QLineEdit *theta1, *phi1, *theta2, *phi2, *IPAngle;
    QPushButton* BitBtn1;  // "&Evaluate"

    void BitBtn1Click();
};

}  // namespace velkor
