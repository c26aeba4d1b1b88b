// TCubicForm: the parameters of a cubic crystallite (FCC, BCC, diamond) with its element table.
#pragma once

#include <QDialog>

#include "FltEdit.h"
#include "TargetDialogParts.h"

class QComboBox;

namespace velkor {

class TCubicForm : public QDialog {
    Q_OBJECT
  public:
    explicit TCubicForm(QWidget* parent = nullptr);

    // Multiplies the count label: 2 while a BCC (110) or diamond command runs.
    int CellFactor = 1;

    QComboBox* Edit1;                     // symbol, with the element table's symbols
    halvern::TIntegerEdit* IntegerEdit1;  // Z
    halvern::TFloatEdit* FloatEdit1;      // lattice constant
    halvern::TFloatEdit* FloatEdit2;      // mass
    LatticeBoxControls
        box;  // dimensions (IntegerEdit2..4, Label12..15), origin (FloatEdit3..5), FlagEdit

    void UpdateAtomCount();
    // Sets the symbol text as the program does: the element table is not consulted.
    void setSymbolText(const QString& symbol);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // The user chose or typed a symbol: a table row fills Z, a and mass; another text, nothing.
    void Edit1Change(const QString& symbol);
};

}  // namespace velkor
