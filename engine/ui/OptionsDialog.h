// "Simulation Options": edits the engine's options record; saving is the main window's part.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <utility>
#include <vector>

#include "FltEdit.h"
#include "ItemRadioGroup.h"
#include "host/EngineGlobals.h"

namespace halvern {

class TOptionsDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TOptionsDlg(EngineGlobals& globals, QWidget* parent = nullptr);

    bool saveOptionsTicked() const { return SaveOptions->isChecked(); }

    // Controls by their names, for the window's tests.
    RadioGroup* AlgorithmOption;
    RadioGroup* NeighbourListOption;
    RadioGroup* GraphWinOption;
    RadioGroup* MinForceOption;
    QCheckBox* LSSOption;
    QCheckBox* OROption;
    QCheckBox* STOption;
    TIntegerEdit* EditLines;
    QCheckBox* LoadOptionsBox;
    QCheckBox* SaveOptions;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QCheckBox* addSwitch(QWidget* group, const char* name, const QString& caption,
                         uint8_t TSimulationOptions::*field);
    void FormShow();
    void BitBtn1Click();
    void AlgorithmOptionClick();

    EngineGlobals& globals_;
    std::vector<std::pair<QCheckBox*, uint8_t TSimulationOptions::*>> switches_;
};

}  // namespace halvern
