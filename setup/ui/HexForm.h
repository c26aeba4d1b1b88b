// THexForm: the parameters of a hexagonal close-packed crystallite; the symbol is typed.
#pragma once

#include <QDialog>

#include "FltEdit.h"
#include "TargetDialogParts.h"

class QLineEdit;

namespace velkor {

class THexForm : public QDialog {
    Q_OBJECT
  public:
    explicit THexForm(QWidget* parent = nullptr);

    QLineEdit* Edit1;                     // symbol
    halvern::TIntegerEdit* IntegerEdit1;  // Z
    halvern::TFloatEdit* FloatEdit1;      // a1 (= a2)
    halvern::TFloatEdit* FloatEdit6;      // a3
    halvern::TFloatEdit* FloatEdit2;      // mass
    LatticeBoxControls
        box;  // dimensions (IntegerEdit2..4, Label12..15), origin (FloatEdit3..5), FlagEdit

    void UpdateAtomCount();

  protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace velkor
