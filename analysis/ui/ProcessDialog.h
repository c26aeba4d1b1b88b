// The frame shared by the process dialogs: the source and destination rows with their browse
// buttons, the display check box, OK, Cancel and Help, and the check that lets OK close the
// dialog only for an existing source file. The dialogs are made once and keep their contents.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "DialogButtons.h"
#include "FileChooser.h"

class QCheckBox;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace brisal {

class ExpressionCombo;
class TGeniusForm;

struct ProcessDialogSpec {
    QString caption;
    int helpContext = 0;
    QString destinationDefault;          // "*.dat"
    halvern::FileDialogSpec saveDialog;  // SaveDialog1
    QString displayCaption;              // empty: no display check box
    bool displayTicked = false;
};

// OpenDialog1 of every process dialog.
halvern::FileDialogSpec SourceDialogSpec();
// SaveDialog1 of a destination with this extension and filter caption ("Data file").
halvern::FileDialogSpec DestinationDialogSpec(const std::string& ext,
                                              const std::string& filterCaption);

class TProcessDialog : public QDialog {
    Q_OBJECT
  public:
    TProcessDialog(const ProcessDialogSpec& setup, QWidget* parent);

    std::string source() const;
    std::string destination() const;
    // The display check box is ticked and the viewer it asks for is there.
    bool display() const;
    // Without the viewer, the display box stays as the user left it but cannot be changed.
    void setDisplayAvailable(bool available);

    // "&Browse": a chosen source and the destination proposed for it.
    void Button1Click();
    // "B&rowse": a chosen destination.
    void Button2Click();
    // "&OK": the numeric fields checked, the expressions remembered, then the close query.
    void BitBtn1Click();
    // "&Genius...": the Expression Genius's choice replaces the first expression.
    virtual void BitBtn4Click();
    // The Expression Genius that "&Genius..." shows.
    void setGenius(TGeniusForm& genius) { genius_ = &genius; }
    // Lets OK close the dialog only for a source that names an existing file.
    bool FormCloseQuery();

  protected:
    // The rows above the file names.
    QGridLayout* inputsGrid() const { return inputs_; }
    // Notes below the file names.
    void addNote(const QString& text);
    // A button beside OK, Cancel and Help.
    void addButton(QPushButton* button);
    // "&Genius..." with its hint; it runs BitBtn4Click.
    void addGeniusButton(const QString& hint);
    // The box that the Expression Genius's choice goes into.
    void setGeniusTarget(ExpressionCombo* target) { geniusTarget_ = target; }
    // A box whose text OK adds to its history.
    void addExpressionBox(ExpressionCombo* box) { expressionBoxes_.push_back(box); }

    virtual std::string proposedDestination(const std::string& source) const;

  private:
    void addFileRow(int row, const QString& label, QLineEdit* edit, QPushButton* browse);

    ProcessDialogSpec setup_;
    QGridLayout* inputs_ = nullptr;
    QGridLayout* files_ = nullptr;
    QVBoxLayout* notes_ = nullptr;
    QHBoxLayout* buttons_ = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    std::vector<ExpressionCombo*> expressionBoxes_;
    TGeniusForm* genius_ = nullptr;
    ExpressionCombo* geniusTarget_ = nullptr;
};

}  // namespace brisal
