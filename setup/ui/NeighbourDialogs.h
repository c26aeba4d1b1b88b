// TDistanceDlg ("Neighbour Distances") and TNPotlDlg ("Neighbour Potentials"): the target file,
// the atom index and the range of a neighbour listing, and for the potentials the model file.
// Their values stay between uses. The listings are the core's (neighbours/NeighbourReport).
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "FileChooser.h"
#include "FltEdit.h"
#include "HelpContexts.h"
#include "neighbours/NeighbourReport.h"

class QFormLayout;
class QLineEdit;
class QPushButton;

namespace velkor {

class NeighbourDialog : public QDialog {
    Q_OBJECT
  public:
    QLineEdit* Edit1;      // target file name (read-only)
    QPushButton* BitBtn1;  // Select target
    halvern::TIntegerEdit* IdxEdit;
    halvern::TFloatEdit* RangeEdit;

    // The report of the dialog's values: its lines, or none after a message.
    virtual std::optional<std::vector<std::string>> MakeReport() = 0;
    // The report OK made before the dialog closed (OK keeps the dialog open, with every value,
    // until a report was made); none after Cancel.
    std::optional<std::vector<std::string>> takeReport() { return std::exchange(report_, {}); }

  protected:
    NeighbourDialog(const char* objectName, const char* caption, int helpContext,
                    const char* targetFilter, QWidget* parent);
    // Inserts a row above the atom index (the model file of the potentials).
    void addFileRow(const QString& label, QLineEdit* name, QPushButton* select);
    // Runs the open dialog from `pattern` and puts the chosen file's full name into `name`.
    void selectFile(QLineEdit* name, const char* title, const char* pattern, const char* filter);
    // The index and range as the listing takes them; false after the conversion message.
    bool indexAndRange(int32_t& k, float& range) const;

  private:
    QFormLayout* form_;
    std::optional<std::vector<std::string>> report_;
};

class TDistanceDlg : public NeighbourDialog {
    Q_OBJECT
  public:
    explicit TDistanceDlg(QWidget* parent = nullptr);
    std::optional<std::vector<std::string>> MakeReport() override;
};

class TNPotlDlg : public NeighbourDialog {
    Q_OBJECT
  public:
    explicit TNPotlDlg(QWidget* parent = nullptr);
    QLineEdit* Edit2;      // model file name (read-only)
    QPushButton* BitBtn5;  // Select model
    std::optional<std::vector<std::string>> MakeReport() override;
};

// Both dialogs list the neighbours in the same target file: a name chosen in one is shown in
// the other.
void ShareTargetName(NeighbourDialog& distances, NeighbourDialog& potentials);

// The report windows' captions: "NEIGHBOR.TXT" / "POTENTL.TXT", ".RTF" after a second dot in rich
// text mode.
std::string NeighbourReportCaption(bool potential, bool plainText);

}  // namespace velkor
