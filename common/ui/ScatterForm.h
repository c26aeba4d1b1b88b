// TScatterForm ("Scattering Relations"): the calculator of a binary elastic collision's
// laboratory kinematics, shared by the set-up and the analysis program (each opens its own, not
// modal). The relations are the core's (ScatteringRelations).
#pragma once

#include <QDialog>
#include <string>

#include "FltCombo.h"
#include "FltEdit.h"
#include "ScatteringRelations.h"
#include "SharedHelpContexts.h"

class QLineEdit;
class QPushButton;

namespace halvern {

// The figure of the laboratory system: E0 coming in, E1 scattered by theta1, E2 recoiling at
// theta2.
class LabSystemFigure : public QWidget {
    Q_OBJECT
  public:
    explicit LabSystemFigure(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {190, 150}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

class TScatterForm : public QDialog {
    Q_OBJECT
  public:
    // helpProgram names the help pages of the program that opens the window.
    explicit TScatterForm(std::string helpProgram, QWidget* parent = nullptr);

    TFloatComboBox* ComboBox1;  // M1 projectile
    TFloatComboBox* ComboBox2;  // M2 target
    TFloatEdit* FloatEdit1;     // theta1 lab
    QLineEdit* Edit1;           // theta2 lab (recoil)
    QLineEdit *Edit2, *Edit3;   // COM angles
    QLineEdit *Edit4, *Edit5;   // E1/E0
    QLineEdit *Edit6, *Edit7;   // E2/E0
    QPushButton* BitBtn1;       // Evaluate
    QPushButton* BitBtn2;       // Help

    void Evaluate();
    void ShowResults();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    std::string helpProgram_;
    TScatterMasses masses_;
    TScatterResults results_;
};

}  // namespace halvern
