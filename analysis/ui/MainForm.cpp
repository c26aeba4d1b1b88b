#include "MainForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextCursor>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <chrono>
#include <filesystem>

#include "AboutBox.h"
#include "AnalysisEditorHost.h"
#include "CollForm.h"
#include "ConvertForm.h"
#include "DisplaceForm.h"
#include "DisplayText.h"
#include "FileChooser.h"
#include "FilterForm.h"
#include "FunctionsForms.h"
#include "GrapherLink.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "HelpWindow.h"
#include "LogFile.h"
#include "MemoryInUse.h"
#include "ModalRunner.h"
#include "Pictures.h"
#include "ProcessCommands.h"
#include "ScatterForm.h"
#include "ShortString.h"
#include "SpecForm.h"
#include "TrajPlotForm.h"
#include "UiSink.h"
#include "WaitCursor.h"
#include "WindowStacking.h"

namespace brisal {

using halvern::CoreText;
using halvern::DecodeText;
using halvern::GuardedSlot;

namespace {

constexpr int kIdleIntervalMs = 500;

std::optional<uint64_t> CurrentDriveFreeBytes() {
    std::error_code ec;
    const std::filesystem::space_info space = std::filesystem::space(".", ec);
    if (ec) return std::nullopt;
    return space.available;
}

}  // namespace

// Shuts the commands for the time a process runs; a close asked for meanwhile follows after.
class TMainForm::BusyScope {
  public:
    explicit BusyScope(TMainForm& window) : window_(window) {
        window_.busy_ = true;
        window_.setCommandsEnabled(false);
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    ~BusyScope() {
        window_.showHeldStatus();
        window_.busy_ = false;
        window_.setCommandsEnabled(true);
        if (window_.closeRequested_) QTimer::singleShot(0, &window_, &QWidget::close);
    }

  private:
    TMainForm& window_;
};

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Brisal 2.2"));
    resize(640, 420);
    freeDiskBytes = CurrentDriveFreeBytes;
    allocatedBytes = halvern::AllocatedBytes;
    editors_ = std::make_unique<AnalysisEditorHost>(this);

    log_ = new QPlainTextEdit(this);
    log_->setObjectName(QStringLiteral("RichEditEx1"));
    log_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setCentralWidget(log_);
    // Emptied by the user, the log starts again at its first line.
    connect(log_, &QPlainTextEdit::textChanged, this, [this] {
        if (log_->document()->isEmpty()) logStarted_ = false;
    });
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("StatusText"));
    status_->setTextFormat(Qt::PlainText);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(status_, 1);

    buildMenus();
    buildSpeedBar();
    halvern::SetHelpContext(this, kIntroductionHelp);
    halvern::InstallContextHelp(this, kHelpProgram);

    idleTimer_ = new QTimer(this);
    idleTimer_->setInterval(kIdleIntervalMs);
    connect(idleTimer_, &QTimer::timeout, this, GuardedSlot([this] { ApplicationIdle(); }));
    idleTimer_->start();

    statusTimer_ = new QTimer(this);
    statusTimer_->setSingleShot(true);
    connect(statusTimer_, &QTimer::timeout, this, [this] { showHeldStatus(); });
}

TMainForm::~TMainForm() = default;

void TMainForm::attachForms(const TProcessForms& forms) {
    forms_ = forms;
    if (forms_.trajPlot != nullptr) forms_.trajPlot->setLoadHost(*this);
    if (forms_.trajPlot != nullptr)
        connect(forms_.trajPlot, &TTrajPlotForm::closed, this,
                GuardedSlot([this] { UMTrajPlotClosed(); }));
}

QAction* TMainForm::addCommand(QMenu* menu, const char* name, const QString& caption,
                               int helpContext, std::function<void()> handler) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (helpContext != 0) halvern::SetHelpContext(action, helpContext);
    if (handler)
        connect(action, &QAction::triggered, this, GuardedSlot(std::move(handler)));
    else
        action->setEnabled(false);  // its window is not part of this program yet
    return action;
}

void TMainForm::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    addCommand(file, "New1", QStringLiteral("&New"), kEditorFilesHelp,
               [this] { editors_->newEditor(); });
    addCommand(file, "Open1", QStringLiteral("&Open"), kEditorFilesHelp,
               [this] { editors_->openFromMainWindow(); });
    addCommand(file, "SaveLogAs1", QStringLiteral("Save Log &As"), kSaveLogHelp,
               [this] { SaveLogAs1Click(); });

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    QAction* cut =
        addCommand(edit, "Cut1", QStringLiteral("Cu&t"), kEditMenuHelp, [this] { log_->cut(); });
    cut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    QAction* copy =
        addCommand(edit, "Copy1", QStringLiteral("&Copy"), kEditMenuHelp, [this] { log_->copy(); });
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    QAction* paste = addCommand(edit, "Paste1", QStringLiteral("&Paste"), kEditMenuHelp,
                                [this] { log_->paste(); });
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    QAction* remove = addCommand(edit, "Delete1", QStringLiteral("&Delete"), kEditMenuHelp,
                                 [this] { log_->textCursor().removeSelectedText(); });
    remove->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    addCommand(edit, "SelectAll1", QStringLiteral("&Select all"), kEditMenuHelp,
               [this] { log_->selectAll(); });
    connect(edit, &QMenu::aboutToShow, this, [this, cut, copy, remove] {
        const bool selection = log_->textCursor().hasSelection();
        for (QAction* action : {cut, copy, remove}) action->setEnabled(selection);
    });

    QMenu* process = menuBar()->addMenu(QStringLiteral("&Process"));
    addCommand(process, "Filter1", QStringLiteral("&Filter   (OSL --> OSL)"), kFilterHelp,
               [this] { Filter1Click(); });
    addCommand(process, "Collate1", QStringLiteral("&Collate   (OSL --> DAT)"), kCollateHelp,
               [this] { Collate1Click(); });
    addCommand(process, "Averages1", QStringLiteral("&Averages   (OSL --> TXT)"), kAveragesHelp,
               [this] { Averages1Click(); });
    addCommand(process, "Spectrum1", QStringLiteral("&Spectrum   (OSL --> DAT)"), kSpectrumHelp,
               [this] { Spectrum1Click(); });
    addCommand(process, "FormatColumns1", QStringLiteral("Fo&rmat columns   (OSL --> DAT)"),
               kFormatColumnsHelp, [this] { FormatColumns1Click(); });
    addCommand(process, "Convert1", QStringLiteral("Co&nvert   (OSL --> DAT)"), kConvertHelp,
               [this] { Convert1Click(); });
    addCommand(process, "Displacements1", QStringLiteral("&Displacements (2*OSL -> OSL)"),
               kDisplacementsHelp, [this] { DisplacementsClick(); });

    QMenu* utilities = menuBar()->addMenu(QStringLiteral("&Utilities"));
    addCommand(utilities, "ScatteringRelations1", QStringLiteral("&Scattering relations"),
               halvern::kScatterHelp, [this] { ScatteringRelations1Click(); });
    addCommand(utilities, "Grapher1", QStringLiteral("&Grapher"), kGrapherHelp,
               [this] { Grapher1Click(); });
    addCommand(utilities, "TrajectoryPlotter1", QStringLiteral("&Trajectory plotter"),
               kTrajectoryPlotterHelp, [this] { TrajectoryPlotter1Click(); });
    memoryUsage_ = addCommand(utilities, "ShowMemoryUsage1", QStringLiteral("Show &memory usage"),
                              kMemoryUsageHelp, [this] { ShowMemoryUsage1Click(); });
    memoryUsage_->setCheckable(true);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction* introduction =
        addCommand(help, "Introduction1", QStringLiteral("&Introduction"), kIntroductionHelp,
                   [] { halvern::ShowHelp(kHelpProgram, kIntroductionHelp); });
    introduction->setShortcut(QKeySequence(Qt::Key_F1));
    addCommand(help, "QueryLanguage1", QStringLiteral("&Query language"), kQueryLanguageHelp,
               [] { halvern::ShowHelp(kHelpProgram, kQueryLanguageHelp); });
    about_ = addCommand(help, "AboutBrisal1", QStringLiteral("&About Brisal"), 0,
                        [this] { AboutBrisal1Click(); });

    commandMenus_ = {file, process, utilities};
}

void TMainForm::buildSpeedBar() {
    speedBar_ = addToolBar(QStringLiteral("Speed bar"));
    speedBar_->setObjectName(QStringLiteral("Panel1"));
    speedBar_->setMovable(false);
    speedBar_->setFixedHeight(31);
    struct Button {
        const char* name;
        const char* action;
        Glyph glyph;
        const char* hint;
    };
    static constexpr Button kButtons[] = {
        {"SpeedButton6", "Filter1", Glyph::Filter, "Filter OSL file"},
        {"SpeedButton3", "Collate1", Glyph::Collate, "Collate variable(s) in OSL file"},
        {"SpeedButton2", "Averages1", Glyph::Averages, "Get averages from OSL file"},
        {"SpeedButton4", "Convert1", Glyph::Convert, "Convert a OSL file to DAT format"},
        {"SpeedButton1", "Spectrum1", Glyph::Spectrum, "Get spectrum from a OSL file"},
        {"SpeedButton5", "FormatColumns1", Glyph::FormatColumns, "Format columns"},
        {"SpeedButton7", "Grapher1", Glyph::Grapher, "Show grapher"},
        {"SpeedButton8", "TrajectoryPlotter1", Glyph::Plotter, "Trajectory plotter"},
    };
    // A button shows its menu command: enabled state, hint and shortcut have one source.
    for (const Button& b : kButtons) {
        QAction* command = findChild<QAction*>(QString::fromLatin1(b.action));
        command->setIcon(SpeedGlyph(b.glyph));
        command->setIconVisibleInMenu(false);
        command->setToolTip(QString::fromLatin1(b.hint));
        auto* button = new QToolButton(speedBar_);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setAutoRaise(true);
        button->setDefaultAction(command);
        speedBar_->addWidget(button);
    }
    auto* spacer = new QWidget(speedBar_);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    speedBar_->addWidget(spacer);
    memLabel_ = new QLabel(QStringLiteral("..."), speedBar_);
    memLabel_->setObjectName(QStringLiteral("MemLabel"));
    memLabelAction_ = speedBar_->addWidget(memLabel_);
    memLabelAction_->setVisible(false);
}

void TMainForm::setCommandsEnabled(bool enabled) {
    for (QMenu* menu : commandMenus_) menu->menuAction()->setEnabled(enabled);
    about_->setEnabled(enabled);
    speedBar_->setEnabled(enabled);
}

void TMainForm::statusText(const std::string& text) {
    heldStatus_ = text;
    statusHeld_ = true;
    if (statusCadence_.due())
        showHeldStatus();
    else if (!statusTimer_->isActive())
        statusTimer_->start(
            std::chrono::ceil<std::chrono::milliseconds>(statusCadence_.untilDue()));
}

void TMainForm::showHeldStatus() {
    if (!statusHeld_) return;
    statusHeld_ = false;
    status_->setText(DecodeText(heldStatus_));
    status_->repaint();
}

void TMainForm::pumpEvents() {
    if (!pumpCadence_.due()) return;
    showHeldStatus();
    QCoreApplication::processEvents();
}

halvern::MessageSink& TMainForm::sink() {
    return halvern::UiSink();
}

// One line at the end; an empty first line stays a line of its own.
void TMainForm::logLine(const std::string& text) {
    QTextCursor end(log_->document());
    end.movePosition(QTextCursor::End);
    if (logStarted_ || !log_->document()->isEmpty()) end.insertBlock();
    end.insertText(DecodeText(text));
    logStarted_ = true;
    log_->setTextCursor(end);
    log_->ensureCursorVisible();
}

// At once, whatever the cadence.
void TMainForm::clearStatus() {
    heldStatus_.clear();
    statusHeld_ = true;
    showHeldStatus();
}

void TMainForm::setWaitCursor(bool waiting) {
    if (waiting) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++waitCursors_;
    } else if (waitCursors_ > 0) {
        QApplication::restoreOverrideCursor();
        --waitCursors_;
    }
}

void TMainForm::plotFile(const TPlotRequest& request) {
    if (forms_.graph != nullptr) PlotInGrapher(*forms_.graph, request);
}

void TMainForm::editFile(const std::string& fileName) {
    editors_->openResult(fileName);
}

void TMainForm::runPlotLoad(const std::function<void(halvern::ProcessHost&)>& load) {
    // Inside a process (the plotter reloaded while a process pumps) the process's scope holds.
    std::optional<BusyScope> busy;
    if (!busy_) busy.emplace(*this);
    load(*this);
    clearStatus();
}

QString TMainForm::statusLine() const {
    return status_->text();
}

QStringList TMainForm::logLines() const {
    return log_->toPlainText().split(QLatin1Char('\n'));
}

template <class Form, class Command>
void TMainForm::processCommand(Form* form, Command command) {
    if (busy_ || form == nullptr) return;
    if (RunModal(*form) != QDialog::Accepted) return;
    const auto inputs = form->inputs();
    BusyScope busy(*this);
    command(*this, inputs);
}

void TMainForm::Filter1Click() {
    processCommand(forms_.filter, RunFilterCommand);
}

void TMainForm::Collate1Click() {
    processCommand(forms_.coll, RunCollateCommand);
}

void TMainForm::Averages1Click() {
    processCommand(forms_.avg, RunAveragesCommand);
}

void TMainForm::Spectrum1Click() {
    processCommand(forms_.spectrum, RunSpectrumCommand);
}

void TMainForm::FormatColumns1Click() {
    processCommand(forms_.formatCol, RunFormatColumnsCommand);
}

void TMainForm::Convert1Click() {
    processCommand(forms_.convert, RunConvertCommand);
}

void TMainForm::DisplacementsClick() {
    processCommand(forms_.displace, RunDisplacementsCommand);
}

void TMainForm::TrajectoryPlotter1Click() {
    if (busy_ || forms_.trajPlot == nullptr) return;
    const auto chosen = halvern::UiFileChooser().openFile(this, PlotterOpenDialogSpec());
    if (!chosen) return;
    if (!halvern::FileNameFits(*chosen)) {
        sink().error(halvern::FileNameTooLongText(*chosen));
        return;
    }
    halvern::WaitCursor wait;
    showTrajectoryPlot(*chosen);
}

void TMainForm::showTrajectoryPlot(const std::string& fileName) {
    if (forms_.trajPlot == nullptr) return;
    findChild<QAction*>(QStringLiteral("TrajectoryPlotter1"))->setEnabled(false);
    forms_.trajPlot->setDataFileName(fileName);
    halvern::PresentWindow(forms_.trajPlot);
}

void TMainForm::UMTrajPlotClosed() {
    findChild<QAction*>(QStringLiteral("TrajectoryPlotter1"))->setEnabled(true);
}

void TMainForm::SaveLogAs1Click() {
    if (busy_) return;
    const auto chosen = halvern::UiFileChooser().saveFile(
        this, {"Save Log As", "Text file|*.txt|Any file|*.*", "*.txt", "txt"});
    if (!chosen) return;
    std::vector<std::string> lines;
    for (const QString& line : logLines()) lines.push_back(CoreText(line));
    SaveLogLines(sink(), lines, *chosen);
}

void TMainForm::ShowMemoryUsage1Click() {
    memLabelAction_->setVisible(memoryUsage_->isChecked());
}

// Not modal: the window stays open beside the main window.
void TMainForm::ScatteringRelations1Click() {
    if (forms_.scatter == nullptr) return;
    halvern::PresentWindow(forms_.scatter);
}

void TMainForm::Grapher1Click() {
    if (forms_.graph != nullptr) ShowGrapher(*forms_.graph);
}

void TMainForm::AboutBrisal1Click() {
    if (!busy_ && forms_.about != nullptr) RunModal(*forms_.about);
}

void TMainForm::ApplicationIdle() {
    if (const auto warning = idle_.lowDiskWarning(freeDiskBytes())) sink().warning(*warning);
    if (const auto caption = idle_.memoryCaption(allocatedBytes()))
        memLabel_->setText(QString::fromStdString(*caption));
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!busy_) {
        // The editors go first, each asking about its changes; one that stays keeps the program.
        if (!editors_->closeAll()) {
            event->ignore();
            return;
        }
        event->accept();
        Q_EMIT closed();
        return;
    }
    event->ignore();
    if (closeRequested_) return;
    halvern::RunGuarded(sink(), [this] {
        closeRequested_ = sink().askOkCancel(
            "This will close Brisal at the end of the process currently running.");
    });
}

}  // namespace brisal
