// The main window as the processes' host: no second command and no close in the middle of a
// process, the memory display and low-disk warning, the log's Save and Edit commands, and a
// screenshot for review.
#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "FilterForm.h"
#include "Genius2Form.h"
#include "HelpContexts.h"
#include "HelpWindow.h"
#include "ProgramEnd.h"
#include "SpecForm.h"
#include "UiTestSupport.h"

using namespace brisal;
using namespace brisal_test;

// Counts the events of one type that reach the watched object.
class EventCounter : public QObject {
  public:
    EventCounter(QEvent::Type type, int& count) : type_(type), count_(count) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type_) ++count_;
        return false;
    }

  private:
    QEvent::Type type_;
    int& count_;
};

class MainWindowTest : public UiTestCase {
    Q_OBJECT

    // A source long enough for the filter to pump events several times.
    QString writeLongRun() {
        const QString source = path("long.osl");
        std::vector<halvern::TOslRecord> records;
        for (int i = 0; i < 5000; ++i) records.push_back(Particle(10.0 + i % 300, i % 7));
        WriteRecords(source, records);
        return source;
    }

    void addFilterScript(ModalScripts& modal, const QString& source, const QString& destination,
                         std::function<void()> beforeOk = {}) {
        modal.add([=](QDialog& d) {
            SetText(d, "Edit1", source);
            SetText(d, "Edit2", destination);
            SetText(d, "VarBox", QStringLiteral("[ke/ep > 100.0]"));
            if (beforeOk) beforeOk();
            Click(d, "BitBtn1");
        });
    }

  private Q_SLOTS:
    void closingWithAHelpWindowOpenEndsTheProgram() {
        BrisalWindows w = startProgram();
        w.main->show();
        halvern::ShowHelp(kHelpProgram, kQueryLanguageHelp);
        QVERIFY(halvern::ProgramHelpWindow()->isVisible());
        auto* end = new halvern::ProgramEnd(w.main.get());
        QEventLoop loop;
        connect(end, &halvern::ProgramEnd::ended, &loop, &QEventLoop::quit);
        QTimer::singleShot(0, w.main.get(), &QWidget::close);
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
        QCOMPARE(loop.exec(), 0);
        QTRY_VERIFY(halvern::ProgramHelpWindow() == nullptr ||
                    !halvern::ProgramHelpWindow()->isVisible());
    }

    // F1 on a highlighted menu item shows the item's page, elsewhere the window's.
    void helpKeyShowsThePageOfTheItemOrWindow() {
        BrisalWindows w = startProgram();
        w.main->show();
        auto shown = [] {
            const halvern::HelpWindow* help = halvern::ProgramHelpWindow();
            return help != nullptr && help->isVisible() ? help->source().fileName() : QString();
        };
        const std::pair<const char*, const char*> items[] = {{"SaveLogAs1", "110.html"},
                                                             {"SelectAll1", "200.html"},
                                                             {"Spectrum1", "340.html"},
                                                             {"ShowMemoryUsage1", "430.html"},
                                                             {"QueryLanguage1", "50.html"}};
        for (const auto& [name, page] : items) {
            QAction* item = Child<QAction>(*w.main, name);
            auto* menu = qobject_cast<QMenu*>(item->parent());
            QVERIFY2(menu != nullptr, name);
            menu->popup(w.main->geometry().center());
            menu->setActiveAction(item);
            QTest::keyClick(menu, Qt::Key_F1);
            menu->hide();
            QCOMPARE(shown(), QString::fromLatin1(page));
        }
        QTest::keyClick(Child<QWidget>(*w.main, "RichEditEx1"), Qt::Key_F1);
        QCOMPARE(shown(), QStringLiteral("1.html"));
        QVERIFY(sink.texts().empty());
        halvern::ProgramHelpWindow()->close();
    }

    // A speed button is its menu command: enabled state and hint from one source.
    void speedButtonsFollowTheirCommands() {
        BrisalWindows w = startProgram();
        auto* command = Child<QAction>(*w.main, "Filter1");
        auto* button = Child<QToolButton>(*w.main, "SpeedButton6");
        QCOMPARE(button->defaultAction(), command);
        for (bool enabled : {false, true}) {
            command->setEnabled(enabled);
            QCOMPARE(button->isEnabled(), enabled);
        }
        QCOMPARE(button->toolTip(), QStringLiteral("Filter OSL file"));
        QCOMPARE(command->text(), QStringLiteral("&Filter   (OSL --> OSL)"));
    }

    void noSecondCommandAndNoCloseDuringAProcess() {
        BrisalWindows w = startProgram();
        w.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.main.get()));
        QSignalSpy closed(w.main.get(), &TMainForm::closed);
        ModalScripts modal;
        bool ranInside = false;
        // Runs at the process's first event pump.
        auto duringProcess = [&] {
            ranInside = true;
            QVERIFY(w.main->busy());
            QVERIFY(w.main->statusLine().startsWith("Working... please wait ("));
            QVERIFY(!Child<QAction>(*w.main, "Spectrum1")->isEnabled() ||
                    !w.main->menuBar()->actions()[2]->isEnabled());
            w.main->Spectrum1Click();  // refused: no dialog is shown
            w.main->Filter1Click();
            w.main->close();  // asks, then waits for the end of the process
            QVERIFY(w.main->isVisible());
            w.main->close();  // asked once only
        };
        addFilterScript(modal, writeLongRun(), path("out.osl"),
                        [&] { QTimer::singleShot(0, w.main.get(), duringProcess); });
        Child<QAction>(*w.main, "Filter1")->trigger();

        QVERIFY(ranInside);
        QCOMPARE(modal.shown, QStringList{"Filter"});
        QCOMPARE(sink.texts(), std::vector<std::string>{
                                   "This will close Brisal at the end of the process currently "
                                   "running."});
        QVERIFY(w.main->logLines().last().startsWith("long.osl (5000 recs.) --> out.osl"));
        QVERIFY(!w.main->busy());
        QVERIFY(Child<QAction>(*w.main, "Spectrum1")->isEnabled());
        QVERIFY(w.main->menuBar()->actions()[2]->isEnabled());
        QTRY_COMPARE(closed.count(), 1);
        QVERIFY(!w.main->isVisible());
    }

    void aCloseRefusedDuringAProcessLeavesTheWindowOpen() {
        BrisalWindows w = startProgram();
        w.main->show();
        QSignalSpy closed(w.main.get(), &TMainForm::closed);
        sink.scriptAnswers({false});
        ModalScripts modal;
        addFilterScript(modal, writeLongRun(), path("out.osl"),
                        [&] { QTimer::singleShot(0, w.main.get(), [&] { w.main->close(); }); });
        Child<QAction>(*w.main, "Filter1")->trigger();
        QTest::qWait(20);
        QCOMPARE(closed.count(), 0);
        QVERIFY(w.main->isVisible());
        // Without a process, the window closes at once.
        w.main->close();
        QCOMPARE(closed.count(), 1);
    }

    // A long process repaints the status line and handles the window's events on the window's
    // clock, not at every report of its record loop (800 status lines and 200 pumps here).
    void aProcessPaintsAndPumpsOnTheWindowsClock() {
        BrisalWindows w = startProgram();
        w.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.main.get()));
        const QString source = path("big.osl");
        WriteRecords(source, std::vector<halvern::TOslRecord>(400'000, Particle(50)));
        auto* status = Child<QLabel>(*w.main, "StatusText");
        int paints = 0, pumps = 0;
        EventCounter counter(QEvent::Paint, paints);
        status->installEventFilter(&counter);
        QTimer everyPump;  // fires once in each pass of the event loop
        connect(&everyPump, &QTimer::timeout, [&] { ++pumps; });
        ModalScripts modal;
        addFilterScript(modal, source, path("out.osl"), [&] { everyPump.start(0); });
        QElapsedTimer clock;
        clock.start();
        Child<QAction>(*w.main, "Filter1")->trigger();
        const qint64 elapsed = clock.elapsed();
        everyPump.stop();
        QVERIFY(w.main->logLines().last().startsWith("big.osl (400000 recs.) --> out.osl"));
        // Each clock tick may show a text twice (when the loop reports it and when it pumps),
        // and a text shown paints at once and again at the next pump; the window's first paints
        // come on top.
        const qint64 ticks = elapsed / 40;
        QVERIFY2(paints <= 4 * ticks + 12 && pumps <= ticks + 3,
                 qPrintable(QStringLiteral("%1 paints, %2 pumps in %3 ms")
                                .arg(paints)
                                .arg(pumps)
                                .arg(elapsed)));
    }

    void memoryDisplayAndLowDiskWarning() {
        BrisalWindows w = startProgram();
        w.main->show();
        auto* label = Child<QLabel>(*w.main, "MemLabel");
        w.main->allocatedBytes = [] { return uint64_t{4242}; };
        w.main->freeDiskBytes = [] { return std::optional<uint64_t>(1000); };
        w.main->ApplicationIdle();
        w.main->ApplicationIdle();
        QCOMPARE(label->text(), QStringLiteral("4242"));
        QCOMPARE(sink.texts(),
                 std::vector<std::string>{"Free space on current disk drive is low (1000 bytes)."});
        QVERIFY(!label->isVisible());
        Child<QAction>(*w.main, "ShowMemoryUsage1")->trigger();
        QTRY_VERIFY(label->isVisible());  // once the speed bar has laid itself out again
        Child<QAction>(*w.main, "ShowMemoryUsage1")->trigger();
        QTRY_VERIFY(!label->isVisible());
    }

    void logIsSavedAndEdited() {
        BrisalWindows w = startProgram();
        w.main->logLine("");
        w.main->logLine("Filter; [rw = 0]; ");
        const QString file = path("log.txt");
        fileDialogs.script({file.toStdString()});
        Child<QAction>(*w.main, "SaveLogAs1")->trigger();
        QCOMPARE(FileBytes(file), QByteArray("\r\nFilter; [rw = 0]; \r\n"));
        QCOMPARE(fileDialogs.asked.at(0).defaultSuffix, std::string("txt"));

        QMenu* edit = w.main->menuBar()->actions()[1]->menu();
        Q_EMIT edit->aboutToShow();
        QVERIFY(!Child<QAction>(*w.main, "Cut1")->isEnabled());
        Child<QAction>(*w.main, "SelectAll1")->trigger();
        Q_EMIT edit->aboutToShow();
        QVERIFY(Child<QAction>(*w.main, "Cut1")->isEnabled());
        Child<QAction>(*w.main, "Delete1")->trigger();
        QCOMPARE(Child<QPlainTextEdit>(*w.main, "RichEditEx1")->toPlainText(), QString());
    }

    // For review: the main window after a filter and a spectrum, and the filter's dialogs.
    void screenshots() {
        const QString shots = qEnvironmentVariable("HALVERN_SCREENSHOT_DIR");
        if (shots.isEmpty()) QSKIP("HALVERN_SCREENSHOT_DIR is not set");
        QVERIFY(QDir().mkpath(shots));
        BrisalWindows w = startProgram();
        w.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.main.get()));
        const QString source = path("RUN7.osl");
        WriteRecords(source, {Particle(50), Particle(150, 1), Particle(250, 2), Particle(20, 3)});

        ModalScripts modal;
        addFilterScript(modal, source, path("RUN$.osl"), [&] {
            QVERIFY(w.main->forms().filter->grab().save(shots + "/brisal22-filter-dialog.png"));
        });
        Child<QAction>(*w.main, "Filter1")->trigger();
        modal.add([&](QDialog& d) {
            SetText(d, "Edit1", path("RUN$.osl"));
            SetText(d, "Edit2", path("RUN$.dat"));
            SetText(d, "LoEdit", QStringLiteral("100"));
            SetText(d, "HiEdit", QStringLiteral("300"));
            SetText(d, "IntegerEdit1", QStringLiteral("5"));
            QVERIFY(d.grab().save(shots + "/brisal22-spectrum-dialog.png"));
            Click(d, "BitBtn1");
        });
        Child<QAction>(*w.main, "Spectrum1")->trigger();
        QVERIFY(sink.entries().empty());

        TGenius2Form& genius = *w.main->forms().genius2;
        genius.show();
        QVERIFY(QTest::qWaitForWindowExposed(&genius));
        QVERIFY(genius.grab().save(shots + "/brisal22-filter-genius.png"));
        genius.hide();
        QVERIFY(w.main->grab().save(shots + "/brisal22-main-window.png"));
    }

    // The example run taken on as the README tells: Filter with its own expression (the source
    // from Browse, the destination it proposes), then the spectrum of the filtered file up to
    // the projectile's energy. The window afterwards is the README's picture.
    void exampleRunFilteredThenItsSpectrum() {
        const QString dynamics = RunExampleProject(dir->path());
        const qint64 runRecords = FileBytes(dynamics).size() / 40;
        QVERIFY(runRecords > 0);
        BrisalWindows w = startProgram();
        w.main->resize(600, 240);
        w.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.main.get()));

        const QString filtered = path("dynvar$.osl");
        const QString spectrum = path("dynvar$.dat");
        fileDialogs.script({dynamics.toStdString(), filtered.toStdString()});
        ModalScripts modal;
        QString expression;
        modal.add([&](QDialog& d) {
            Click(d, "Button1");
            QCOMPARE(Text(d, "Edit2"), filtered);
            expression = Text(d, "VarBox");
            Click(d, "BitBtn1");
        });
        modal.add([&](QDialog& d) {
            Click(d, "Button1");
            QCOMPARE(Text(d, "Edit2"), spectrum);
            QCOMPARE(Text(d, "VarBox"), QStringLiteral("ke/ep { particle KE, in eV }"));
            QCOMPARE(Text(d, "IntegerEdit1"), QStringLiteral("20"));
            SetText(d, "HiEdit", QStringLiteral("1000"));
            Click(d, "BitBtn1");
        });
        Child<QAction>(*w.main, "Filter1")->trigger();
        Child<QAction>(*w.main, "Spectrum1")->trigger();
        QVERIFY(modal.allUsed());
        QCOMPARE(modal.shown, QStringList({"Filter", "Make Spectrum"}));
        QCOMPARE(expression, QStringLiteral("[ke/ep > 100.0] { KE > 100 eV }"));
        QVERIFY(sink.entries().empty());

        // The fast particles are a few of the run's records; each lies in one channel.
        const qint64 kept = FileBytes(filtered).size() / 40;
        QVERIFY2(kept > 0 && kept < runRecords, qPrintable(QString::number(kept)));
        const QStringList lines =
            QString::fromLatin1(FileBytes(spectrum)).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 20);
        double counted = 0;
        for (const QString& line : lines)
            counted += line.simplified().split(' ').value(1).toDouble();
        QCOMPARE(counted, double(kept));
        const QString log = Child<QPlainTextEdit>(*w.main, "RichEditEx1")->toPlainText();
        QVERIFY2(log.contains(QStringLiteral("dynvars.osl (%1 recs.)").arg(runRecords)),
                 qPrintable(log));
        QVERIFY2(log.contains(QStringLiteral("Spectrum: ke/ep")), qPrintable(log));

        const QString shots = qEnvironmentVariable("HALVERN_SCREENSHOT_DIR");
        if (!shots.isEmpty() && QDir().mkpath(shots))
            QVERIFY(w.main->grab().save(shots + "/brisal22-example-spectrum.png"));
    }
};

int RunMainWindowTests(int argc, char** argv) {
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainWindowTest.moc"
