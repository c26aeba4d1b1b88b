// TBatchForm ("Batch File Template"): the batch definition file's name, the stem of the project
// files and the number of simulations, for the batch template.
#pragma once

#include <QDialog>

#include "HelpContexts.h"
#include "batch/BatchTemplate.h"

class QLineEdit;
class QPushButton;

namespace halvern {
class TIntegerEdit;
}

namespace velkor {

class TBatchForm : public QDialog {
    Q_OBJECT
  public:
    explicit TBatchForm(QWidget* parent = nullptr);

    // The record lives as long as the dialog: the texts typed last time come back.
    const TBatchSpec& spec() const { return spec_; }
    // The count of a record the dialog accepted.
    int32_t count() const;

    // Copies the record into the controls (when shown).
    void showRecord();
    void BrowseBatchClick();
    void BrowseStemClick();
    // "Generate": a count outside 1..9999 and a batch name with a wildcard keep the dialog open
    // (the latter without a message); otherwise a beep, and the dialog closes with the record.
    void GenerateClick();

    QLineEdit* BatchEdit;
    QLineEdit* StemEdit;
    halvern::TIntegerEdit* CountEdit;
    QPushButton* GenerateButton;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    TBatchSpec spec_;
};

}  // namespace velkor
