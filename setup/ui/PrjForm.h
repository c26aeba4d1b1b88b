// TPrjForm: the projectile dialog. It edits the program's projectile record and writes the
// projectile file.
#pragma once

#include <QDialog>
#include <string>

#include "FltEdit.h"
#include "inputfiles/ProjectileSpec.h"

class QComboBox;

namespace velkor {

class TPrjForm : public QDialog {
    Q_OBJECT
  public:
    TPrjForm(TProjectileSpec& spec, QWidget* parent = nullptr);

    // The name the save dialog proposes; the main window sets it, saving does not change it.
    std::string FileName = "UNTITLED.PRJ";

    QComboBox* ComboBox1;                 // symbol, with the presets
    halvern::TIntegerEdit* IntegerEdit1;  // Z
    halvern::TFloatEdit* FloatEdit1;      // mass
    halvern::TFloatEdit* FloatEdit2;      // energy
    halvern::TIntegerEdit* FlagEdit;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void recordToControls();
    void controlsToRecord();
    // Every element the user chooses (from the list, by keys or the wheel, or typed) sets Z and
    // the mass; a symbol that names no element leaves them.
    void ComboBox1Change(const QString& symbol);
    bool OkBtnClick();

    TProjectileSpec& spec_;
};

}  // namespace velkor
