// "Specify output files": the three output files. The current names change only on OK.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <string>

#include "input/InputFileNames.h"

namespace halvern {

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

}  // namespace halvern
