#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <filesystem>
#include <set>

#include "EngineHelp.h"
#include "EngineUiTestSupport.h"
#include "FileSafety.h"
#include "GraphWindow.h"
#include "HelpWindow.h"
#include "ProgramLoop.h"
#include "QtColours.h"

using namespace halvern;
using namespace halvern::uitest;

class MainWindowTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void logLinesKeepTheirColoursAndTheLineLimit();
    void stepCountAndFramesForTheVisibleGraphWindow();
    void graphOpenedAfterARunShowsItsLastTrajectorysEnd();
    void runOfTheExampleProjectWritesReportAndOutputs();
    void abortAnsweredYesEndsTheRunAndNoGoesOn();
    void ctrlPauseRequestsAnAbort();
    void stepEndsTheTrajectoryOnlyWhenEnabled();
    void closeIsConfirmedAndWaitsForTheRun();
    void programNotFoundOffersTheExecuteDialog();
    void helpKeyOnAMenuItemShowsItsPage();
    void closingTheMainWindowEndsTheProgram();
    void logFollowsTheEndButNotAReader();
    void speedButtonsShowTheirCommands();
};

namespace {

// Calls `action` at every event pump of a running simulation.
class PumpUser {
  public:
    PumpUser(TMainForm& main, std::function<void()> action) {
        QObject::connect(&timer_, &QTimer::timeout, [&main, action] {
            if (main.running()) action();
        });
        timer_.start(0);
    }

  private:
    QTimer timer_;
};

int CountLines(const std::vector<LoggedLine>& log, const QString& prefix) {
    int n = 0;
    for (const LoggedLine& l : log) n += l.text.startsWith(prefix) ? 1 : 0;
    return n;
}

}  // namespace

void MainWindowTest::logLinesKeepTheirColoursAndTheLineLimit() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    const ColourRef colours[] = {colour::Black, colour::Red, colour::Blue, colour::Magenta,
                                 colour::DarkRed};
    for (ColourRef c : colours) main.logLine("line " + std::to_string(c), c);
    auto log = LogContents(main.log());
    QCOMPARE(log.size(), size_t(5));
    for (size_t i = 0; i < 5; ++i) {
        QCOMPARE(log[i].text, QStringLiteral("line %1").arg(colours[i]));
        QCOMPARE(log[i].colour, ToQColor(colours[i]));
    }
    // More lines than the limit: the log is cleared before the next one.
    main.session().globals.Options.EditBufferLines = 5;
    main.logLine("sixth", colour::Black);
    QCOMPARE(LogContents(main.log()).size(), size_t(6));
    main.logLine("seventh", colour::Red);
    log = LogContents(main.log());
    QCOMPARE(log.size(), size_t(1));
    QCOMPARE(log[0].text, QStringLiteral("seventh"));
    QCOMPARE(log[0].colour, ToQColor(colour::Red));
    main.session().globals.Options.EditBufferLines = 0;
    for (int i = 0; i < 4; ++i) {
        main.logLine("only " + std::to_string(i), colour::Blue);
        QCOMPARE(LogContents(main.log()).size(), size_t(1));
    }
    main.SpeedButton5->click();
    QCOMPARE(main.log()->toPlainText(), QString());
}

void MainWindowTest::stepCountAndFramesForTheVisibleGraphWindow() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    main.stepCount(1234);
    QCOMPARE(main.statusText(), QStringLiteral("Timesteps executed: 1234"));
    std::vector<double> xyz(3, 0.0);
    const TGraphFrame frame{xyz.data(), xyz.data(), xyz.data(), 2, 1e-15f};
    main.graphFrame(frame);
    QCOMPARE(main.graphWindow()->framesDrawn(), 0);  // hidden: kept, not drawn
    main.graphWindow()->show();
    QVERIFY(CountColoured(main.graphWindow()->picture()) > 0);  // drawn as it shows
    main.graphFrame(frame);
    QCOMPARE(main.graphWindow()->framesDrawn(), 1);
    main.graphWindow()->hide();
}

// Graph opened after a run (its impacts run ahead on worker threads while it is shut) shows the
// final state of the run's last trajectory.
void MainWindowTest::graphOpenedAfterARunShowsItsLastTrajectorysEnd() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    main.show();
    SpecifyExampleProject(bench, main, 2);
    bench.sink.scriptAnswers({true});
    main.SpeedButton1Click();
    QCOMPARE(CountLines(LogContents(main.log()), QStringLiteral("  Run count: ")), 2);
    QVERIFY(!main.graphWindow()->isVisible());
    main.SpeedButton4->click();
    QVERIFY(QTest::qWaitForWindowExposed(main.graphWindow()));
    QVERIFY(CountColoured(main.graphWindow()->picture()) > 0);
    QCOMPARE(main.graphWindow()->framesDrawn(), 0);
    SaveScreenshot(main.graphWindow(), QStringLiteral("ostrel22-graph-window-after-run"));
    main.graphWindow()->hide();
}

void MainWindowTest::runOfTheExampleProjectWritesReportAndOutputs() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    main.resize(900, 640);
    main.show();
    SpecifyExampleProject(bench, main);
    main.SpeedButton4->click();  // the graph window follows the run
    QVERIFY(main.graphWindow()->isVisible());
    bool sawRunningState = false;
    bool earlyShot = false;
    PumpUser user(main, [&] {
        // The crystal as the projectile reaches it, for the reviewer.
        if (!earlyShot && main.graphWindow()->framesDrawn() == 8) {
            earlyShot = true;
            SaveScreenshot(main.graphWindow(), QStringLiteral("ostrel22-graph-window-early"));
        }
        sawRunningState = !main.SpeedButton1->isEnabled() && !main.SpeedButton3->isEnabled() &&
                          main.SpeedButton2->isEnabled() && !main.SpeedButton6->isEnabled() &&
                          !main.CheckBox1->isEnabled() && !main.File1->menuAction()->isEnabled() &&
                          !main.About1->isEnabled() && !main.Simulation1->isEnabled() &&
                          main.SpeedButton4->isEnabled() && main.SpeedButton5->isEnabled();
    });
    main.SpeedButton1Click();
    QVERIFY(sawRunningState);
    QCOMPARE(bench.sink.texts().front(), std::string("Proceed with simulation now?"));

    const auto log = LogContents(main.log());
    const std::string impacts = bench.file("cu100.imp");
    std::string impactBytes;
    QVERIFY(ReadFileBytes(impacts, impactBytes));
    const int trajectories =
        static_cast<int>(std::count(impactBytes.begin(), impactBytes.end(), '\n'));
    QCOMPARE(CountLines(log, QStringLiteral("  Run count: ")), trajectories);
    const int first = FindLogLine(log, QStringLiteral("  Run count: 1"));
    QVERIFY(first > 0);
    QCOMPARE(log[first].colour, ToQColor(colour::Magenta));
    QVERIFY(CountLines(log, QStringLiteral("  Cumulative error in system energy:")) == 1);
    bool red = false;
    for (const LoggedLine& l : log) red = red || l.colour == ToQColor(colour::Red);
    QVERIFY2(!red, "a run of the example project logs no error");
    QVERIFY(main.graphWindow()->framesDrawn() > trajectories);
    QVERIFY(std::filesystem::file_size(main.session().files.dynamics) > 0);
    QVERIFY(std::filesystem::file_size(main.session().files.dynamics) % 40 == 0);
    // Ready again, with the caption it had.
    QCOMPARE(main.statusText(), QStringLiteral("Ready to run"));
    QCOMPARE(main.windowTitle(), QStringLiteral("Ostrel 2.2 (cu100.trg...)"));
    QVERIFY(main.SpeedButton1->isEnabled() && !main.SpeedButton2->isEnabled());
    QVERIFY(main.File1->menuAction()->isEnabled() && main.Simulation1->isEnabled());

    SaveScreenshot(&main, QStringLiteral("ostrel22-main-log-end"));
    main.log()->verticalScrollBar()->setValue(0);
    SaveScreenshot(&main, QStringLiteral("ostrel22-main-after-run"));
    SaveScreenshot(main.graphWindow(), QStringLiteral("ostrel22-graph-window"));
    // The final state of the last trajectory stays when the window is resized.
    const QImage before = main.graphWindow()->picture();
    main.graphWindow()->resize(main.graphWindow()->size() + QSize(160, 120));
    QCoreApplication::processEvents();
    QVERIFY(main.graphWindow()->picture().size() != before.size());
    QVERIFY(CountColoured(main.graphWindow()->picture()) > 100);
    SaveScreenshot(main.graphWindow(), QStringLiteral("ostrel22-graph-window-resized"));
    main.graphWindow()->hide();

    // With the options as they start, the run adds its dynamical-variables file and nothing else
    // to the project's folder.
    std::set<std::string> written;
    for (const auto& entry : std::filesystem::directory_iterator(bench.file(".")))
        if (entry.is_regular_file() && entry.path().stem() != "cu100")
            written.insert(entry.path().filename().string());
    QCOMPARE(written, std::set<std::string>{"dynvars.osl"});

    // The README's picture: the end of the run in a smaller window.
    main.resize(720, 420);
    QCoreApplication::processEvents();
    main.log()->verticalScrollBar()->setValue(main.log()->verticalScrollBar()->maximum());
    SaveScreenshot(&main, QStringLiteral("ostrel22-example-run"));
}

void MainWindowTest::abortAnsweredYesEndsTheRunAndNoGoesOn() {
    for (bool yes : {true, false}) {
        EngineTestBench bench;
        TMainForm& main = bench.start();
        SpecifyExampleProject(bench, main, 3);
        bool pressed = false;
        PumpUser user(main, [&] {
            if (pressed) return;
            pressed = true;
            main.SpeedButton2->click();
            QCOMPARE(main.session().globals.Flags.AbortRequested, uint8_t(1));
        });
        bench.sink.scriptAnswers({true, yes});
        main.SpeedButton1Click();
        QVERIFY(pressed);
        QCOMPARE(bench.sink.texts()[1], std::string("Do you really wish to abort the simulation?"));
        const auto log = LogContents(main.log());
        int aborting = -1;
        for (int i = 0; i < static_cast<int>(log.size()); ++i)
            if (log[i].text.endsWith(QStringLiteral("Aborting simulation after next cycle...")))
                aborting = i;
        QCOMPARE(main.session().globals.Flags.AbortRequested, uint8_t(0));
        if (yes) {
            QVERIFY(aborting >= 0);
            QCOMPARE(log[aborting].colour, ToQColor(colour::Red));
            QCOMPARE(CountLines(log, QStringLiteral("  Run count: ")), 1);
        } else {
            QCOMPARE(aborting, -1);
            QCOMPARE(CountLines(log, QStringLiteral("  Run count: ")), 3);
            QCOMPARE(main.session().globals.Flags.StopTrajectory, uint8_t(0));
        }
        QCOMPARE(main.statusText(), QStringLiteral("Ready to run"));
    }
}

void MainWindowTest::ctrlPauseRequestsAnAbort() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    main.show();
    QTest::keyClick(main.log(), Qt::Key_Pause, Qt::ControlModifier);
    QCOMPARE(main.session().globals.Flags.AbortRequested, uint8_t(1));
    main.session().globals.Flags.AbortRequested = 0;
    QTest::keyClick(main.log(), Qt::Key_Pause);
    QCOMPARE(main.session().globals.Flags.AbortRequested, uint8_t(0));
}

void MainWindowTest::stepEndsTheTrajectoryOnlyWhenEnabled() {
    for (bool stepping : {false, true}) {
        EngineTestBench bench;
        TMainForm& main = bench.start();
        SpecifyExampleProject(bench, main, 3);
        main.CheckBox1->setChecked(stepping);
        bool stepEnabled = false;
        int stepsAtPress = -1;
        PumpUser user(main, [&] {
            stepEnabled = stepEnabled || main.SpeedButton6->isEnabled();
            if (stepping && stepsAtPress < 0) {
                stepsAtPress = 0;
                main.SpeedButton6->click();
                QCOMPARE(main.session().globals.Flags.StopTrajectory, uint8_t(1));
            }
        });
        main.SpeedButton1Click();
        QCOMPARE(stepEnabled, stepping);
        // Stepping ends only the current trajectory: every impact still runs.
        QCOMPARE(CountLines(LogContents(main.log()), QStringLiteral("  Run count: ")), 3);
        QVERIFY(!main.SpeedButton6->isEnabled());
        QVERIFY(main.CheckBox1->isEnabled());
    }
}

void MainWindowTest::closeIsConfirmedAndWaitsForTheRun() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    main.show();
    bench.sink.scriptAnswers({false});
    main.close();
    QVERIFY(main.isVisible());
    QCOMPARE(bench.sink.texts().back(), std::string("This will close Ostrel now."));

    SpecifyExampleProject(bench, main, 2);
    bool asked = false;
    PumpUser user(main, [&] {
        if (asked) return;
        asked = true;
        main.close();
        QVERIFY(main.isVisible());  // the run goes on
    });
    bench.sink.scriptAnswers({true, true});
    main.SpeedButton1Click();
    QVERIFY(asked);
    QCOMPARE(bench.sink.texts().back(),
             std::string("This will close Ostrel at the end of the simulation currently "
                         "running.\r(Hint: use Ctrl-Break to abort the simulation.)"));
    QCOMPARE(CountLines(LogContents(main.log()), QStringLiteral("  Run count: ")), 2);
    QTRY_VERIFY(!main.isVisible());
}

void MainWindowTest::programNotFoundOffersTheExecuteDialog() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    std::vector<std::string> launched;
    bool starts = false;
    main.setProgramLauncher([&](const std::string& program) {
        launched.push_back(program);
        return starts;
    });
    main.session().analysisProgramPath = bench.file("brisal22");
    bench.chooser.script({std::string("/opt/elsewhere/brisal22")});
    main.Brisal1Click();
    QCOMPARE(launched, (std::vector<std::string>{"brisal22", "/opt/elsewhere/brisal22"}));
    QCOMPARE(bench.chooser.asked.back().title, std::string("Execute Program"));
    QCOMPARE(bench.sink.texts(), (std::vector<std::string>{"brisal22 was not found.",
                                                           "brisal22was not found on your path."}));
}

void MainWindowTest::helpKeyOnAMenuItemShowsItsPage() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    main.show();
    QMenu* options = nullptr;
    for (QMenu* m : main.menuBar()->findChildren<QMenu*>())
        if (m->title() == QStringLiteral("&Options")) options = m;
    QVERIFY(options);
    options->popup(main.geometry().center());
    options->setActiveAction(main.Simulation1);
    QTest::keyClick(options, Qt::Key_F1);
    options->hide();
    QCOMPARE(ShownHelpPage(), QStringLiteral("310.html"));
    // A control without a context of its own shows its window's page.
    QTest::keyClick(main.log(), Qt::Key_F1);
    QCOMPARE(ShownHelpPage(), QStringLiteral("1.html"));
    QVERIFY(bench.sink.texts().empty());
    ProgramHelpWindow()->close();
}

// The engine asks first, in a real message box: Cancel keeps it; OK closes its help and graph
// windows with it and the program's event loop ends.
void MainWindowTest::closingTheMainWindowEndsTheProgram() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    ProgramEndWiring wiring(&main);
    main.show();
    main.graphWindow()->show();
    ShowEngineHelp(kEngineIntroductionHelp);
    QVERIFY(ProgramHelpWindow() != nullptr && ProgramHelpWindow()->isVisible());
    RealMessageBoxes boxes;

    QString asked;
    bool allShown = false;
    // (The loop's end at the time limit deletes the help window, as the program's end does.)
    QTimer::singleShot(500, [&] {
        allShown = main.isVisible() && main.graphWindow()->isVisible() &&
                   ProgramHelpWindow() != nullptr && ProgramHelpWindow()->isVisible();
    });
    QCOMPARE(CloseProgramAnswering(main, QMessageBox::Cancel, &asked, 600), -1);
    QCOMPARE(asked, QStringLiteral("This will close Ostrel now."));
    QVERIFY(allShown);
    ShowEngineHelp(kEngineIntroductionHelp);

    asked.clear();
    QCOMPARE(CloseProgramAnswering(main, QMessageBox::Ok, &asked), 0);
    QCOMPARE(asked, QStringLiteral("This will close Ostrel now."));
    QVERIFY(!main.isVisible() && !main.graphWindow()->isVisible());
    QVERIFY(ProgramHelpWindow() == nullptr || !ProgramHelpWindow()->isVisible());
}

void MainWindowTest::logFollowsTheEndButNotAReader() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    main.resize(700, 420);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QScrollBar* scroll = main.log()->verticalScrollBar();
    int n = 0;
    auto addLines = [&](int count) {
        for (int i = 0; i < count; ++i) main.logLine("line " + std::to_string(++n), colour::Black);
        QCoreApplication::processEvents();
    };
    auto atEnd = [scroll] { return scroll->value() == scroll->maximum(); };
    addLines(200);
    QVERIFY(scroll->maximum() > 0);
    QVERIFY(atEnd());

    scroll->setValue(scroll->maximum() / 2);  // the user reads higher up
    const int reading = scroll->value();
    addLines(20);
    QCOMPARE(scroll->value(), reading);

    QTest::keyClick(main.log(), Qt::Key_End, Qt::ControlModifier);
    addLines(20);
    QVERIFY(atEnd());

    // A few pixels short of the bottom counts as the end.
    scroll->setValue(scroll->maximum() - main.log()->fontMetrics().lineSpacing() / 2);
    addLines(5);
    QVERIFY(atEnd());

    main.resize(700, 260);
    QCoreApplication::processEvents();
    QVERIFY(atEnd());
    addLines(5);
    QVERIFY(atEnd());
    QCOMPARE(LogContents(main.log()).back().text, QStringLiteral("line %1").arg(n));
}

// A tool-bar button shows its menu command: it follows the command's state and hint.
void MainWindowTest::speedButtonsShowTheirCommands() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    const std::pair<QToolButton*, QAction*> shared[] = {
        {main.SpeedButton1, main.Run1},
        {main.SpeedButton3, main.Specifyinputfiles1},
        {main.SpeedButton4, main.Graphcoordinates1}};
    for (const auto& [button, command] : shared) {
        QCOMPARE(button->defaultAction(), command);
        for (bool enabled : {true, false, true}) {
            command->setEnabled(enabled);
            QCOMPARE(button->isEnabled(), enabled);
        }
    }
    QCOMPARE(main.SpeedButton1->toolTip(), QStringLiteral("Begin simulation"));
    QCOMPARE(main.SpeedButton3->toolTip(), QStringLiteral("Specify input files"));
    QCOMPARE(main.SpeedButton4->toolTip(), QStringLiteral("Show graph window"));
    QCOMPARE(main.Run1->text(), QStringLiteral("&Run"));
}

int RunMainWindowTests(int argc, char** argv) {
    MainWindowTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "MainWindowTest.moc"
