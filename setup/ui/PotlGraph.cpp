#include "PotlGraph.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "DisplayText.h"
#include "GuardedSlot.h"
#include "UiFonts.h"
#include "UiSink.h"

namespace velkor {

namespace {

const QSize kDefaultPictureSize(460, 340);

QPoint ToQPoint(TPlotPixel p) {
    return {p.x, p.y};
}

PotlGraphKey KeyOf(int key) {
    switch (key) {
        case Qt::Key_Up:
            return PotlGraphKey::Up;
        case Qt::Key_Down:
            return PotlGraphKey::Down;
        case Qt::Key_Left:
            return PotlGraphKey::Left;
        case Qt::Key_Right:
            return PotlGraphKey::Right;
        case Qt::Key_PageUp:
            return PotlGraphKey::PageUp;
        case Qt::Key_PageDown:
            return PotlGraphKey::PageDown;
        case Qt::Key_Home:
            return PotlGraphKey::Home;
        case Qt::Key_End:
            return PotlGraphKey::End;
        case Qt::Key_F7:
            return PotlGraphKey::F7;
        case Qt::Key_F8:
            return PotlGraphKey::F8;
        case Qt::Key_F9:
            return PotlGraphKey::F9;
        default:
            return PotlGraphKey::Other;
    }
}

}  // namespace

PotlPicture::PotlPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Graph"));
    setMinimumSize(120, 80);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PotlPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!image.isNull()) painter.drawImage(0, 0, image);
}

void PotlPicture::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Q_EMIT resized();
}

void PotlPicture::mousePressEvent(QMouseEvent* event) {
    Q_EMIT clicked(event->position().toPoint());
}

TPotlGraph::TPotlGraph(QWidget* parent) : QMainWindow(parent, Qt::Window) {
    setObjectName(QStringLiteral("PotlGraph"));
    setWindowTitle(QStringLiteral("Training data"));
    picture_ = new PotlPicture(this);
    picture_->resize(kDefaultPictureSize);
    setCentralWidget(picture_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("StatusBar1"));
    status_->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(status_, 1);
    buildToolBar();
    buildMenu();
    resize(kDefaultPictureSize + QSize(0, 90));
    connect(picture_, &PotlPicture::resized, this, halvern::GuardedSlot([this] { PlotCurve(); }));
    connect(picture_, &PotlPicture::clicked, this, [this](QPoint at) {
        halvern::RunGuarded(halvern::UiSink(), [&] { GraphMouseDown(at); });
    });
}

void TPotlGraph::buildToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("Speed buttons"));
    bar->setObjectName(QStringLiteral("SpeedBar"));
    bar->setMovable(false);
    struct Button {
        const char* name;
        const char* hint;
        const char* text;
        Qt::ArrowType arrow;
        PotlGraphCommand command;
    };
    const Button buttons[] = {
        {"GraphButton1", "x-zoom in", "x+", Qt::NoArrow, PotlGraphCommand::XZoomIn},
        {"GraphButton2", "x-zoom out", "x-", Qt::NoArrow, PotlGraphCommand::XZoomOut},
        {"GraphButton3", "y-zoom in", "y+", Qt::NoArrow, PotlGraphCommand::YZoomIn},
        {"GraphButton4", "y-zoom out", "y-", Qt::NoArrow, PotlGraphCommand::YZoomOut},
        {"GraphButton5", "+x shift", "", Qt::RightArrow, PotlGraphCommand::XShiftPlus},
        {"GraphButton6", "-x shift", "", Qt::LeftArrow, PotlGraphCommand::XShiftMinus},
        {"GraphButton7", "+y shift", "", Qt::UpArrow, PotlGraphCommand::YShiftPlus},
        {"GraphButton8", "-y shift", "", Qt::DownArrow, PotlGraphCommand::YShiftMinus},
    };
    for (const Button& b : buttons) {
        auto* button = new QToolButton(bar);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setToolTip(QString::fromLatin1(b.hint));
        if (b.arrow != Qt::NoArrow)
            button->setArrowType(b.arrow);
        else
            button->setText(QString::fromLatin1(b.text));
        button->setFocusPolicy(Qt::NoFocus);
        bar->addWidget(button);
        const PotlGraphCommand c = b.command;
        connect(button, &QToolButton::clicked, this,
                halvern::GuardedSlot([this, c] { command(c); }));
    }
}

void TPotlGraph::buildMenu() {
    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("Options1"));
    auto item = [&](const char* name, const char* text, std::function<void()> handler) {
        QAction* a = options->addAction(QString::fromLatin1(text));
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, halvern::GuardedSlot(std::move(handler)));
        return a;
    };
    item("Copygraphic2", "&Copy graphic", [this] { Copygraphic2Click(); });
    axes_ = item("Plotaxes1", "&Plot axes", [this] { command(PotlGraphCommand::ToggleAxes); });
    numberX_ =
        item("Xnumber", "Number &x-axis", [this] { command(PotlGraphCommand::ToggleNumberX); });
    numberY_ =
        item("YNumber", "Number &y-axis", [this] { command(PotlGraphCommand::ToggleNumberY); });
    item("Restoredefaults1", "&Restore defaults",
         [this] { command(PotlGraphCommand::RestoreDefaults); });
    for (QAction* a : {axes_, numberX_, numberY_}) a->setCheckable(true);
    syncChecks();
}

void TPotlGraph::syncChecks() {
    axes_->setChecked(view_.axesOn);
    numberX_->setChecked(view_.numberX);
    numberY_->setChecked(view_.numberY);
}

void TPotlGraph::command(PotlGraphCommand c) {
    ApplyPotlGraphCommand(view_, c);
    syncChecks();
    PlotCurve();
}

bool TPotlGraph::LoadPotentialData(const std::string& fileName) {
    const bool ok = velkor::LoadPotentialData(fileName, curve_, halvern::UiSink());
    PlotCurve();
    return ok;
}

QString TPotlGraph::statusText() const {
    return status_->text();
}

void TPotlGraph::FitGraphBitmap() {
    QSize size = picture_->size();
    if (size.isEmpty()) size = kDefaultPictureSize;
    picture_->image = QImage(size, QImage::Format_RGB32);
    picture_->image.fill(Qt::white);
    picture_->update();
}

void TPotlGraph::PlotCurve() {
    FitGraphBitmap();
    QImage& image = picture_->image;
    const TPotlDrawing d = LayOutPotentialPlot(view_, curve_, image.width(), image.height());
    QPainter painter(&image);
    painter.setPen(Qt::blue);
    for (const TPlotSegment& s : d.axes) painter.drawLine(ToQPoint(s.from), ToQPoint(s.to));
    painter.setFont(halvern::BookAntiquaFont(view_.fontSize));
    const QFontMetrics metrics(painter.font());
    for (const TPlotLabel& l : d.labels)
        painter.drawText(l.at.x, l.at.y + metrics.ascent(), QString::fromStdString(l.text));
    painter.setPen(Qt::black);
    for (size_t i = 1; i < d.curve.size(); ++i)
        painter.drawLine(ToQPoint(d.curve[i - 1]), ToQPoint(d.curve[i]));
}

void TPotlGraph::GraphMouseDown(QPoint at) {
    PlotCurve();
    QImage& image = picture_->image;
    if (!PotlCurveDrawable(view_, curve_, image.width(), image.height())) return;
    if (const auto text = PotentialReadOut(view_, curve_, image.width(), image.height(),
                                           halvern::CoreText(windowTitle()), at.x(), at.y()))
        status_->setText(QString::fromStdString(*text));
    QPainter painter(&image);
    painter.setPen(Qt::red);
    for (const TPlotSegment& s : ClickCross(at.x(), at.y()))
        painter.drawLine(ToQPoint(s.from), ToQPoint(s.to));
    picture_->update();
}

void TPotlGraph::Copygraphic2Click() {
    QGuiApplication::clipboard()->setImage(picture_->image);
}

void TPotlGraph::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    halvern::RunGuarded(halvern::UiSink(), [this] { PlotCurve(); });
}

// The points go with the window; the next showing draws nothing until data are loaded again.
void TPotlGraph::closeEvent(QCloseEvent* event) {
    curve_ = {};
    QMainWindow::closeEvent(event);
}

void TPotlGraph::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    halvern::RunGuarded(halvern::UiSink(), [&] {
        PotlGraphKeyDown(view_, KeyOf(event->key()), mods == Qt::ShiftModifier);
        const QString text = event->text();
        if (text.size() == 1) PotlGraphKeyPress(view_, text.at(0).toLatin1());
        PlotCurve();
    });
    QMainWindow::keyPressEvent(event);
}

}  // namespace velkor
