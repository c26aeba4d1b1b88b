// TRockSaltForm: the two-species dialog of the rocksalt and sphalerite commands. It edits the
// working record directly: shown, it fills its controls from it; OK copies them back.
#pragma once

#include <QDialog>

#include "FltEdit.h"
#include "TargetDialogParts.h"
#include "targets/TargetSpec.h"

class QLineEdit;

namespace velkor {

class TRockSaltForm : public QDialog {
    Q_OBJECT
  public:
    TRockSaltForm(TTwoSpeciesTargetSpec& RockSaltParams, QWidget* parent = nullptr);

    int LatticeMode = 1;  // 1 rocksalt, 2 sphalerite (two atoms a site in the count)

    QLineEdit* Edit1;                     // Symbol1
    halvern::TIntegerEdit* IntegerEdit1;  // AtomicNumber1
    halvern::TFloatEdit* FloatEdit1;      // Mass1
    QLineEdit* Edit2;                     // Symbol2
    halvern::TIntegerEdit* IntegerEdit2;  // AtomicNumber2
    halvern::TFloatEdit* FloatEdit2;      // Mass2
    halvern::TFloatEdit* FloatEdit3;      // LatticeConst
    LatticeBoxControls
        box;  // dimensions (IntegerEdit3..5, Label12..15), origin (FloatEdit4..6), FlagEdit

    void UpdateAtomCount();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void BitBtn1Click();

    TTwoSpeciesTargetSpec& params_;
};

}  // namespace velkor
