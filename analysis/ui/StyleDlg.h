// TStyleDlg, "Graph Set-Up": axes ranges and labels, ticks and colours, titles, which caches
// show, and the free labels, on five pages. The dialog keeps some fields of its own between uses
// (see GraphSetupMemory).
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "grapher/GraphSetup.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace halvern {
class TFloatEdit;
class TIntegerEdit;
}  // namespace halvern

namespace brisal {

// The fields of the "X-data" or "Y-data" page.
struct AxisPageFields {
    halvern::TFloatEdit* minimum = nullptr;
    halvern::TFloatEdit* maximum = nullptr;
    halvern::TFloatEdit* scale = nullptr;
    halvern::TIntegerEdit* h = nullptr;
    halvern::TIntegerEdit* v = nullptr;
    halvern::TIntegerEdit* chars = nullptr;
    halvern::TFloatEdit* labelScale = nullptr;
    halvern::TIntegerEdit* interval = nullptr;
};

// A title or label: shown, text and position.
struct TextRowFields {
    QCheckBox* shown = nullptr;
    QLineEdit* text = nullptr;
    halvern::TIntegerEdit* x = nullptr;
    halvern::TIntegerEdit* y = nullptr;
};

class TStyleDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TStyleDlg(QWidget* parent = nullptr);

    // The grapher's values and the "Status" page's captions, before the dialog shows.
    void fill(const halvern::GraphSetupValues& values,
              const std::array<std::string, halvern::kCacheCount>& captions);
    // The accepted dialog's values.
    halvern::GraphSetupValues values() const;
    halvern::GraphSetupMemory& memory() { return memory_; }

    // "&Axes colour": the colour dialog preset with the current colour.
    void Button1Click();
    // OK: every page's numeric fields checked, the first refused one shown on its page.
    void OkClick();

    QTabWidget* PageControl1 = nullptr;
    AxisPageFields xData;
    AxisPageFields yData;
    halvern::TIntegerEdit* xticks = nullptr;
    halvern::TIntegerEdit* yticks = nullptr;
    halvern::TIntegerEdit* TickEdit = nullptr;
    halvern::TIntegerEdit* AxesWidthEd = nullptr;
    QCheckBox* PlotAxisX = nullptr;
    QCheckBox* PlotAxisY = nullptr;
    QCheckBox* BoxAxis = nullptr;
    QCheckBox* ClipBox = nullptr;
    TextRowFields mainTitle;
    TextRowFields xTitle;
    TextRowFields yTitle;
    std::array<QCheckBox*, halvern::kCacheCount> statusBoxes{};
    std::array<TextRowFields, halvern::kLabelCount> labels;

  private:
    QWidget* axisPage(AxisPageFields& fields, const std::array<const char*, 8>& names);
    QWidget* axesPage();
    QWidget* statusPage();
    QWidget* labelsPage();

    QPushButton* Button1 = nullptr;
    halvern::ColourRef axesColour_ = 0;
    halvern::GraphSetupMemory memory_;
};

}  // namespace brisal
