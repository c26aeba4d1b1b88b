// TGrOpenForm, "Open Display": the cache to show, its data file and columns, and its pen and
// symbols, with a preview of the style. The dialog keeps its fields between uses.
#pragma once

#include <QDialog>
#include <QImage>
#include <string>

#include "grapher/OpenDisplay.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace halvern {
class RadioGroup;
class TIntegerComboBox;
class TIntegerEdit;
}  // namespace halvern

namespace brisal {

class PenPreviewBox;

class TGrOpenForm : public QDialog {
    Q_OBJECT
  public:
    explicit TGrOpenForm(QWidget* parent = nullptr);

    // The accepted dialog's values; the cache index is the command's to read from IdxEdit.
    halvern::OpenDisplayValues values() const;
    std::string indexText() const;
    void setIndexText(const QString& text);
    // The fields a cache fills before the dialog shows.
    void showCache(const halvern::DataCache& cache);

    // "&Browse": a chosen data file.
    void Button1Click();
    // "Pen colour..": the colour dialog; the choice stays for the next use.
    void Button2Click();
    // OK closes only with a data file that can be loaded when loading is ticked.
    void OkClick();
    void DrawPreview();
    const QImage& preview() const;

    halvern::TIntegerComboBox* IdxEdit = nullptr;
    QLineEdit* Edit1 = nullptr;
    halvern::TIntegerEdit* XColEdit = nullptr;
    halvern::TIntegerEdit* YColEdit = nullptr;
    halvern::RadioGroup* RadioGroup1 = nullptr;
    halvern::TIntegerEdit* WidthEdit = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    halvern::TIntegerEdit* SymEdit = nullptr;
    halvern::RadioGroup* RadioGroup2 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    halvern::TIntegerEdit* OffsetEd = nullptr;
    QCheckBox* CheckBox1 = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* buildFileRow();
    QWidget* buildStyleRow();

    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    PenPreviewBox* preview_ = nullptr;
    halvern::ColourRef colour_ = halvern::colour::Black;
};

}  // namespace brisal
