// TDisplaceForm, "Displacements": the reference record file, the later record file and the
// record file of their differences.
#pragma once

#include <QDialog>

#include "ProcessCommands.h"

class QLineEdit;

namespace brisal {

class TDisplaceForm : public QDialog {
    Q_OBJECT
  public:
    explicit TDisplaceForm(QWidget* parent = nullptr);

    DisplaceInputs inputs() const;

    // "&Browse", "B&rowse": a source file into Edit1 or Edit2; "B&rowse": the destination.
    void Button1Click();
    void Button2Click();
    void Button3Click();

  private:
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
};

}  // namespace brisal
