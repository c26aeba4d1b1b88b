#include "StyleDlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ColourChoice.h"
#include "DialogButtons.h"
#include "DisplayText.h"
#include "FltEdit.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "NumericControl.h"
#include "NumericFields.h"

namespace brisal {

using halvern::GraphSetupValues;
using halvern::GuardedSlot;
using halvern::SetupAxis;
using halvern::SetupText;
namespace bounds = halvern::graph_setup;

namespace {

halvern::TIntegerEdit* Field(const QString& name, halvern::IntBounds b) {
    halvern::TIntegerEdit* field = IntegerField(name.toLatin1().constData(), "0", b.min, b.max);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-00000")) + 16);
    return field;
}

halvern::TFloatEdit* Field(const QString& name, halvern::RealBounds b) {
    return RealField(name.toLatin1().constData(), "0", b.min, b.max);
}

QCheckBox* CheckBox(const QString& name, const QString& caption) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    return box;
}

QLineEdit* TextEdit(const QString& name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMaxLength(static_cast<int>(halvern::kGraphTextMax));
    return edit;
}

void Show(halvern::TFloatEdit* edit, long double value) {
    edit->setText(QString::fromStdString(halvern::RealToText13(value)));
}

void Show(halvern::TIntegerEdit* edit, int32_t value) {
    edit->setText(QString::number(value));
}

void ShowText(const TextRowFields& row, const SetupText& v) {
    row.shown->setChecked(v.visible);
    row.text->setText(halvern::DecodeText(v.text));
    Show(row.x, v.x);
    Show(row.y, v.y);
}

SetupText TextOf(const TextRowFields& row) {
    return {row.shown->isChecked(), halvern::CoreText(row.text->text()), IntegerValue(*row.x),
            IntegerValue(*row.y)};
}

void ShowAxis(const AxisPageFields& f, const SetupAxis& v) {
    Show(f.minimum, v.minimum);
    Show(f.maximum, v.maximum);
    Show(f.scale, v.length);
    Show(f.h, v.labelH);
    Show(f.v, v.labelV);
    Show(f.chars, v.labelChars);
    Show(f.labelScale, v.labelScale);
    Show(f.interval, v.labelInterval);
}

SetupAxis AxisOf(const AxisPageFields& f) {
    SetupAxis v;
    v.minimum = RealValue(*f.minimum);
    v.maximum = RealValue(*f.maximum);
    v.length = RealValue(*f.scale);
    v.labelH = IntegerValue(*f.h);
    v.labelV = IntegerValue(*f.v);
    v.labelChars = IntegerValue(*f.chars);
    v.labelScale = RealValue(*f.labelScale);
    v.labelInterval = IntegerValue(*f.interval);
    return v;
}

// A title row of the "Axes" page: tick, text and position in one line of the grid.
TextRowFields TitleRow(QGridLayout* grid, int row, const QString& shownName,
                       const QString& caption, const QString& textName, int firstPositionEdit) {
    TextRowFields f;
    f.shown = CheckBox(shownName, caption);
    f.text = TextEdit(textName);
    f.x = Field(QStringLiteral("IntegerEdit%1").arg(firstPositionEdit), bounds::kPosition);
    f.y = Field(QStringLiteral("IntegerEdit%1").arg(firstPositionEdit + 1), bounds::kPosition);
    grid->addWidget(f.shown, row, 0);
    grid->addWidget(f.text, row, 1);
    grid->addWidget(f.x, row, 2);
    grid->addWidget(f.y, row, 3);
    return f;
}

}  // namespace

TStyleDlg::TStyleDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Graph Set-Up"));
    PageControl1 = new QTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(axisPage(xData, {"xMinEdit", "xMaxEdit", "xScEdit", "xhEdit", "xvEdit",
                                          "nCharXEdit", "sFactXEdit", "xNumIntEdit"}),
                         QStringLiteral("X-data"));
    PageControl1->addTab(axisPage(yData, {"YMinEdit", "YMaxEdit", "YScEdit", "yhEdit", "yvEdit",
                                          "nCharYEdit", "sFactYEdit", "YNumIntEdit"}),
                         QStringLiteral("Y-data"));
    PageControl1->addTab(axesPage(), QStringLiteral("Axes"));
    PageControl1->addTab(statusPage(), QStringLiteral("Status"));
    PageControl1->addTab(labelsPage(), QStringLiteral("Labels"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    layout->addLayout(MakeDialogButtons(*this, kGraphSetupHelp, [this] { OkClick(); }).row);
}

QWidget* TStyleDlg::axisPage(AxisPageFields& f, const std::array<const char*, 8>& names) {
    auto name = [&](size_t i) { return QString::fromLatin1(names[i]); };
    f.minimum = Field(name(0), bounds::kValue);
    f.maximum = Field(name(1), bounds::kValue);
    f.scale = Field(name(2), bounds::kAxisLength);
    f.h = Field(name(3), bounds::kLabelOffset);
    f.v = Field(name(4), bounds::kLabelOffset);
    f.chars = Field(name(5), bounds::kLabelChars);
    f.chars->setToolTip(QStringLiteral("n < 10: decimal format; otherwise scientific format"));
    f.labelScale = Field(name(6), bounds::kValue);
    f.interval = Field(name(7), bounds::kLabelInterval);

    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto* range = new QGroupBox(QStringLiteral("Axis"));
    auto* r = new QFormLayout(range);
    r->addRow(BuddyLabel(QStringLiteral("&Minimum value"), f.minimum), f.minimum);
    r->addRow(BuddyLabel(QStringLiteral("Ma&ximum value"), f.maximum), f.maximum);
    r->addRow(BuddyLabel(QStringLiteral("&Scale factor"), f.scale), f.scale);
    auto* labels = new QGroupBox(QStringLiteral("Labels"));
    auto* l = new QFormLayout(labels);
    l->addRow(BuddyLabel(QStringLiteral("&Horizontal offset (px)"), f.h), f.h);
    l->addRow(BuddyLabel(QStringLiteral("&Vertical offset (px)"), f.v), f.v);
    l->addRow(BuddyLabel(QStringLiteral("&No. of characters"), f.chars), f.chars);
    l->addRow(BuddyLabel(QStringLiteral("Label scale &factor"), f.labelScale), f.labelScale);
    l->addRow(BuddyLabel(QStringLiteral("Label &interval (ticks)"), f.interval), f.interval);
    grid->addWidget(range, 0, 0);
    grid->addWidget(labels, 0, 1);
    grid->setRowStretch(1, 1);
    return page;
}

QWidget* TStyleDlg::axesPage() {
    xticks = Field(QStringLiteral("xticks"), bounds::kTicks);
    yticks = Field(QStringLiteral("yticks"), bounds::kTicks);
    TickEdit = Field(QStringLiteral("TickEdit"), bounds::kTickLength);
    AxesWidthEd = Field(QStringLiteral("AxesWidthEd"), bounds::kAxesWidth);
    Button1 = new QPushButton(QStringLiteral("&Axes colour"));
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, GuardedSlot([this] { Button1Click(); }));
    PlotAxisX = CheckBox(QStringLiteral("PlotAxisX"), QStringLiteral("Draw x-axis"));
    PlotAxisY = CheckBox(QStringLiteral("PlotAxisY"), QStringLiteral("Draw y-axis"));
    BoxAxis = CheckBox(QStringLiteral("BoxAxis"), QStringLiteral("Draw 4 sides"));
    ClipBox = CheckBox(QStringLiteral("ClipBox"), QStringLiteral("Clip to axes"));

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* axes = new QGridLayout;
    axes->addWidget(BuddyLabel(QStringLiteral("No. X-ticks"), xticks), 0, 0);
    axes->addWidget(xticks, 0, 1);
    axes->addWidget(BuddyLabel(QStringLiteral("No. Y-ticks"), yticks), 1, 0);
    axes->addWidget(yticks, 1, 1);
    axes->addWidget(BuddyLabel(QStringLiteral("Tick length (px)"), TickEdit), 2, 0);
    axes->addWidget(TickEdit, 2, 1);
    axes->addWidget(BuddyLabel(QStringLiteral("Axes line width"), AxesWidthEd), 0, 2);
    axes->addWidget(AxesWidthEd, 0, 3);
    axes->addWidget(Button1, 1, 2, 1, 2);
    axes->addWidget(PlotAxisX, 0, 4);
    axes->addWidget(PlotAxisY, 1, 4);
    axes->addWidget(BoxAxis, 2, 4);
    axes->addWidget(ClipBox, 3, 4);
    layout->addLayout(axes);

    auto* titles = new QGroupBox(QStringLiteral("Titles"));
    auto* grid = new QGridLayout(titles);
    grid->addWidget(new QLabel(QStringLiteral("x (px)")), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("y (px)")), 0, 3);
    mainTitle = TitleRow(grid, 1, QStringLiteral("MainT"), QStringLiteral("Main"),
                         QStringLiteral("MainTitleEd"), 1);
    xTitle = TitleRow(grid, 2, QStringLiteral("XT"), QStringLiteral("X-axis"),
                      QStringLiteral("XTitleEd"), 3);
    yTitle = TitleRow(grid, 3, QStringLiteral("YT"), QStringLiteral("Y-Axis"),
                      QStringLiteral("YTitleEd"), 5);
    grid->setColumnStretch(1, 1);
    layout->addWidget(titles);
    layout->addStretch();
    return page;
}

QWidget* TStyleDlg::statusPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Data caches shown:")));
    for (int i = 0; i < halvern::kCacheCount; ++i) {
        QCheckBox* box = CheckBox(QStringLiteral("CheckBox%1").arg(i + 1), QString());
        statusBoxes[static_cast<size_t>(i)] = box;
        layout->addWidget(box);
    }
    layout->addStretch();
    return page;
}

QWidget* TStyleDlg::labelsPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(new QLabel(QStringLiteral("Text")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Show")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("x (px)")), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("y (px)")), 0, 3);
    for (int i = 0; i < halvern::kLabelCount; ++i) {
        TextRowFields& f = labels[static_cast<size_t>(i)];
        f.text = TextEdit(QStringLiteral("Lbl%1").arg(i + 1));
        f.shown = CheckBox(QStringLiteral("CheckBox%1").arg(i + 11), QString());
        f.x = Field(QStringLiteral("lo%1").arg(i + 1), bounds::kPosition);
        f.y = Field(QStringLiteral("hi%1").arg(i + 1), bounds::kPosition);
        grid->addWidget(f.text, i + 1, 0);
        grid->addWidget(f.shown, i + 1, 1);
        grid->addWidget(f.x, i + 1, 2);
        grid->addWidget(f.y, i + 1, 3);
    }
    grid->setColumnStretch(0, 1);
    return page;
}

void TStyleDlg::fill(const GraphSetupValues& v,
                     const std::array<std::string, halvern::kCacheCount>& captions) {
    ShowAxis(xData, v.x);
    ShowAxis(yData, v.y);
    Show(xticks, v.xTicks);
    Show(yticks, v.yTicks);
    Show(TickEdit, v.tickLength);
    Show(AxesWidthEd, v.axesWidth);
    axesColour_ = v.axesColour;
    PlotAxisX->setChecked(v.drawX);
    PlotAxisY->setChecked(v.drawY);
    BoxAxis->setChecked(v.fourSides);
    ClipBox->setChecked(v.clip);
    ShowText(mainTitle, v.mainTitle);
    ShowText(xTitle, v.xTitle);
    ShowText(yTitle, v.yTitle);
    for (size_t i = 0; i < statusBoxes.size(); ++i) {
        statusBoxes[i]->setText(halvern::DecodeText(captions[i]));
        statusBoxes[i]->setChecked(v.shown[i]);
    }
    for (size_t i = 0; i < labels.size(); ++i) ShowText(labels[i], v.labels[i]);
}

GraphSetupValues TStyleDlg::values() const {
    GraphSetupValues v;
    v.x = AxisOf(xData);
    v.y = AxisOf(yData);
    v.xTicks = IntegerValue(*xticks);
    v.yTicks = IntegerValue(*yticks);
    v.tickLength = IntegerValue(*TickEdit);
    v.axesWidth = IntegerValue(*AxesWidthEd);
    v.axesColour = axesColour_;
    v.drawX = PlotAxisX->isChecked();
    v.drawY = PlotAxisY->isChecked();
    v.fourSides = BoxAxis->isChecked();
    v.clip = ClipBox->isChecked();
    v.mainTitle = TextOf(mainTitle);
    v.xTitle = TextOf(xTitle);
    v.yTitle = TextOf(yTitle);
    for (size_t i = 0; i < statusBoxes.size(); ++i) v.shown[i] = statusBoxes[i]->isChecked();
    for (size_t i = 0; i < labels.size(); ++i) v.labels[i] = TextOf(labels[i]);
    return v;
}

void TStyleDlg::Button1Click() {
    ChooseColour(this, axesColour_);
}

void TStyleDlg::OkClick() {
    // A field on a page not shown is checked with its page in front, so that its box and the
    // focus land where the user can see them.
    const int shown = PageControl1->currentIndex();
    for (int i = 0; i < PageControl1->count(); ++i) {
        PageControl1->setCurrentIndex(i);
        if (!halvern::ValidateNumericControls(PageControl1->widget(i))) return;
    }
    PageControl1->setCurrentIndex(shown);
    accept();
}

}  // namespace brisal
