#include "TrajPlotForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "DisplayText.h"
#include "FileSafety.h"
#include "FltEdit.h"
#include "GraphOutput.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "HelpWindow.h"
#include "ItemRadioGroup.h"
#include "ModalRunner.h"
#include "NumberText.h"
#include "PlotOptionsForm.h"
#include "ShortString.h"
#include "UiSink.h"
#include "WaitCursor.h"
#include "plotter/PlotterSettings.h"

namespace brisal {

using halvern::DecodeText;
using halvern::GuardedSlot;
using halvern::PlotShift;
using halvern::RotationPlane;

namespace {

const QSize kPictureSize(600, 420);

QToolButton* ToolButton(QWidget* parent, const char* name, const char* hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromLatin1(hint));
    button->setAutoRaise(true);
    return button;
}

// An up-down: two arrow buttons, previous and next.
QWidget* UpDown(const char* name, const char* hint, Qt::Orientation orientation,
                std::function<void(bool)> stepped) {
    auto* box = new QWidget;
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(QString::fromLatin1(hint));
    auto* layout = orientation == Qt::Horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout(box))
                                                 : static_cast<QBoxLayout*>(new QVBoxLayout(box));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const bool across = orientation == Qt::Horizontal;
    // Vertically the next (up) arrow comes first.
    for (const int place : {0, 1}) {
        const bool next = across == (place == 1);
        auto* arrow = new QToolButton(box);
        arrow->setObjectName(QString::fromLatin1(name) + (next ? "Next" : "Previous"));
        arrow->setArrowType(across ? (next ? Qt::RightArrow : Qt::LeftArrow)
                                   : (next ? Qt::UpArrow : Qt::DownArrow));
        arrow->setAutoRepeat(true);
        layout->addWidget(arrow);
        QObject::connect(arrow, &QToolButton::clicked, box,
                         GuardedSlot([stepped, next] { stepped(next); }));
    }
    return box;
}

QLabel* NamedLabel(const char* name, const QString& text = {}) {
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

halvern::FileDialogSpec PlotterOpenDialogSpec() {
    return {"Open for Trajectory Plot",
            "Ostrel output file|*.osl|Ascii data file|*.dat|Any ascii file|*.*", "*.osl", "osl"};
}

TrajPicture::TrajPicture(QSize size, QWidget* parent)
    : QWidget(parent), image(size, QImage::Format_RGB32) {
    setObjectName(QStringLiteral("Graph"));
    setFixedSize(size);
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    image.fill(Qt::black);
}

void TrajPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}

void TrajPicture::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT mouseMoved(event->position().toPoint());
}

TTrajPlotForm::TTrajPlotForm(QWidget* parent) : QMainWindow(parent, Qt::Window) {
    setObjectName(QStringLiteral("TrajPlotForm"));
    setWindowTitle(QStringLiteral("Trajectory Plotter"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    icons_ = DefaultPlotIcons();
    style_.mainIcon = icons_.icon;
    style_.highlightIcon = icons_.hiIcon;
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setSingleShot(true);
    timer_->setInterval(plot_.settings.delayMs);
    connect(timer_, &QTimer::timeout, this, GuardedSlot([this] { Timer1Timer(); }));

    picture_ = new TrajPicture(kPictureSize);
    connect(picture_, &TrajPicture::mouseMoved, this, [this](QPoint position) {
        halvern::RunGuarded(halvern::UiSink(), [&] { showReadOut(position); });
    });
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildTopPanel());
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildLeftPanel(), 0, Qt::AlignTop);
    middle->addWidget(picture_);
    layout->addLayout(middle);
    layout->addWidget(buildBottomPanel());
    setCentralWidget(central);
    buildMenus();

    halvern::SetHelpContext(this, kTrajectoryPlotterHelp);
    // Alt with an arrow shifts the view; an arrow alone does not.
    const std::pair<Qt::Key, PlotShift> shifts[] = {{Qt::Key_Up, PlotShift::Up},
                                                    {Qt::Key_Down, PlotShift::Down},
                                                    {Qt::Key_Left, PlotShift::Left},
                                                    {Qt::Key_Right, PlotShift::Right}};
    for (const auto& [key, direction] : shifts) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | key), this);
        connect(shortcut, &QShortcut::activated, this,
                GuardedSlot([this, d = direction] { shift(d); }));
    }
    adjustSize();
    setFixedSize(size());
}

void TTrajPlotForm::buildMenus() {
    auto add = [this](QMenu* menu, const char* name, const QString& text,
                      void (TTrajPlotForm::*handler)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this,
                GuardedSlot([this, handler] { (this->*handler)(); }));
        return action;
    };
    QMenu* display = menuBar()->addMenu(QStringLiteral("&Display"));
    add(display, "BackgroundColour1", QStringLiteral("&Background colour"),
        &TTrajPlotForm::BackgroundColour1Click)
        ->setShortcut(QKeySequence(Qt::Key_F2));
    add(display, "RestoreDefaults1", QStringLiteral("&Restore defaults"),
        &TTrajPlotForm::RestoreDefaults1Click);
    add(display, "NewDataSource1", QStringLiteral("&New data source"),
        &TTrajPlotForm::NewDataSource1Click);
    add(display, "LoadMainIcon1", QStringLiteral("Load &main icon"),
        &TTrajPlotForm::LoadMainIcon1Click);
    add(display, "LoadHighlightIcon1", QStringLiteral("Load &highlight icon"),
        &TTrajPlotForm::LoadHighlightIcon1Click);
    add(display, "Options1", QStringLiteral("&Options"), &TTrajPlotForm::Options1Click);
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    add(edit, "CopyBitmap1", QStringLiteral("&Copy bitmap"), &TTrajPlotForm::CopyBitmap1Click);
    add(edit, "SaveBitmap1", QStringLiteral("&Save bitmap"), &TTrajPlotForm::SaveBitmap1Click);
    // Opening the menu copies the picture as well.
    connect(edit, &QMenu::aboutToShow, this, GuardedSlot([this] { CopyBitmap1Click(); }));
    QAction* help = menuBar()->addAction(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    connect(help, &QAction::triggered, this,
            GuardedSlot([] { halvern::ShowHelp(kHelpProgram, kTrajectoryPlotterHelp); }));
}

QWidget* TTrajPlotForm::buildTopPanel() {
    auto* panel = new QWidget;
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    auto command = [this, panel, row](const char* name, const char* hint,
                                      void (TTrajPlotForm::*handler)()) {
        QToolButton* button = ToolButton(panel, name, hint);
        row->addWidget(button);
        connect(button, &QToolButton::clicked, this,
                GuardedSlot([this, handler] { (this->*handler)(); }));
        return button;
    };
    auto shiftButton = [&](const char* name, const char* hint, Qt::ArrowType arrow, PlotShift d) {
        QToolButton* button = ToolButton(panel, name, hint);
        button->setArrowType(arrow);
        row->addWidget(button);
        connect(button, &QToolButton::clicked, this, GuardedSlot([this, d] { shift(d); }));
    };
    shiftButton("SpeedButton4", "Shift left", Qt::LeftArrow, PlotShift::Left);
    shiftButton("SpeedButton1", "Shift up", Qt::UpArrow, PlotShift::Up);
    shiftButton("SpeedButton3", "Shift right", Qt::RightArrow, PlotShift::Right);
    shiftButton("SpeedButton2", "Shift down", Qt::DownArrow, PlotShift::Down);
    row->addSpacing(12);
    const QStyle* s = style();
    command("PlayBtn", "Play forward", &TTrajPlotForm::PlayBtnClick)
        ->setIcon(s->standardIcon(QStyle::SP_MediaPlay));
    PauseBtn = command("PauseBtn", halvern::kPauseHint, &TTrajPlotForm::PauseBtnClick);
    PauseBtn->setIcon(s->standardIcon(QStyle::SP_MediaPause));
    command("StopBtn", "Stop play", &TTrajPlotForm::StopBtnClick)
        ->setIcon(s->standardIcon(QStyle::SP_MediaStop));
    command("FastForwardBtn", "Frame forward", &TTrajPlotForm::FastForwardBtnClick)
        ->setIcon(s->standardIcon(QStyle::SP_MediaSeekForward));
    command("FastBackwardBtn", "Frame back", &TTrajPlotForm::FastBackwardBtnClick)
        ->setIcon(s->standardIcon(QStyle::SP_MediaSeekBackward));
    const QPixmap play = s->standardIcon(QStyle::SP_MediaPlay).pixmap(16);
    command("PlayBackBtn", "Play backwards", &TTrajPlotForm::PlayBackBtnClick)
        ->setIcon(QIcon(QPixmap::fromImage(play.toImage().mirrored(true, false))));
    command("LoopBtn", "Loop", &TTrajPlotForm::LoopBtnClick)
        ->setIcon(s->standardIcon(QStyle::SP_BrowserReload));
    row->addSpacing(12);
    FrameLbl = NamedLabel("FrameLbl");
    FrameLbl->setMinimumWidth(120);
    TimeLbl = NamedLabel("TimeLbl");
    TimeLbl->setMinimumWidth(70);
    row->addWidget(FrameLbl);
    row->addWidget(TimeLbl);
    row->addStretch();
    command("SpeedButton5", "Display specified frame", &TTrajPlotForm::SpeedButton5Click)
        ->setIcon(s->standardIcon(QStyle::SP_MediaSkipBackward));
    FrameNumEdit = new halvern::TIntegerEdit(panel);
    FrameNumEdit->setObjectName(QStringLiteral("FrameNumEdit"));
    FrameNumEdit->setMaxLength(halvern::kFrameNumberLength);
    FrameNumEdit->setMaximumWidth(60);
    FrameNumEdit->setText(QStringLiteral("1"));
    row->addWidget(FrameNumEdit);
    command("SpeedButton6", "Display specified frame", &TTrajPlotForm::SpeedButton6Click)
        ->setIcon(s->standardIcon(QStyle::SP_MediaSkipForward));
    return panel;
}

QWidget* TTrajPlotForm::buildLeftPanel() {
    auto* panel = new QWidget;
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    RGDisplayType = new halvern::RadioGroup(
        QString(), {QStringLiteral("xy-plane"), QStringLiteral("yz-plane"), QStringLiteral("xz-plane")});
    RGDisplayType->setObjectName(QStringLiteral("RGDisplayType"));
    RGDisplayType->setToolTip(QStringLiteral("Change plane of view"));
    RGDisplayType->setItemIndex(static_cast<int>(halvern::Perspective::XZ));
    connect(RGDisplayType, &halvern::RadioGroup::itemClicked, this,
            GuardedSlot([this] { RGDisplayTypeClick(); }));
    column->addWidget(RGDisplayType);

    column->addWidget(new QLabel(QStringLiteral("Rotate display")));
    auto* rotations = new QGridLayout;
    const struct {
        const char* label;
        const char* upDown;
        const char* hint;
        const char* edit;
        RotationPlane plane;
    } planes[] = {
        {"R(x,y)", "UpDown1", "Rotate in (x,y) plane", "angxy", RotationPlane::XY},
        {"R(y,z)", "UpDown2", "Rotate in (y,z) plane", "angyz", RotationPlane::YZ},
        {"R(z,x)", "UpDown3", "Rotate in (z,x) plane", "angzx", RotationPlane::ZX},
    };
    int row = 0;
    for (const auto& p : planes) {
        rotations->addWidget(new QLabel(QString::fromLatin1(p.label)), row, 0);
        rotations->addWidget(UpDown(p.upDown, p.hint, Qt::Horizontal,
                                    [this, plane = p.plane](bool next) { rotateStep(plane, next); }),
                             row, 1);
        auto* edit = new halvern::TFloatEdit;
        edit->setObjectName(QString::fromLatin1(p.edit));
        edit->setMinValue(-halvern::kRotationAngleLimit);
        edit->setMaxValue(halvern::kRotationAngleLimit);
        edit->setText(QStringLiteral("0.0"));
        edit->setMaximumWidth(60);
        edit->setToolTip(QStringLiteral("Setting for \"Apply Rotation\" button"));
        angles_[row] = edit;
        rotations->addWidget(edit, row, 2);
        ++row;
    }
    column->addLayout(rotations);
    auto* apply = new QPushButton(QStringLiteral("Apply Rotation"));
    apply->setObjectName(QStringLiteral("Button1"));
    apply->setToolTip(QStringLiteral("Apply indicated 3-axes rotation"));
    connect(apply, &QPushButton::clicked, this, GuardedSlot([this] { Button1Click(); }));
    column->addWidget(apply);

    auto* zoom = new QHBoxLayout;
    zoom->addWidget(new QLabel(QStringLiteral("Zoom")));
    zoom->addWidget(UpDown("UpDown4", "Zoom", Qt::Vertical, [this](bool up) { zoomStep(up); }));
    Label2 = NamedLabel("Label2");
    zoom->addWidget(Label2);
    zoom->addStretch();
    column->addLayout(zoom);

    RGSymbols = new halvern::RadioGroup(
        QString(), {QStringLiteral("Icons"), QStringLiteral("Circles"), QStringLiteral("Points"),
                    QStringLiteral("Spheres")});
    RGSymbols->setObjectName(QStringLiteral("RGSymbols"));
    RGSymbols->setToolTip(QStringLiteral("Symbols to display"));
    RGSymbols->setItemIndex(static_cast<int>(style_.symbols));
    connect(RGSymbols, &halvern::RadioGroup::itemClicked, this,
            GuardedSlot([this] { RGSymbolsClick(); }));
    column->addWidget(RGSymbols);
    column->addStretch();
    return panel;
}

QWidget* TTrajPlotForm::buildBottomPanel() {
    auto* panel = new QWidget;
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    RefreshBox = new QCheckBox(QStringLiteral("Refresh between frames"));
    RefreshBox->setObjectName(QStringLiteral("RefreshBox"));
    RefreshBox->setChecked(style_.refresh);
    connect(RefreshBox, &QCheckBox::toggled, this, [this](bool on) { style_.refresh = on; });
    row->addWidget(RefreshBox);
    auto* readOut = new QGroupBox;
    readOut->setToolTip(QStringLiteral("Cumulative rotations, cursor coordinates"));
    auto* labels = new QHBoxLayout(readOut);
    const char* names[] = {"lblRxy", "lblRyz", "lblRzx"};
    for (int k = 0; k < 3; ++k) {
        rotationLabels_[k] = NamedLabel(names[k]);
        rotationLabels_[k]->setMinimumWidth(90);
        labels->addWidget(rotationLabels_[k]);
    }
    poslblx = NamedLabel("poslblx");
    poslbly = NamedLabel("poslbly");
    for (QLabel* label : {poslblx, poslbly}) {
        label->setMinimumWidth(90);
        labels->addWidget(label);
    }
    row->addWidget(readOut, 1);
    syncRotationLabels();
    return panel;
}

const QImage& TTrajPlotForm::picture() const {
    return picture_->image;
}

bool TTrajPlotForm::timerActive() const {
    return timer_->isActive();
}

void TTrajPlotForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Every showing by the program loads the file, a window manager's showing does not; the load
    // starts once the window is on the screen, where it paints while the file is read.
    if (event->spontaneous() || loadPending_) return;
    loadPending_ = true;
    QTimer::singleShot(0, this, GuardedSlot([this] {
                           loadPending_ = false;
                           if (isVisible()) loadData();
                       }));
}

void TTrajPlotForm::closeEvent(QCloseEvent* event) {
    if (loading_) {
        closeAfterLoad_ = true;
        event->ignore();
        return;
    }
    stopAndFree();
    event->accept();
    Q_EMIT closed();
}

void TTrajPlotForm::stopPlay() {
    plot_.animation.stop();
    timer_->stop();
}

void TTrajPlotForm::stopAndFree() {
    stopPlay();
    halvern::FreePlot(plot_);
}

void TTrajPlotForm::loadData() {
    if (loading_) return;
    stopPlay();
    poslblx->clear();
    poslbly->clear();
    readData();
    if (closeAfterLoad_) {
        closeAfterLoad_ = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
    setWindowTitle(DecodeText(halvern::PlotCaption(plot_)));
    timer_->setInterval(plot_.settings.delayMs);
    RGDisplayType->setItemIndex(static_cast<int>(plot_.view.perspective));
    for (halvern::TFloatEdit* edit : angles_) edit->setText(QStringLiteral("0.0"));
    Label2->setText(QString::number(plot_.view.zoom.position));
    FrameNumEdit->setMinValue(1);
    FrameNumEdit->setMaxValue(std::max(plot_.animation.frameCount(), 1));
    PauseBtn->setToolTip(QString::fromLatin1(plot_.animation.pauseHint()));
    ClearPlot(picture_->image, style_);
    DrawFrame();
}

void TTrajPlotForm::readData() {
    // The window paints while it reads, but takes no input, on every way out.
    struct Reading {
        explicit Reading(TTrajPlotForm& window) : w(window) {
            w.loading_ = true;
            w.setEnabled(false);
        }
        Reading(const Reading&) = delete;
        Reading& operator=(const Reading&) = delete;
        ~Reading() {
            w.loading_ = false;
            w.setEnabled(true);
        }
        TTrajPlotForm& w;
    };
    halvern::WaitCursor wait;
    Reading reading(*this);
    if (loadHost_ == nullptr) {
        halvern::LoadPlot(halvern::UiSink(), plot_);
        return;
    }
    loadHost_->runPlotLoad([this](halvern::ProcessHost& host) {
        halvern::LoadProgress progress(host);
        halvern::LoadPlot(host.sink(), plot_, &progress);
    });
}

void TTrajPlotForm::syncRotationLabels() {
    const auto texts = halvern::RotationLabelTexts(plot_.view);
    for (int k = 0; k < 3; ++k) rotationLabels_[k]->setText(QString::fromStdString(texts[k]));
}

void TTrajPlotForm::DrawFrame() {
    syncRotationLabels();
    const auto frame = halvern::CurrentFrame(plot_);
    if (!frame) {
        picture_->update();
        return;
    }
    halvern::ProjectCurrentFrame(plot_);
    TimeLbl->setText(QString::fromStdString(halvern::FrameTimeText(plot_.data, *frame)));
    FrameLbl->setText(QString::fromStdString(
        halvern::FrameLabelText(plot_.animation.current() + 1, plot_.animation.frameCount())));
    PaintPlotFrame(picture_->image, plot_, style_, sprites_);
    picture_->update();
}

void TTrajPlotForm::showReadOut(QPoint position) {
    const auto texts = halvern::ReadOutTexts(plot_.view, picture_->height(), position.x(),
                                             position.y());
    poslblx->setText(QString::fromStdString(texts[0]));
    poslbly->setText(QString::fromStdString(texts[1]));
}

void TTrajPlotForm::afterAnimation(bool draw) {
    if (draw) DrawFrame();
    PauseBtn->setToolTip(QString::fromLatin1(plot_.animation.pauseHint()));
    if (plot_.animation.playing())
        timer_->start(plot_.settings.delayMs);
    else
        timer_->stop();
}

void TTrajPlotForm::PlayBtnClick() {
    afterAnimation(plot_.animation.playForward());
}

void TTrajPlotForm::PlayBackBtnClick() {
    afterAnimation(plot_.animation.playBackward());
}

void TTrajPlotForm::LoopBtnClick() {
    afterAnimation(plot_.animation.loop());
}

void TTrajPlotForm::PauseBtnClick() {
    afterAnimation(plot_.animation.togglePause());
}

void TTrajPlotForm::StopBtnClick() {
    plot_.animation.stop();
    afterAnimation(false);
}

void TTrajPlotForm::FastForwardBtnClick() {
    afterAnimation(plot_.animation.frameForward());
}

void TTrajPlotForm::FastBackwardBtnClick() {
    afterAnimation(plot_.animation.frameBack());
}

void TTrajPlotForm::Timer1Timer() {
    afterAnimation(plot_.animation.tick());
}

void TTrajPlotForm::SpeedButton5Click() {
    showSpecifiedFrame(false);
}

void TTrajPlotForm::SpeedButton6Click() {
    showSpecifiedFrame(true);
}

void TTrajPlotForm::showSpecifiedFrame(bool offerNext) {
    int32_t n = 0;
    if (!FrameNumEdit->validate() || !halvern::ParseInt32(FrameNumEdit->text().toStdString(), n))
        return;
    afterAnimation(plot_.animation.showFrame(n));
    const int32_t offered = halvern::NextFrameNumber(n, plot_.animation.frameCount(), offerNext);
    FrameNumEdit->setText(QString::number(offered));
}

void TTrajPlotForm::shift(PlotShift direction) {
    halvern::ShiftPlot(plot_.view, direction);
    DrawFrame();
}

void TTrajPlotForm::zoomStep(bool up) {
    halvern::StepZoom(plot_.view.zoom, up);
    Label2->setText(QString::number(plot_.view.zoom.position));
    DrawFrame();
}

void TTrajPlotForm::rotateStep(RotationPlane plane, bool next) {
    halvern::RotateStep(plot_.data, plot_.view, plane, next);
    const auto texts = halvern::StepAngleTexts(plane, next);
    for (int k = 0; k < 3; ++k) angles_[k]->setText(QString::fromStdString(texts[k]));
    DrawFrame();
}

void TTrajPlotForm::Button1Click() {
    long double degrees[3] = {0, 0, 0};
    for (int k = 0; k < 3; ++k)
        if (!angles_[k]->validate() ||
            !halvern::ParseReal(angles_[k]->text().toStdString(), degrees[k]))
            return;
    halvern::ApplyRotation(plot_.data, plot_.view, degrees[0], degrees[1], degrees[2]);
    DrawFrame();
}

void TTrajPlotForm::RGDisplayTypeClick() {
    plot_.view.perspective = static_cast<halvern::Perspective>(RGDisplayType->itemIndex());
    DrawFrame();
}

void TTrajPlotForm::RGSymbolsClick() {
    style_.symbols = static_cast<halvern::PlotSymbols>(RGSymbols->itemIndex());
    DrawFrame();
}

void TTrajPlotForm::BackgroundColour1Click() {
    const bool light = !style_.scheme.light;
    style_.scheme = light ? halvern::kLightScheme : halvern::kDarkScheme;
    style_.mainIcon = light ? icons_.wIcon : icons_.icon;
    style_.highlightIcon = light ? icons_.wHiIcon : icons_.hiIcon;
    ClearPlot(picture_->image, style_);
    DrawFrame();
}

void TTrajPlotForm::RestoreDefaults1Click() {
    loadData();
}

void TTrajPlotForm::NewDataSource1Click() {
    const auto chosen = halvern::UiFileChooser().openFile(this, PlotterOpenDialogSpec());
    if (!chosen) return;
    if (!halvern::FileNameFits(*chosen)) {
        halvern::UiSink().error(halvern::FileNameTooLongText(*chosen));
        return;
    }
    stopAndFree();
    plot_.fileName = *chosen;
    loadData();
}

void TTrajPlotForm::Options1Click() {
    stopPlay();
    if (options_ == nullptr || RunModal(*options_) != QDialog::Accepted) return;
    plot_.settings = options_->settings();
    loadData();
}

void TTrajPlotForm::loadIcon(QImage& hidden, QImage PlotStyle::*current) {
    stopPlay();
    const auto chosen = halvern::UiFileChooser().openFile(
        this, {"Load new icon", "Icon file|*.ico", "*.ico", "ico"});
    if (!chosen) return;
    QImage icon;
    if (!icon.load(DecodeText(*chosen)) || icon.isNull()) {
        halvern::UiSink().error("Cannot read an icon from " + *chosen + ".");
        return;
    }
    hidden = icon.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    style_.*current = hidden;
    DrawFrame();
}

void TTrajPlotForm::LoadMainIcon1Click() {
    loadIcon(icons_.icon, &PlotStyle::mainIcon);
}

void TTrajPlotForm::LoadHighlightIcon1Click() {
    loadIcon(icons_.hiIcon, &PlotStyle::highlightIcon);
}

void TTrajPlotForm::CopyBitmap1Click() {
    QGuiApplication::clipboard()->setImage(picture_->image);
}

void TTrajPlotForm::SaveBitmap1Click() {
    const auto chosen = halvern::UiFileChooser().saveFile(
        this, {"Save Graphic as Bitmap", "Windows bitmap|*.bmp", "*.bmp", "bmp"});
    if (chosen) SavePictureAsBitmap(halvern::UiSink(), picture_->image, *chosen);
}

}  // namespace brisal
