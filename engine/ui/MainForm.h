// The engine's main window: a coloured log that the core writes into, the commands that name
// the files and start a run or a batch, Abort and Step while a run pumps events, the graph and
// options windows, and the start of the set-up and analysis programs.
#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "RichEditEx.h"
#include "host/EngineHost.h"
#include "input/BatchFile.h"
#include "run/EngineStartup.h"

namespace halvern {

class TFileDialog;
class TAboutForm;
class TOutfileDlg;
class TGraph;
class TOptionsDlg;

// One run of the core: the six input and three output names, and the batch flag.
using RunProjectFunction = std::function<void(EngineHost& host, EngineGlobals& globals,
                                              const TEngineFileNames& files, bool batch)>;

class TMainForm : public QMainWindow, public EngineHost, public BatchHost {
    Q_OBJECT
  public:
    // FormCreate: the memory display and the splash timer, the options file of the current
    // folder and the paths of the other two programs. `splash` is freed by the timer.
    TMainForm(TEngineSession& session, const std::string& programDir, QWidget* splash = nullptr);
    ~TMainForm() override;

    // The windows created after the main window, in their order.
    void attachWindows(TFileDialog* files, TAboutForm* about, TOutfileDlg* outputs, TGraph* graph,
                       TOptionsDlg* options);
    void setRunProject(RunProjectFunction run) { runProject_ = std::move(run); }
    void setProgramLauncher(ProgramLauncher launch) { launch_ = std::move(launch); }

    // EngineHost.
    void logLine(const std::string& line, ColourRef colour) override;
    void stepCount(int32_t steps) override;
    void graphFrame(const TGraphFrame& frame) override;
    void newImpact() override;
    void pumpEvents() override;
    void idle() override;
    MessageSink& sink() override;
    EngineFlags& flags() override;
    bool showsEachTrajectory() override;

    // BatchHost.
    void batchStarting() override;
    void jobStarting(int jobNumber, const std::string& label) override;
    void runJob(const TEngineFileNames& files) override;
    void jobEnded() override;
    void batchEnded() override;

    // Command handlers, also for the window's tests.
    void Specifyinputfiles1Click();
    void Specifyoutputfiles1Click();
    void SpeedButton1Click();
    void Batchrun1Click();
    void Simulation1Click();
    void Velkor1Click();
    void Brisal1Click();
    void Savelog1Click();
    void Loadfileintoeditor1Click();
    void Print1Click();

    bool running() const { return running_; }
    QString statusText() const { return status_->text(); }
    RichEditEx* log() const { return RichEdit1; }
    TGraph* graphWindow() const { return graph_; }
    TFileDialog* fileDialog() const { return fileDialog_; }
    TOutfileDlg* outfileDialog() const { return outfileDlg_; }
    TOptionsDlg* optionsDialog() const { return optionsDlg_; }
    TAboutForm* aboutForm() const { return aboutForm_; }
    TEngineSession& session() { return session_; }
    bool splashShown() const { return !splash_.isNull(); }

    QToolButton* SpeedButton1;  // Run
    QToolButton* SpeedButton2;  // Abort
    QToolButton* SpeedButton3;  // input files
    QToolButton* SpeedButton4;  // graph window
    QToolButton* SpeedButton5;  // clear
    QToolButton* SpeedButton6;  // Step
    QCheckBox* CheckBox1;
    QLabel* MemLabel;
    QFrame* Bevel1;
    RichEditEx* RichEdit1;
    QAction* Specifyinputfiles1;
    QAction* Run1;
    QAction* Graphcoordinates1;
    QAction* Simulation1;
    QAction* About1;
    QAction* Showmemoryuse1;
    QMenu* File1;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildToolBar();
    void buildMenus();
    // A command without a handler is shown disabled.
    QAction* addCommand(QMenu* menu, const QString& text, int helpContext,
                        std::function<void()> handler, const QKeySequence& key = {});
    void showGraphWindow();
    void followLogEnd();
    void appendLog(const std::string& line, ColourRef colour);
    void appendGreen(const std::vector<std::string>& lines);
    void setStatus(const QString& text);
    void enterRunning(bool batch);
    void leaveRunning();
    void launch(const std::string& pathInEngineFolder, const char* bareName);
    void ShowMemoryUse();
    void Edit1Click();

    TEngineSession& session_;
    QPointer<QWidget> splash_;
    QTimer Timer1;
    QTimer idleTimer_;
    TFileDialog* fileDialog_ = nullptr;
    TAboutForm* aboutForm_ = nullptr;
    TOutfileDlg* outfileDlg_ = nullptr;
    TGraph* graph_ = nullptr;
    TOptionsDlg* optionsDlg_ = nullptr;
    QLabel* status_;
    QAction* memoryDisplay_ = nullptr;
    QAction* cut_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* delete_ = nullptr;
    RunProjectFunction runProject_;
    ProgramLauncher launch_;
    bool running_ = false;
    bool runReady_ = false;  // the input files allow a run
    bool followingLog_ = true;
    bool closeConfirmed_ = false;
    bool showMemory_ = false;
    uint64_t lastAllocation_ = 0;
    int logLines_ = 0;
};

}  // namespace halvern
