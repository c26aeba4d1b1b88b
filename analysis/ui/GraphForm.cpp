#include "GraphForm.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QToolBar>
#include <QToolButton>

#include "DisplayText.h"
#include "EmptyDlg.h"
#include "FileChooser.h"
#include "GrOpenForm.h"
#include "GraphFontDialog.h"
#include "GraphGlyphs.h"
#include "GraphOutput.h"
#include "GraphPainter.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "HelpWindow.h"
#include "ModalRunner.h"
#include "ShortString.h"
#include "StyleDlg.h"
#include "UiSink.h"
#include "grapher/GraphControls.h"
#include "grapher/GraphLayout.h"
#include "grapher/GraphSetup.h"
#include "grapher/OpenDisplay.h"
#include "grapher/TextDrag.h"

namespace brisal {

using halvern::GuardedSlot;

namespace {

// The picture's size when the window first opens.
constexpr int kImageWidth = 560;
constexpr int kImageHeight = 360;

void ShowGrapherHelp(int context) {
    halvern::ShowHelp(kHelpProgram, context);
}

}  // namespace

GraphImage::GraphImage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Graph"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, picture);
}

void GraphImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT pressed(event->position().toPoint().x(), event->position().toPoint().y());
}

void GraphImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT released(event->position().toPoint().x(), event->position().toPoint().y());
}

void GraphImage::resizeEvent(QResizeEvent*) {
    Q_EMIT resized();
}

TGraphForm::TGraphForm(QWidget* parent) : QMainWindow(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Grapher"));
    halvern::SetGraphDefaults(model_, true, kImageWidth, kImageHeight);
    laidOutSize_ = QSize(kImageWidth, kImageHeight);
    Graph = new GraphImage(this);
    Graph->resize(kImageWidth, kImageHeight);
    setCentralWidget(Graph);
    connect(Graph, &GraphImage::pressed, this, [this](int x, int y) {
        halvern::RunGuarded(halvern::UiSink(), [&] { pressAt(x, y); });
    });
    connect(Graph, &GraphImage::released, this, [this](int x, int y) {
        halvern::RunGuarded(halvern::UiSink(), [&] { releaseAt(x, y); });
    });
    connect(Graph, &GraphImage::resized, this, GuardedSlot([this] { DrawGraph(); }));
    buildMenus();
    buildSpeedBar();
    halvern::SetHelpContext(this, kGrapherHelp);
    resize(kImageWidth,
           kImageHeight + menuBar()->sizeHint().height() + speedBar_->sizeHint().height());

    GrOpenForm = new TGrOpenForm(this);
    StyleDlg = new TStyleDlg(this);
    EmptyDlg = new TEmptyDlg(this);
    FontDialog = new GraphFontDialog(this);
    ready_ = true;
}

TGraphForm::~TGraphForm() {
    ready_ = false;
}

QAction* TGraphForm::addCommand(const char* name, const QString& caption, int helpContext,
                                std::function<void()> handler) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    halvern::SetHelpContext(action, helpContext);
    connect(action, &QAction::triggered, this, GuardedSlot(std::move(handler)));
    commands_[name] = action;
    return action;
}

QAction* TGraphForm::command(const char* name) const {
    const auto found = commands_.find(name);
    return found == commands_.end() ? nullptr : found->second;
}

void TGraphForm::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(addCommand("Open1", QStringLiteral("&Open data/Set display"), kOpenDisplayHelp,
                               [this] { Open1Click(); }));
    file->addAction(addCommand("Emptydata1", QStringLiteral("&Empty data"), kEmptyDataHelp,
                               [this] { Emptydata1Click(); }));
    file->addAction(addCommand("SaveBitmapAs1", QStringLiteral("&Save Bitmap As.."),
                               kSaveBitmapHelp, [this] { SaveBitmapAs1Click(); }));
    file->addAction(addCommand("Hardcopy1", QStringLiteral("&Hardcopy"), kHardcopyHelp,
                               [this] { Hardcopy1Click(); }));
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(
        addCommand("Copy1", QStringLiteral("&Copy"), kGrapherHelp, [this] { Copy1Click(); }));
    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->addAction(addCommand("Setup1", QStringLiteral("&Set-Up"), kGraphSetupHelp,
                                  [this] { Setup1Click(); }));
    options->addAction(
        addCommand("Font1", QStringLiteral("&Font"), kGraphFontHelp, [this] { Font1Click(); }));
    options->addAction(addCommand("Defaultvalues1", QStringLiteral("&Default values"),
                                  kGraphDefaultsHelp, [this] { Defaultvalues1Click(); }));
    menuBar()->addAction(addCommand("Help1", QStringLiteral("&Help"), kGrapherHelp,
                                    [] { ShowGrapherHelp(kGrapherHelp); }));
}

void TGraphForm::buildSpeedBar() {
    speedBar_ = addToolBar(QStringLiteral("Speed bar"));
    speedBar_->setObjectName(QStringLiteral("Panel1"));
    speedBar_->setMovable(false);
    halvern::GrapherSettings& s = model_.settings;
    struct Button {
        const char* name;
        const char* command;  // the menu command it shares, else its own
        GraphGlyph glyph;
        const char* hint;
        std::function<void()> edit;
    };
    const Button buttons[] = {
        {"SpeedButton3", "Open1", GraphGlyph::Open, "Open data/Set display", {}},
        {"SpeedButton1", "Setup1", GraphGlyph::SetUp, "Set-up", {}},
        {"SpeedButton2", "Font1", GraphGlyph::Font, "Font", {}},
        {"SpeedButton4", nullptr, GraphGlyph::AxesType, "Toggle axes type",
         [&s] { halvern::ToggleFourSides(s); }},
        {"SpeedButton5", nullptr, GraphGlyph::RoundX, "Round up x-scale",
         [&s] { halvern::RoundUpScale(s.x); }},
        {"SpeedButton6", nullptr, GraphGlyph::RoundY, "Round up y-scale",
         [&s] { halvern::RoundUpScale(s.y); }},
        {"decticx", nullptr, GraphGlyph::FewerXTicks, "Decrease x-ticks",
         [&s] { halvern::DecreaseTicks(s.x); }},
        {"incticx", nullptr, GraphGlyph::MoreXTicks, "Increase x-ticks",
         [&s] { halvern::IncreaseTicks(s.x); }},
        {"decticy", nullptr, GraphGlyph::FewerYTicks, "Decrease y-ticks",
         [&s] { halvern::DecreaseTicks(s.y); }},
        {"incticy", nullptr, GraphGlyph::MoreYTicks, "Increase y-ticks",
         [&s] { halvern::IncreaseTicks(s.y); }},
        {"SpeedButton7", nullptr, GraphGlyph::ShorterX, "Reduce x-axis length",
         [&s] { halvern::ReduceAxisLength(s.x); }},
        {"SpeedButton8", nullptr, GraphGlyph::LongerX, "Increase x-axis length",
         [&s] { halvern::IncreaseAxisLength(s.x); }},
        {"SpeedButton9", nullptr, GraphGlyph::LongerY, "Increase y-axis length",
         [&s] { halvern::IncreaseAxisLength(s.y); }},
        {"SpeedButton10", nullptr, GraphGlyph::ShorterY, "Decrease y-axis length",
         [&s] { halvern::ReduceAxisLength(s.y); }},
        {"SpeedButton11", nullptr, GraphGlyph::LinesSymbols, "Toggle line vs. symbol display",
         [this] { halvern::ToggleLinesAndSymbols(model_); }},
    };
    for (const Button& b : buttons) {
        QAction* action = b.command != nullptr
                              ? command(b.command)
                              : addCommand(b.name, QString::fromLatin1(b.hint), kGrapherHelp,
                                           [this, edit = b.edit] { change(edit); });
        action->setIcon(GraphSpeedGlyph(b.glyph));
        action->setToolTip(QString::fromLatin1(b.hint));
        speedBar_->addAction(action);
        QWidget* button = speedBar_->widgetForAction(action);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setFocusPolicy(Qt::NoFocus);
    }
}

const QImage& TGraphForm::picture() const {
    return Graph->picture;
}

void TGraphForm::DrawGraph() {
    if (!ready_) return;
    const QSize size = Graph->size();
    if (size != laidOutSize_) {
        halvern::FollowPictureSize(model_, laidOutSize_.width(), laidOutSize_.height(),
                                   size.width(), size.height());
        laidOutSize_ = size;
    }
    halvern::DisplayList list = halvern::LayoutGraph(model_, size.width(), size.height(),
                                                     GraphTextMetrics(model_.settings.font));
    Graph->picture = PaintDisplayList(list);
    drawnTexts_ = std::move(list.texts);
    Graph->update();
}

void TGraphForm::change(const std::function<void()>& edit) {
    edit();
    updateTickButtons();
    DrawGraph();
}

void TGraphForm::updateTickButtons() {
    command("decticx")->setEnabled(halvern::CanDecreaseTicks(model_.settings.x));
    command("decticy")->setEnabled(halvern::CanDecreaseTicks(model_.settings.y));
}

void TGraphForm::PlotDataFile(const halvern::PlotDataRequest& request) {
    halvern::PlotDataFile(model_, request, halvern::UiSink());
    DrawGraph();
}

void TGraphForm::Open1Click() {
    halvern::MessageSink& sink = halvern::UiSink();
    const int32_t shown = halvern::CacheIndexOrDefault(GrOpenForm->indexText(), sink);
    GrOpenForm->setIndexText(QString::number(shown));
    GrOpenForm->showCache(halvern::CacheAt(model_, shown));
    if (RunModal(*GrOpenForm) != QDialog::Accepted) return;
    halvern::OpenDisplayValues values = GrOpenForm->values();
    values.cacheIndex = halvern::CacheIndexOrDefault(GrOpenForm->indexText(), sink);
    if (!halvern::ApplyOpenDisplay(model_, values, sink)) return;
    DrawGraph();
}

void TGraphForm::Emptydata1Click() {
    if (RunModal(*EmptyDlg) != QDialog::Accepted) return;
    halvern::EmptyCaches(model_, EmptyDlg->ticks());
    DrawGraph();
}

void TGraphForm::SaveBitmapAs1Click() {
    const auto chosen = halvern::UiFileChooser().saveFile(
        this, {"Save Bitmap", "Windows bitmap file|*.bmp", "*.bmp", "bmp"});
    if (chosen) SavePictureAsBitmap(halvern::UiSink(), picture(), *chosen);
}

void TGraphForm::Hardcopy1Click() {
    QPrinter printer(QPrinter::HighResolution);
    // Without a printer the dialog starts on printing to a PDF file.
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        printer.setOutputFileName(QDir::current().absoluteFilePath(QStringLiteral("grapher.pdf")));
    QPrintDialog dialog(&printer, this);
    if (RunModal(dialog) != QDialog::Accepted) return;
    if (!PrintPicture(printer, picture()))
        halvern::UiSink().error("Cannot print the picture on " +
                                halvern::CoreText(printer.outputFileName().isEmpty()
                                                      ? printer.printerName()
                                                      : printer.outputFileName()) +
                                ".");
}

void TGraphForm::Copy1Click() {
    QApplication::clipboard()->setImage(picture());
}

void TGraphForm::Setup1Click() {
    std::array<std::string, halvern::kCacheCount> captions;
    for (int i = 1; i <= halvern::kCacheCount; ++i)
        captions[static_cast<size_t>(i - 1)] =
            halvern::CacheStatusCaption(i, halvern::CacheAt(model_, i));
    StyleDlg->fill(halvern::FillGraphSetup(model_, StyleDlg->memory()), captions);
    if (RunModal(*StyleDlg) != QDialog::Accepted) return;
    const halvern::GraphSetupValues values = StyleDlg->values();
    change([&] { halvern::ApplyGraphSetup(model_, values, StyleDlg->memory()); });
}

void TGraphForm::Font1Click() {
    FontDialog->setGraphFont(model_.settings.font);
    if (RunModal(*FontDialog) != QDialog::Accepted) return;
    model_.settings.font = FontDialog->graphFont();
    DrawGraph();
}

void TGraphForm::Defaultvalues1Click() {
    change([this] { halvern::SetGraphDefaults(model_, false, Graph->width(), Graph->height()); });
}

void TGraphForm::pressAt(int x, int y) {
    const std::vector<halvern::GraphText> hits = halvern::PressAt(model_, x, y, drawnTexts_);
    if (hits.empty()) return;
    for (const halvern::GraphText& item : hits)
        PaintPickedText(Graph->picture, item, model_.settings.font);
    Graph->setCursor(Qt::DragMoveCursor);
    Graph->update();
}

void TGraphForm::releaseAt(int x, int y) {
    halvern::ReleaseAt(model_, x, y);
    Graph->unsetCursor();
    DrawGraph();
}

void TGraphForm::keyPressEvent(QKeyEvent* event) {
    static const std::map<int, halvern::ArrowKey> kArrows = {
        {Qt::Key_Up, halvern::ArrowKey::Up},
        {Qt::Key_Down, halvern::ArrowKey::Down},
        {Qt::Key_Left, halvern::ArrowKey::Left},
        {Qt::Key_Right, halvern::ArrowKey::Right},
    };
    const auto arrow = kArrows.find(event->key());
    if (arrow == kArrows.end()) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    const Qt::KeyboardModifiers shift = event->modifiers() & ~Qt::KeypadModifier;
    const halvern::ArrowShift state = shift == Qt::ShiftModifier ? halvern::ArrowShift::Shift
                                      : shift == Qt::AltModifier ? halvern::ArrowShift::Alt
                                      : shift == Qt::NoModifier  ? halvern::ArrowShift::None
                                                                 : halvern::ArrowShift::Other;
    halvern::RunGuarded(halvern::UiSink(), [&] {
        halvern::ApplyArrowKey(model_.settings, arrow->second, state);
        DrawGraph();
    });
}

void TGraphForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    halvern::RunGuarded(halvern::UiSink(), [this] { DrawGraph(); });
}

}  // namespace brisal
