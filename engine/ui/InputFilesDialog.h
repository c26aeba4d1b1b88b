// "Specify input files" (the six input files, with the projectile's companions filled in) and
// "Specify output files" (the three output files). Both change the current names only on OK.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "EngineGlobals.h"
#include "InputFileNames.h"

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

class TOutfileDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TOutfileDlg(TEngineFileNames& names, QWidget* parent = nullptr);

    QLineEdit* edit(int row) const { return edits_[row]; }
    QPushButton* selectButton(int row) const { return buttons_[row]; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void selectRow(int row);
    void BitBtn1Click();

    TEngineFileNames& names_;
    std::array<std::string, 3> boxes_;
    std::array<QLineEdit*, 3> edits_{};
    std::array<QPushButton*, 3> buttons_{};
};

// The read-only yellow name box of both dialogs.
QLineEdit* MakeFileNameBox(const std::string& text, QWidget* parent);

}  // namespace halvern
