// TMainForm: the analysis program's main window: the log, the status line, the speed bar and
// the menus from which the record processes run, each inside its command handler. The window is
// the processes' host; while one runs, no other command starts and a close waits for its end.
#pragma once

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "AnalysisHost.h"
#include "Cadence.h"
#include "IdleChecks.h"
#include "PlotLoadHost.h"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTimer;
class QToolBar;

namespace halvern {
class TScatterForm;
}

namespace brisal {

class AnalysisEditorHost;
class TAboutBox;
class TCollForm;
class TConvertForm;
class TDisplaceForm;
class TFilterForm;
class TFunctionsForm;
class TGenius2Form;
class TGraphForm;
class TGeniusForm;
class TSpecForm;
class TTOptionsForm;
class TTrajPlotForm;

// The windows the main window opens, made once at program start.
struct TProcessForms {
    TSpecForm* spectrum = nullptr;
    TGeniusForm* genius = nullptr;
    TCollForm* coll = nullptr;
    TFunctionsForm* avg = nullptr;
    TFunctionsForm* formatCol = nullptr;
    TConvertForm* convert = nullptr;
    TFilterForm* filter = nullptr;
    TGenius2Form* genius2 = nullptr;
    TTrajPlotForm* trajPlot = nullptr;
    TTOptionsForm* tOptions = nullptr;
    TAboutBox* about = nullptr;
    TDisplaceForm* displace = nullptr;
    TGraphForm* graph = nullptr;
    halvern::TScatterForm* scatter = nullptr;
};

class TMainForm : public QMainWindow, public AnalysisHost, public PlotLoadHost {
    Q_OBJECT
  public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    void attachForms(const TProcessForms& forms);
    const TProcessForms& forms() const { return forms_; }

    // The process host. The status line holds the latest text; during a process it is repainted,
    // and the events are pumped, once a cadence interval, however often the loop reports.
    void statusText(const std::string& text) override;
    void pumpEvents() override;
    halvern::MessageSink& sink() override;
    void logLine(const std::string& text) override;
    void clearStatus() override;
    void setWaitCursor(bool waiting) override;
    void plotFile(const TPlotRequest& request) override;
    void editFile(const std::string& fileName) override;
    // A load of the trajectory plotter runs as a process: the other commands shut, its progress
    // in the status line, which is emptied afterwards.
    void runPlotLoad(const std::function<void(halvern::ProcessHost&)>& load) override;

    // The editor windows: "&New", "&Open", an editor's own New and Open, and the results.
    AnalysisEditorHost& editors() { return *editors_; }

    // Command handlers.
    void Filter1Click();
    void Collate1Click();
    void Averages1Click();
    void Spectrum1Click();
    void FormatColumns1Click();
    void Convert1Click();
    void DisplacementsClick();
    // The plotter on a chosen file; its command stays shut until the plotter closes.
    void TrajectoryPlotter1Click();
    // Shows the plotter on the file, its command shut (also for the file named at start).
    void showTrajectoryPlot(const std::string& fileName);
    // The plotter has closed (UM_TRAJPLOTCLOSED): its command opens again.
    void UMTrajPlotClosed();
    void SaveLogAs1Click();
    void ShowMemoryUsage1Click();
    void ScatteringRelations1Click();
    void Grapher1Click();
    void AboutBrisal1Click();
    // Whenever the program is idle: the low-disk warning and the memory display.
    void ApplicationIdle();

    // A process is running.
    bool busy() const { return busy_; }
    QString statusLine() const;
    QStringList logLines() const;

    // What the idle handler reads, replaceable so that tests can set the figures.
    std::function<std::optional<uint64_t>()> freeDiskBytes;
    std::function<uint64_t()> allocatedBytes;

  Q_SIGNALS:
    // The window has closed: the program ends.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    class BusyScope;

    void buildMenus();
    void buildSpeedBar();
    // A command without a handler is shown disabled.
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption, int helpContext,
                        std::function<void()> handler = {});
    // Runs the dialog, then, after OK, the command on its inputs, with the other commands shut.
    template <class Form, class Command>
    void processCommand(Form* form, Command command);
    void setCommandsEnabled(bool enabled);
    // Shows the text the status line holds, if it is not shown yet.
    void showHeldStatus();

    TProcessForms forms_;
    std::unique_ptr<AnalysisEditorHost> editors_;
    IdleChecks idle_;
    bool busy_ = false;
    bool closeRequested_ = false;
    bool logStarted_ = false;  // the log holds a line, possibly an empty one
    int waitCursors_ = 0;
    QPlainTextEdit* log_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* memLabel_ = nullptr;
    QAction* memLabelAction_ = nullptr;
    QAction* memoryUsage_ = nullptr;
    QToolBar* speedBar_ = nullptr;
    std::vector<QMenu*> commandMenus_;
    QAction* about_ = nullptr;
    QTimer* idleTimer_ = nullptr;
    std::string heldStatus_;
    bool statusHeld_ = false;
    Cadence statusCadence_{kWindowCadence};
    Cadence pumpCadence_{kWindowCadence};
    QTimer* statusTimer_ = nullptr;  // shows a held text once the event loop runs again
};

}  // namespace brisal
