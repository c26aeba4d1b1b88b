// TPrjForm: the projectile dialog. It edits the program's projectile record and writes the
// projectile file.
#pragma once

#include <QDialog>
#include <string>

#include "FltEdit.h"
#include "inputfiles/ProjectileSpec.h"

#include <QComboBox>

namespace velkor {

// An editable combo box that tells a pick from its list apart from a typed text: it also
// reports a typed text that matches an entry as activated when the focus leaves it.
class ListPickComboBox : public QComboBox {
  public:
    using QComboBox::QComboBox;
    bool pickingFromList() const { return listOpen_; }
    void showPopup() override;
    void hidePopup() override;

  private:
    bool listOpen_ = false;
};

class TPrjForm : public QDialog {
    Q_OBJECT
  public:
    TPrjForm(TProjectileSpec& spec, QWidget* parent = nullptr);

    // The name the save dialog proposes; the main window sets it, saving does not change it.
    std::string FileName = "UNTITLED.PRJ";

    ListPickComboBox* ComboBox1;          // symbol, with the presets
    halvern::TIntegerEdit* IntegerEdit1;  // Z
    halvern::TFloatEdit* FloatEdit1;      // mass
    halvern::TFloatEdit* FloatEdit2;      // energy
    halvern::TIntegerEdit* FlagEdit;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void recordToControls();
    void controlsToRecord();
    // A preset chosen from the list sets Z and the mass.
    void ComboBox1Change(int index);
    bool OkBtnClick();

    TProjectileSpec& spec_;
};

}  // namespace velkor
