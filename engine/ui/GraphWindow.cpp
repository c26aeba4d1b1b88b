#include "GraphWindow.h"

#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QShowEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "AtomIcons.h"
#include "DisplayText.h"
#include "EngineHelp.h"
#include "GuardedSlot.h"
#include "QtColours.h"
#include "UiSink.h"

namespace halvern {

namespace {

const QSize kDefaultPictureSize(560, 400);

}  // namespace

GraphPicture::GraphPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Image1"));
    setToolTip(QStringLiteral("Double-click to pause"));
    setMinimumSize(120, 80);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!image.isNull()) painter.drawImage(0, 0, image);
}

void GraphPicture::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Q_EMIT resized();
}

void GraphPicture::mouseDoubleClickEvent(QMouseEvent*) {
    Q_EMIT doubleClicked();
}

TGraph::TGraph(double graphScale, QWidget* parent)
    : QMainWindow(parent, Qt::Window), graphScale_(graphScale) {
    setObjectName(QStringLiteral("TGraph"));
    setWindowTitle(QStringLiteral("Graph coordinates"));
    view_.scale = graphScale_;
    trgIcon_ = TargetAtomIcon(false);
    prjIcon_ = ProjectileAtomIcon(false);
    tinyTrgIcon_ = TargetAtomIcon(true);
    tinyPrjIcon_ = ProjectileAtomIcon(true);

    picture_ = new GraphPicture(this);
    picture_->resize(kDefaultPictureSize);
    setCentralWidget(picture_);
    status_ = new QLabel(this);
    statusBar()->addWidget(status_, 1);
    status_->setText(QString::fromStdString(GraphPlaneStatusText(GraphPlane::XZ)));
    buildToolBar();
    buildMenu();
    SetHelpContext(this, kGraphHelp);
    resize(kDefaultPictureSize + QSize(0, 90));

    connect(picture_, &GraphPicture::resized, this, GuardedSlot([this] { redrawPicture(); }));
    connect(picture_, &GraphPicture::doubleClicked, this,
            GuardedSlot([] { UiSink().info("Pause in routine..."); }));
    freshPicture();
}

void TGraph::buildToolBar() {
    auto* bar = addToolBar(QStringLiteral("Panel2"));
    bar->setObjectName(QStringLiteral("Panel2"));
    bar->setMovable(false);
    auto addButton = [&](const char* name, const QString& hint, const QString& text,
                         Qt::ArrowType arrow, std::function<void()> handler) {
        auto* button = new QToolButton(bar);
        button->setObjectName(QString::fromLatin1(name));
        button->setToolTip(hint);
        if (arrow != Qt::NoArrow)
            button->setArrowType(arrow);
        else
            button->setText(text);
        bar->addWidget(button);
        connect(button, &QToolButton::clicked, this, GuardedSlot(std::move(handler)));
        return button;
    };
    addButton("SpeedButton6", QStringLiteral("-x shift"), {}, Qt::LeftArrow,
              [this] { shift(GraphShift::Left, kButtonShiftStep); });
    addButton("SpeedButton5", QStringLiteral("+x shift"), {}, Qt::RightArrow,
              [this] { shift(GraphShift::Right, kButtonShiftStep); });
    addButton("SpeedButton8", QStringLiteral("-y shift"), {}, Qt::DownArrow,
              [this] { shift(GraphShift::Down, kButtonShiftStep); });
    addButton("SpeedButton7", QStringLiteral("+y shift"), {}, Qt::UpArrow,
              [this] { shift(GraphShift::Up, kButtonShiftStep); });
    addButton("SpeedButton2", QStringLiteral("zoom out"), QStringLiteral("-"), Qt::NoArrow,
              [this] { zoomOut(); });
    addButton("SpeedButton1", QStringLiteral("zoom in"), QStringLiteral("+"), Qt::NoArrow,
              [this] { zoomIn(); });
    bar->addSeparator();
    xzBtn_ = addButton("XZBtn", QStringLiteral("xz projection"), QStringLiteral("xz"), Qt::NoArrow,
                       [this] { setPlane(GraphPlane::XZ); });
    xyBtn_ = addButton("XYBtn", QStringLiteral("xy projection"), QStringLiteral("xy"), Qt::NoArrow,
                       [this] { setPlane(GraphPlane::XY); });
    yzBtn_ = addButton("YZBtn", QStringLiteral("yz projection"), QStringLiteral("yz"), Qt::NoArrow,
                       [this] { setPlane(GraphPlane::YZ); });
    for (QToolButton* b : {xzBtn_, xyBtn_, yzBtn_}) b->setCheckable(true);
    xzBtn_->setChecked(true);
}

QAction* TGraph::addOption(QMenu* menu, const QString& text, const QKeySequence& key,
                           int helpContext, void (TGraph::*handler)()) {
    QAction* action = menu->addAction(text);
    action->setShortcut(key);
    SetHelpContext(action, helpContext);
    connect(action, &QAction::triggered, this,
            GuardedSlot([this, handler] { (this->*handler)(); }));
    return action;
}

void TGraph::buildMenu() {
    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    QMenu* perspective = options->addMenu(QStringLiteral("&Perspective"));
    SetHelpContext(perspective->menuAction(), kGraphHelp);
    auto planeItem = [&](const QString& text, const QKeySequence& key, GraphPlane plane) {
        QAction* a = perspective->addAction(text);
        a->setShortcut(key);
        SetHelpContext(a, kGraphHelp);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, GuardedSlot([this, plane] { setPlane(plane); }));
        return a;
    };
    xzItem_ =
        planeItem(QStringLiteral("x&z-plane"), QKeySequence(Qt::CTRL | Qt::Key_F5), GraphPlane::XZ);
    xyItem_ =
        planeItem(QStringLiteral("&xy-plane"), QKeySequence(Qt::CTRL | Qt::Key_F6), GraphPlane::XY);
    yzItem_ =
        planeItem(QStringLiteral("&yz-plane"), QKeySequence(Qt::CTRL | Qt::Key_F7), GraphPlane::YZ);
    addOption(options, QStringLiteral("&Copy image"), QKeySequence(Qt::CTRL | Qt::Key_K),
              kGraphCopyHelp, &TGraph::copyImage);
    addOption(options, QStringLiteral("Zoom &in"), QKeySequence(Qt::CTRL | Qt::Key_Z),
              kGraphZoomHelp, &TGraph::zoomIn);
    addOption(options, QStringLiteral("Zoom &out"), QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Z),
              kGraphZoomHelp, &TGraph::zoomOut);
    QMenu* symbols = options->addMenu(QStringLiteral("&Symbols"));
    SetHelpContext(symbols->menuAction(), kGraphSymbolsHelp);
    auto symbolItem = [&](const QString& text, const QKeySequence& key, GraphSymbols s) {
        QAction* a = symbols->addAction(text);
        a->setShortcut(key);
        SetHelpContext(a, kGraphSymbolsHelp);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, GuardedSlot([this, s] { setSymbols(s); }));
        return a;
    };
    circlesItem_ = symbolItem(QStringLiteral("&Circles"), QKeySequence(Qt::CTRL | Qt::Key_C),
                              GraphSymbols::Circles);
    pointsItem_ = symbolItem(QStringLiteral("&Points"), QKeySequence(Qt::CTRL | Qt::Key_P),
                             GraphSymbols::Points);
    iconsItem_ = symbolItem(QStringLiteral("&Icons"), QKeySequence(Qt::CTRL | Qt::Key_I),
                            GraphSymbols::Icons);
    smallItem_ = symbols->addAction(QStringLiteral("Draw &small"));
    smallItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    smallItem_->setCheckable(true);
    SetHelpContext(smallItem_, kGraphSymbolsHelp);
    connect(smallItem_, &QAction::triggered, this, GuardedSlot([this] {
                view_.drawSmall = !view_.drawSmall;
                syncChecks();
            }));
    refreshItem_ = options->addAction(QStringLiteral("&Refresh each step"));
    refreshItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    refreshItem_->setCheckable(true);
    SetHelpContext(refreshItem_, kGraphRefreshHelp);
    connect(refreshItem_, &QAction::triggered, this, GuardedSlot([this] {
                view_.refreshEachStep = !view_.refreshEachStep;
                syncChecks();
                redrawPicture();
            }));
    QAction* background = options->addAction(QStringLiteral("&Toggle background colour"));
    SetHelpContext(background, kGraphBackgroundHelp);
    connect(background, &QAction::triggered, this,
            GuardedSlot([this] { view_.blackBackground = !view_.blackBackground; }));
    addOption(options, QStringLiteral("Reset &defaults"), QKeySequence(Qt::CTRL | Qt::Key_D),
              kGraphDefaultsHelp, &TGraph::resetDefaults);
    QAction* highlight = options->addAction(QStringLiteral("&Highlight"));
    highlight->setShortcut(QKeySequence(Qt::Key_F2));
    SetHelpContext(highlight, kGraphHighlightHelp);
    connect(highlight, &QAction::triggered, this,
            GuardedSlot([this] { view_.highlight = !view_.highlight; }));
    syncChecks();
}

void TGraph::syncChecks() {
    xzItem_->setChecked(view_.plane == GraphPlane::XZ);
    xyItem_->setChecked(view_.plane == GraphPlane::XY);
    yzItem_->setChecked(view_.plane == GraphPlane::YZ);
    xzBtn_->setChecked(view_.plane == GraphPlane::XZ);
    xyBtn_->setChecked(view_.plane == GraphPlane::XY);
    yzBtn_->setChecked(view_.plane == GraphPlane::YZ);
    const GraphSymbols s = SymbolsOf(view_);
    circlesItem_->setChecked(s == GraphSymbols::Circles);
    pointsItem_->setChecked(s == GraphSymbols::Points);
    iconsItem_->setChecked(s == GraphSymbols::Icons);
    smallItem_->setChecked(view_.drawSmall);
    refreshItem_->setChecked(view_.refreshEachStep);
    status_->setText(QString::fromStdString(GraphPlaneStatusText(view_.plane)));
}

void TGraph::setPlane(GraphPlane plane) {
    view_.plane = plane;
    syncChecks();
    redrawPicture();
}

void TGraph::setSymbols(GraphSymbols symbols) {
    SetSymbols(view_, symbols);
    syncChecks();
    redrawPicture();
}

void TGraph::zoomIn() {
    ZoomIn(view_);
    redrawPicture();
}

void TGraph::zoomOut() {
    ZoomOut(view_);
    redrawPicture();
}

// Shifts apply from the next frame.
void TGraph::shift(GraphShift direction, int32_t step) {
    ShiftView(view_, direction, step);
}

void TGraph::resetDefaults() {
    ResetGraphDefaults(view_, graphScale_);
    syncChecks();
}

void TGraph::useGraphScale(double scale) {
    if (scale == graphScale_) return;
    graphScale_ = scale;
    view_.scale = scale;
    redrawPicture();
}

void TGraph::copyImage() {
    QGuiApplication::clipboard()->setImage(picture_->image);
}

void TGraph::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int32_t step = KeyShiftStep(mods == Qt::ShiftModifier);
    bool handled = true;
    RunGuarded(UiSink(), [&] {
        switch (event->key()) {
            case Qt::Key_Right:
                shift(GraphShift::Right, step);
                break;
            case Qt::Key_Left:
                shift(GraphShift::Left, step);
                break;
            case Qt::Key_Down:
                shift(GraphShift::Down, step);
                break;
            case Qt::Key_Up:
                shift(GraphShift::Up, step);
                break;
            default:
                handled = false;
        }
    });
    if (!handled) QMainWindow::keyPressEvent(event);
}

void TGraph::freshPicture() {
    QSize size = picture_->size();
    if (size.isEmpty()) size = kDefaultPictureSize;
    picture_->image = QImage(size, QImage::Format_RGB32);
    picture_->image.fill(Qt::white);
    lastTimeRect_ = QRect();
    picture_->update();
}

void TGraph::newImpact() {
    kept_.clear();
    freshPicture();
}

// A fresh picture never stays blank while a frame of the trajectory is known.
void TGraph::redrawPicture() {
    freshPicture();
    if (!kept_.empty()) paintFrame(kept_.frame());
}

void TGraph::keepFrame(const TGraphFrame& frame) {
    kept_.keep(frame);
}

void TGraph::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) redrawPicture();
}

void TGraph::drawFrame(const TGraphFrame& frame) {
    ++framesDrawn_;
    kept_.keep(frame);
    if (view_.refreshEachStep || picture_->image.isNull()) freshPicture();
    paintFrame(frame);
}

// With refresh each step on, the picture is fresh here and takes the background colour.
void TGraph::paintFrame(const TGraphFrame& frame) {
    QImage& image = picture_->image;
    if (view_.refreshEachStep && view_.blackBackground) image.fill(Qt::black);

    QPainter painter(&image);
    const TPixel origin = GraphOrigin(view_, image.width(), image.height());
    const int32_t last = LastDrawnParticle(frame);
    if (last >= 0) {
        const TFrameAxes axes = AxesOf(view_.plane, frame);
        switch (SymbolsOf(view_)) {
            case GraphSymbols::Circles:
                drawCircles(painter, axes, last, origin, view_.drawSmall ? 4 : view_.radius);
                break;
            case GraphSymbols::Points:
                drawCircles(painter, axes, last, origin, 1);
                break;
            case GraphSymbols::Icons:
                drawIcons(painter, axes, last, origin);
                break;
        }
    }
    drawTime(painter, frame.t);
    painter.end();
    picture_->update();
}

void TGraph::drawCircles(QPainter& painter, const TFrameAxes& axes, int32_t last, TPixel origin,
                         int radius) {
    painter.setBrush(Qt::white);
    for (int32_t i = 0; i <= last; ++i) {
        if (i <= 1) painter.setPen(ToQColor(i == 0 ? colour::Red : colour::Blue));
        TPixel p;
        if (!ToPixel(origin, axes.h[i], axes.v[i], view_.scale, p)) continue;
        painter.drawEllipse(QRect(p.x - radius, p.y - radius, 2 * radius, 2 * radius));
    }
}

void TGraph::drawIcons(QPainter& painter, const TFrameAxes& axes, int32_t last, TPixel origin) {
    sorted_.sort(axes, last);
    const QImage& target = view_.drawSmall ? tinyTrgIcon_ : trgIcon_;
    const QImage& projectile = view_.drawSmall ? tinyPrjIcon_ : prjIcon_;
    for (int32_t k = 0; k < sorted_.count(); ++k) {
        TPixel p;
        if (!ToPixel(origin, sorted_.h(k), sorted_.v(k), view_.scale, p)) continue;
        const bool isProjectile = UsesProjectileIcon(view_, sorted_.particle(k), sorted_.depth(k));
        painter.drawImage(p.x, p.y, isProjectile ? projectile : target);
    }
}

void TGraph::drawTime(QPainter& painter, float t) {
    const bool whiteText = view_.blackBackground && view_.refreshEachStep;
    // With refresh off the picture keeps its trails; only the old time text is covered.
    if (!lastTimeRect_.isNull()) painter.fillRect(lastTimeRect_, whiteText ? Qt::black : Qt::white);
    const QString text = QString::fromStdString(GraphTimeText(t));
    const QRect box = painter.fontMetrics().boundingRect(text).translated(0, 0);
    lastTimeRect_ = QRect(0, 0, box.width() + 4, painter.fontMetrics().height());
    painter.fillRect(lastTimeRect_, whiteText ? Qt::black : Qt::white);
    painter.setPen(whiteText ? Qt::white : Qt::black);
    painter.drawText(lastTimeRect_, Qt::AlignLeft | Qt::AlignVCenter, text);
}

}  // namespace halvern
