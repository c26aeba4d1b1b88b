#include "MainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTextBlock>
#include <QToolBar>

#include "AboutForm.h"
#include "DisplayText.h"
#include "EngineHelp.h"
#include "FileChooser.h"
#include "GraphWindow.h"
#include "GuardedSlot.h"
#include "InputFilesDialog.h"
#include "LogFiles.h"
#include "MemoryInUse.h"
#include "OptionsDialog.h"
#include "OutputFilesDialog.h"
#include "QtColours.h"
#include "StandardDialogs.h"
#include "UiFonts.h"
#include "UiSink.h"
#include "WindowStacking.h"
#include "run/RunSimulation.h"

namespace halvern {

namespace {

constexpr int kSplashMilliseconds = 1600;
constexpr int kIdleMilliseconds = 1000;

const QString kRunningHint = QStringLiteral("Halt simulation.");
const QString kBatchHint = QStringLiteral("Abort current batch job.");

void RunProject(EngineHost& host, EngineGlobals& globals, const TEngineFileNames& f, bool batch) {
    RunSimulation(f.projectile, f.target, f.model, f.run, f.impact, f.inelastic,
                  f.initialConditions, f.dynamics, f.inelasticEvents, batch, globals, host);
}

bool StartDetached(const std::string& program) {
    return QProcess::startDetached(DecodeText(program), {}, QDir::currentPath());
}

}  // namespace

TMainForm::TMainForm(TEngineSession& session, const std::string& programDir, QWidget* splash)
    : session_(session), splash_(splash), runProject_(RunProject), launch_(StartDetached) {
    setObjectName(QStringLiteral("TMainForm"));
    setWindowTitle(QString::fromLatin1(kEngineTitle));

    RichEdit1 = new RichEditEx(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setPlainTextMode(false);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit1->setAcceptRichText(false);
    RichEdit1->setFont(CourierNewFont(10));
    setCentralWidget(RichEdit1);
    status_ = new QLabel(QStringLiteral("Specify input files"), this);
    status_->setObjectName(QStringLiteral("Statusbar1"));
    statusBar()->addWidget(status_, 1);
    buildMenus();
    buildToolBar();
    SetHelpContext(this, kEngineIntroductionHelp);
    InstallContextHelp(this, kEngineHelpProgram);
    followLogEnd();
    resize(760, 520);

    // FormCreate, in its order.
    idleTimer_.setInterval(kIdleMilliseconds);
    connect(&idleTimer_, &QTimer::timeout, this, GuardedSlot([this] { ShowMemoryUse(); }));
    idleTimer_.start();
    Timer1.setSingleShot(true);
    Timer1.setInterval(kSplashMilliseconds);
    connect(&Timer1, &QTimer::timeout, this, GuardedSlot([this] { delete splash_.data(); }));
    Timer1.start();
    StartEngineSession(session_, programDir);

    qApp->installEventFilter(this);
}

TMainForm::~TMainForm() {
    qApp->removeEventFilter(this);
}

void TMainForm::attachWindows(TFileDialog* files, TAboutForm* about, TOutfileDlg* outputs,
                              TGraph* graph, TOptionsDlg* options) {
    fileDialog_ = files;
    aboutForm_ = about;
    outfileDlg_ = outputs;
    graph_ = graph;
    optionsDlg_ = options;
}

void TMainForm::buildToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("Panel1"));
    bar->setObjectName(QStringLiteral("Panel1"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // A button of a menu command shows its command: enabled state, hint and shortcut follow it.
    auto commandButton = [&](const char* name, QAction* command, const QString& text,
                             QStyle::StandardPixmap icon, const QString& hint) {
        command->setIconText(text);
        command->setIcon(style()->standardIcon(icon));
        command->setToolTip(hint);
        auto* b = new QToolButton(bar);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setDefaultAction(command);
        bar->addWidget(b);
        return b;
    };
    auto button = [&](const char* name, const QString& text, QStyle::StandardPixmap icon,
                      const QString& hint, std::function<void()> handler) {
        auto* b = new QToolButton(bar);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setIcon(style()->standardIcon(icon));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setToolTip(hint);
        bar->addWidget(b);
        connect(b, &QToolButton::clicked, this, GuardedSlot(std::move(handler)));
        return b;
    };
    SpeedButton3 =
        commandButton("SpeedButton3", Specifyinputfiles1, QStringLiteral("Files"),
                      QStyle::SP_DialogOpenButton, QStringLiteral("Specify input files"));
    SpeedButton1 = commandButton("SpeedButton1", Run1, QStringLiteral("Run"), QStyle::SP_MediaPlay,
                                 QStringLiteral("Begin simulation"));
    SpeedButton2 = button("SpeedButton2", QStringLiteral("Abort"), QStyle::SP_MediaStop,
                          QStringLiteral("Abort simulation (Ctrl-Break)"),
                          [this] { session_.globals.Flags.AbortRequested = 1; });
    SpeedButton5 = button("SpeedButton5", QStringLiteral("Clear"), QStyle::SP_DialogResetButton,
                          QStringLiteral("Clear editor"), [this] {
                              RichEdit1->clear();
                              logLines_ = 0;
                          });
    SpeedButton4 =
        commandButton("SpeedButton4", Graphcoordinates1, QStringLiteral("Graph"),
                      QStyle::SP_FileDialogContentsView, QStringLiteral("Show graph window"));
    Bevel1 = new QFrame(bar);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::Panel);
    Bevel1->setFrameShadow(QFrame::Sunken);
    auto* bevelLayout = new QHBoxLayout(Bevel1);
    bevelLayout->setContentsMargins(6, 1, 6, 1);
    MemLabel = new QLabel(QStringLiteral("20000000"), Bevel1);
    MemLabel->setObjectName(QStringLiteral("MemLabel"));
    QFont bold = MemLabel->font();
    bold.setBold(true);
    MemLabel->setFont(bold);
    MemLabel->setStyleSheet(QStringLiteral("color: blue"));
    bevelLayout->addWidget(MemLabel);
    // A tool-bar widget is shown and hidden through its action.
    memoryDisplay_ = bar->addWidget(Bevel1);
    memoryDisplay_->setVisible(false);
    SpeedButton6 = button("SpeedButton6", QStringLiteral("Step"), QStyle::SP_MediaSkipForward,
                          QStringLiteral("Step (abandon this run, start next)"),
                          [this] { session_.globals.Flags.StopTrajectory = 1; });
    CheckBox1 = new QCheckBox(QStringLiteral("Enable stepping"), bar);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    bar->addWidget(CheckBox1);
    for (QToolButton* b : {SpeedButton2, SpeedButton6}) b->setEnabled(false);
}

QAction* TMainForm::addCommand(QMenu* menu, const QString& text, int helpContext,
                               std::function<void()> handler, const QKeySequence& key) {
    QAction* action = menu->addAction(text);
    if (!key.isEmpty()) action->setShortcut(key);
    if (helpContext != 0) SetHelpContext(action, helpContext);
    if (handler)
        connect(action, &QAction::triggered, this, GuardedSlot(std::move(handler)));
    else
        action->setEnabled(false);
    return action;
}

void TMainForm::showGraphWindow() {
    PresentWindow(graph_);
}

void TMainForm::buildMenus() {
    File1 = menuBar()->addMenu(QStringLiteral("&File"));
    File1->setObjectName(QStringLiteral("File1"));
    Specifyinputfiles1 = addCommand(File1, QStringLiteral("Specify &input files"), kInputFilesHelp,
                                    [this] { Specifyinputfiles1Click(); });
    addCommand(File1, QStringLiteral("Specify &output files"), kOutputFilesHelp,
               [this] { Specifyoutputfiles1Click(); });
    Run1 = addCommand(File1, QStringLiteral("&Run"), kRunHelp, [this] { SpeedButton1Click(); });
    Run1->setEnabled(false);
    addCommand(File1, QStringLiteral("&Batch run"), kBatchRunHelp, [this] { Batchrun1Click(); });
    addCommand(File1, QStringLiteral("S&ave editor to file"), kSaveLogHelp,
               [this] { Savelog1Click(); });
    addCommand(File1, QStringLiteral("&Load file into editor"), kLoadLogHelp,
               [this] { Loadfileintoeditor1Click(); });
    addCommand(File1, QStringLiteral("&Print log"), kPrintLogHelp, [this] { Print1Click(); });
    Graphcoordinates1 = addCommand(File1, QStringLiteral("&Graph window"), kGraphWindowCommandHelp,
                                   [this] { showGraphWindow(); });
    Graphcoordinates1->setEnabled(false);
    addCommand(File1, QStringLiteral("&Velkor"), kStartSetupHelp, [this] { Velkor1Click(); });
    addCommand(File1, QStringLiteral("&Brisal"), kStartAnalysisHelp, [this] { Brisal1Click(); });

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    SetHelpContext(edit->menuAction(), kEditMenuHelp);
    connect(edit, &QMenu::aboutToShow, this, GuardedSlot([this] { Edit1Click(); }));
    cut_ = addCommand(
        edit, QStringLiteral("Cu&t"), 0, [this] { RichEdit1->cut(); },
        QKeySequence(Qt::CTRL | Qt::Key_X));
    copy_ = addCommand(
        edit, QStringLiteral("&Copy"), 0, [this] { RichEdit1->copy(); },
        QKeySequence(Qt::CTRL | Qt::Key_C));
    addCommand(
        edit, QStringLiteral("&Paste"), 0, [this] { RichEdit1->paste(); },
        QKeySequence(Qt::CTRL | Qt::Key_V));
    delete_ = addCommand(
        edit, QStringLiteral("&Delete"), 0,
        [this] { RichEdit1->textCursor().removeSelectedText(); },
        QKeySequence(Qt::CTRL | Qt::Key_Delete));
    addCommand(edit, QStringLiteral("&Select All"), 0, [this] { RichEdit1->selectAll(); });
    edit->addAction(QStringLiteral("&Insert OLE object"))->setEnabled(false);

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    Simulation1 = addCommand(options, QStringLiteral("&Simulation"), kSimulationOptionsHelp,
                             [this] { Simulation1Click(); });
    Showmemoryuse1 =
        addCommand(options, QStringLiteral("Show &memory use"), kMemoryUseHelp, [this] {
            showMemory_ = !showMemory_;
            Showmemoryuse1->setChecked(showMemory_);
            memoryDisplay_->setVisible(showMemory_);
        });
    Showmemoryuse1->setCheckable(true);
    addCommand(options, QStringLiteral("&Font"), kLogFontHelp,
               [this] { ChooseTextFont(*RichEdit1, this); });
    addCommand(options, QStringLiteral("&Page colour"), kPageColourHelp,
               [this] { ChoosePageColour(*RichEdit1, this); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    addCommand(help, QStringLiteral("&Introduction"), kEngineIntroductionHelp,
               [] { ShowEngineHelp(kEngineIntroductionHelp); });
    About1 = addCommand(help, QStringLiteral("&About"), 0, [this] { aboutForm_->exec(); });
}

void TMainForm::Edit1Click() {
    const bool selection = RichEdit1->textCursor().hasSelection();
    cut_->setEnabled(selection);
    copy_->setEnabled(selection);
    delete_->setEnabled(selection);
}

void TMainForm::Savelog1Click() {
    SaveLogToFile(*RichEdit1, this);
}

// New lines go below the loaded ones.
void TMainForm::Loadfileintoeditor1Click() {
    if (!LoadFileIntoLog(*RichEdit1, this)) return;
    QTextDocument* doc = RichEdit1->document();
    logLines_ = doc->isEmpty() ? 0 : doc->blockCount();
}

void TMainForm::Print1Click() {
    PrintTextEdit(*RichEdit1, this);
}

void TMainForm::setStatus(const QString& text) {
    status_->setText(text);
}

// The log follows new lines while its view is within one line of the end (Ctrl+End, a resize);
// a reader further up keeps the lines he is reading.
void TMainForm::followLogEnd() {
    QScrollBar* scroll = RichEdit1->verticalScrollBar();
    connect(scroll, &QScrollBar::valueChanged, this, [this, scroll](int value) {
        const int line = RichEdit1->fontMetrics().lineSpacing();
        followingLog_ = scroll->maximum() - value <= line;
    });
    connect(scroll, &QScrollBar::rangeChanged, this, [this, scroll](int, int maximum) {
        if (followingLog_) scroll->setValue(maximum);
    });
}

void TMainForm::appendLog(const std::string& line, ColourRef colour) {
    QScrollBar* scroll = RichEdit1->verticalScrollBar();
    const bool follow = followingLog_;
    QTextDocument* doc = RichEdit1->document();
    if (doc->isEmpty() && logLines_ > 1) logLines_ = 0;  // emptied by hand
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setForeground(ToQColor(colour));
    if (logLines_ > 0) cursor.insertBlock(QTextBlockFormat(), format);
    cursor.insertText(DecodeText(line), format);
    ++logLines_;
    if (follow) scroll->setValue(scroll->maximum());
}

void TMainForm::appendGreen(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) appendLog(line, colour::Green);
}

void TMainForm::logLine(const std::string& line, ColourRef colour) {
    if (logLines_ > session_.globals.Options.EditBufferLines) {
        RichEdit1->clear();
        logLines_ = 0;
    }
    appendLog(line, colour);
}

void TMainForm::stepCount(int32_t steps) {
    setStatus(QStringLiteral("Timesteps executed: %1").arg(steps));
}

void TMainForm::graphFrame(const TGraphFrame& frame) {
    if (graph_ == nullptr) return;
    // A hidden graph window keeps the frame: opened after a run, it shows the last trajectory's
    // final state.
    if (graph_->isVisible())
        graph_->drawFrame(frame);
    else
        graph_->keepFrame(frame);
}

void TMainForm::newImpact() {
    if (graph_) graph_->newImpact();
}

void TMainForm::pumpEvents() {
    QCoreApplication::processEvents();
}

void TMainForm::idle() {
    ShowMemoryUse();
}

MessageSink& TMainForm::sink() {
    return UiSink();
}

EngineFlags& TMainForm::flags() {
    return session_.globals.Flags;
}

bool TMainForm::showsEachTrajectory() {
    return graph_ && graph_->isVisible();
}

void TMainForm::ShowMemoryUse() {
    const uint64_t allocated = AllocatedBytes();
    if (allocated == lastAllocation_) return;
    lastAllocation_ = allocated;
    MemLabel->setText(QString::number(allocated));
}

void TMainForm::Specifyinputfiles1Click() {
    if (running_) return;
    const bool accepted = fileDialog_->exec() == QDialog::Accepted;
    const TSimulationOptions& options = session_.globals.Options;
    const bool inelastic = InelasticModelSelected(options);
    runReady_ = RunPossible(session_.files, inelastic);
    if (runReady_) {
        for (QAction* a : {Run1, Graphcoordinates1}) a->setEnabled(true);
        setWindowTitle(DecodeText(ReadyCaption(session_.files)));
        setStatus(QStringLiteral("Ready to run"));
        appendGreen(InputFileLogLines(session_.files, inelastic));
        return;
    }
    Run1->setEnabled(false);
    setWindowTitle(QString::fromLatin1(kEngineTitle));
    setStatus(QStringLiteral("Specify input files"));
    // After OK the user expects to run: say which file is still missing.
    if (!accepted) return;
    const TMissingInputReport report =
        ReportMissingInputs(MissingInputFiles(session_.files, inelastic), options);
    setStatus(DecodeText(report.status));
    for (const std::string& line : report.lines) appendLog(line, colour::Red);
    appendLog("", colour::Black);
}

void TMainForm::Specifyoutputfiles1Click() {
    if (running_) return;
    outfileDlg_->exec();
    appendGreen(OutputFileLogLines(session_.files));
}

void TMainForm::enterRunning(bool batch) {
    running_ = true;
    Run1->setEnabled(false);
    Specifyinputfiles1->setEnabled(false);
    SpeedButton2->setEnabled(true);
    SpeedButton6->setEnabled(CheckBox1->isChecked());
    CheckBox1->setEnabled(false);
    File1->menuAction()->setEnabled(false);
    About1->setEnabled(false);
    if (batch)
        SpeedButton2->setToolTip(kBatchHint);
    else
        Simulation1->setEnabled(false);
}

void TMainForm::leaveRunning() {
    running_ = false;
    for (QAction* a : {Simulation1, About1, File1->menuAction(), Specifyinputfiles1})
        a->setEnabled(true);
    // "&Run" and its button share one state: after a batch, the one it had before the batch.
    Run1->setEnabled(runReady_);
    CheckBox1->setEnabled(true);
    SpeedButton2->setEnabled(false);
    SpeedButton6->setEnabled(false);
    setStatus(QStringLiteral("Ready to run"));
}

void TMainForm::SpeedButton1Click() {
    if (running_ || !runProject_) return;
    setStatus(QStringLiteral("Loading data, swapping memory..."));
    enterRunning(false);
    struct Restore {
        TMainForm* form;
        ~Restore() { form->leaveRunning(); }
    } restore{this};
    runProject_(*this, session_.globals, session_.files, false);
    if (closeConfirmed_) QTimer::singleShot(0, this, &QWidget::close);
}

void TMainForm::batchStarting() {
    Graphcoordinates1->setEnabled(true);
}

void TMainForm::jobStarting(int jobNumber, const std::string& label) {
    enterRunning(true);
    setWindowTitle(DecodeText(BatchJobCaption(jobNumber, label)));
    setStatus(QStringLiteral("Running in batch mode"));
}

void TMainForm::runJob(const TEngineFileNames& files) {
    struct Restore {
        TMainForm* form;
        ~Restore() {
            form->SpeedButton2->setToolTip(kRunningHint);
            form->leaveRunning();
        }
    } restore{this};
    if (runProject_) runProject_(*this, session_.globals, files, true);
}

// The ready state is restored as the run returns (also when it throws).
void TMainForm::jobEnded() {}

void TMainForm::batchEnded() {
    setWindowTitle(QString::fromLatin1(kEngineTitle));
}

void TMainForm::Batchrun1Click() {
    if (running_) return;
    const auto chosen = UiFileChooser().openFile(
        this, {"Batch definition file", "Batch definition file|*.bdf|Any file|*.*", "*.bdf", ""});
    if (!chosen) return;
    RunBatch(*chosen, session_.files, *this);
    if (closeConfirmed_) QTimer::singleShot(0, this, &QWidget::close);
}

void TMainForm::Simulation1Click() {
    const double scale = session_.globals.GraphScale;
    if (optionsDlg_->exec() != QDialog::Accepted) return;
    if (session_.globals.GraphScale != scale) graph_->useGraphScale(session_.globals.GraphScale);
    if (optionsDlg_->saveOptionsTicked())
        SaveSimulationOptions(session_.optionsFilePath, session_.globals.Options, UiSink());
}

void TMainForm::launch(const std::string& pathInEngineFolder, const char* bareName) {
    if (LaunchSiblingProgram(pathInEngineFolder, bareName, launch_, UiSink())) return;
    const auto chosen =
        UiFileChooser().openFile(this, {"Execute Program", "Executable files|*", "", ""});
    if (chosen) LaunchChosenProgram(*chosen, launch_, UiSink());
}

void TMainForm::Velkor1Click() {
    launch(session_.setupProgramPath, kSetupProgramName);
}

void TMainForm::Brisal1Click() {
    launch(session_.analysisProgramPath, kAnalysisProgramName);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (closeConfirmed_ && !running_) {
        event->accept();
        return;
    }
    event->ignore();
    RunGuarded(UiSink(), [&] {
        if (closeConfirmed_) return;  // already asked; the run ends first
        if (running_) {
            closeConfirmed_ = UiSink().askOkCancel(
                "This will close Ostrel at the end of the simulation currently running.\r"
                "(Hint: use Ctrl-Break to abort the simulation.)");
            return;
        }
        if (UiSink().askOkCancel("This will close Ostrel now.")) {
            closeConfirmed_ = true;
            event->accept();
        }
    });
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool ctrlBreak =
            (key->key() == Qt::Key_Pause && (key->modifiers() & Qt::ControlModifier)) ||
            key->key() == Qt::Key_Cancel;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (ctrlBreak && widget && widget->window() == this) {
            session_.globals.Flags.AbortRequested = 1;
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace halvern
