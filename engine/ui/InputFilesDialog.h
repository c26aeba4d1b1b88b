// "Specify input files": the six input files, with the companions of a chosen projectile file
// filled in. The current names change only on OK.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "host/EngineGlobals.h"
#include "input/InputFileNames.h"

namespace halvern {

class TFileDialog : public QDialog {
    Q_OBJECT
  public:
    TFileDialog(EngineGlobals& globals, TEngineFileNames& names, QWidget* parent = nullptr);

    const TInputFileBoxes& boxes() const { return boxes_; }
    QLineEdit* edit(int row) const { return edits_[row]; }
    QPushButton* selectButton(int row) const { return buttons_[row]; }
    QLabel* label(int row) const { return labels_[row]; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void selectRow(int row);
    void Button1Click();
    void setBox(int row, const std::string& name);
    void BitBtn1Click();

    EngineGlobals& globals_;
    TEngineFileNames& names_;
    TInputFileBoxes boxes_ = kInitialInputBoxes;
    std::array<QLineEdit*, 6> edits_{};
    std::array<QPushButton*, 6> buttons_{};
    std::array<QLabel*, 6> labels_{};
};

}  // namespace halvern
