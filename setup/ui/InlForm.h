// TInlForm: the inelastic-loss dialog. Three pages edit the tables of the LSS, Oen-Robinson and
// Shapiro-Tombrello models, a fourth computes K(LSS) or K(OR); OK writes the inelastic file.
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "FltEdit.h"
#include "inputfiles/InelasticTables.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace halvern {
class RadioGroup;
}

namespace velkor {

class TInlForm : public QDialog {
    Q_OBJECT
  public:
    TInlForm(TInelasticSpec& spec, QWidget* parent = nullptr);
    ~TInlForm() override;

    // The file the dialog writes; set by the main window, and by a confirmed save.
    std::string FileName = "UNTITLED.INL";

    // One page's table with its Add and Clear buttons.
    struct TablePage {
        QTableWidget* grid = nullptr;
        QPushButton* add = nullptr;
        QPushButton* clear = nullptr;
        InelasticTable* table = nullptr;
    };
    std::array<TablePage, 3> Tables;  // LSS, Oen-Robinson, Shapiro-Tombrello

    QTabWidget* PageControl1;
    halvern::TFloatEdit* FloatEdit1;  // velocity threshold
    halvern::TFloatEdit* FloatEdit2;  // maximum apsidal distance
    halvern::TFloatEdit* FloatEdit3;  // gamma
    // The compute page.
    halvern::TIntegerEdit* IntegerEdit1;  // Z1
    halvern::TFloatEdit* FloatEdit4;      // Z2
    halvern::TFloatEdit* FloatEdit5;      // M2
    halvern::TFloatEdit* FloatEdit6;      // density
    halvern::RadioGroup* RadioGroup1;     // energy loss model
    QCheckBox* Permute;
    QPushButton* Button7;  // runs Evaluate
    QLineEdit* Edit1;      // the result
    QLabel* Image1;        // the LSS formula
    QLabel* Image2;        // the Oen-Robinson formula
    QLabel* UnitsLabel;
    QLabel* FormulaLabel;

    void Evaluate();

  protected:
    void showEvent(QShowEvent* event) override;
    // Every close (OK, Cancel, the close box) passes the row check first.
    void done(int result) override;

  private:
    QWidget* makeTablePage(size_t index, InelasticTable& table, const char* addText,
                           const char* clearText, const char* addName, const char* clearName);
    QWidget* makeLssPage();
    QWidget* makeOrPage();
    QWidget* makeStPage();
    QWidget* makeComputePage();

    void showTable(const TablePage& page);
    void showRecord();
    void storeEdits();
    void addRow(TablePage& page);
    void clearRow(TablePage& page);
    void cellEdited(const TablePage& page, int row, int column);
    void sanitiseLeftTable(QWidget* old, QWidget* now);
    void RadioGroup1Click();
    bool closeCheck();
    bool BitBtn1Click();

    TInelasticSpec& spec_;
    QMetaObject::Connection focusWatch_;
};

}  // namespace velkor
