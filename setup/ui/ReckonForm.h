// TReckonForm ("Velocity Reckoner"): a projectile's speed from its energy and mass, and the time
// step in which it moves 0.1 A, updated as either text changes (calculators/VelocityReckoner).
#pragma once

#include <QDialog>

#include "FltEdit.h"

class QLineEdit;

namespace velkor {

class TReckonForm : public QDialog {
    Q_OBJECT
  public:
    explicit TReckonForm(QWidget* parent = nullptr);

    halvern::TFloatEdit* Energy;  // keV
    halvern::TFloatEdit* Mass;    // amu
    QLineEdit* Velocity;          // A/fs
    QLineEdit* timestep;          // fs

    void ParmChange();
};

}  // namespace velkor
