#include <QtTest>

#include "AboutForm.h"
#include "EngineUiTestSupport.h"
#include "GraphWindow.h"
#include "InputFilesDialog.h"
#include "OutputFilesDialog.h"
#include "host/SimulationOptions.h"

using namespace halvern;
using namespace halvern::uitest;

class StartupTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void windowsAreCreatedInOrderWithTheTitle();
    void startsWithNoInputAndTheOutputNamesAbsolute();
    void splashIsFreedByTheStartTimer();
    void memoryDisplayShowsTheAllocatedBytes();
};

void StartupTest::windowsAreCreatedInOrderWithTheTitle() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    QStringList names;
    for (QWidget* w : EngineWindowsInOrder(main)) names << w->objectName();
    QCOMPARE(names, (QStringList{"TMainForm", "TFileDialog", "TAboutForm", "TOutfileDlg", "TGraph",
                                 "TOptionsDlg"}));
    QCOMPARE(main.windowTitle(), QStringLiteral("Ostrel 2.2"));
    QCOMPARE(main.fileDialog()->windowTitle(), QStringLiteral("Specify input files"));
    QCOMPARE(main.outfileDialog()->windowTitle(), QStringLiteral("Specify output files"));
    QCOMPARE(main.graphWindow()->windowTitle(), QStringLiteral("Graph coordinates"));
    QCOMPARE(main.aboutForm()->windowTitle(), QStringLiteral("About Ostrel"));
}

void StartupTest::startsWithNoInputAndTheOutputNamesAbsolute() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    QCOMPARE(main.statusText(), QStringLiteral("Specify input files"));
    QVERIFY(!main.Run1->isEnabled());
    QVERIFY(!main.SpeedButton1->isEnabled());
    QVERIFY(!main.SpeedButton2->isEnabled());
    QVERIFY(!main.SpeedButton4->isEnabled());
    QVERIFY(!main.SpeedButton6->isEnabled());
    QVERIFY(main.SpeedButton3->isEnabled());
    QVERIFY(!main.Bevel1->isVisibleTo(&main));
    QCOMPARE(main.session().files.initialConditions, bench.file("inivars.osl"));
    QCOMPARE(main.session().files.dynamics, bench.file("dynvars.osl"));
    QCOMPARE(main.session().files.inelasticEvents, bench.file("inelast.dat"));
    QCOMPARE(main.session().files.projectile, std::string("*.prj"));
}

void StartupTest::splashIsFreedByTheStartTimer() {
    EngineTestBench bench;
    auto* splash = new TSplashWin;
    splash->show();
    bench.main = CreateEngineWindows(bench.session, "/nowhere/", splash);
    QVERIFY(bench.main->splashShown());
    QTRY_VERIFY_WITH_TIMEOUT(!bench.main->splashShown(), 5000);
}

void StartupTest::memoryDisplayShowsTheAllocatedBytes() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    main.show();
    QVERIFY(!main.MemLabel->isVisible());
    main.Showmemoryuse1->trigger();
    QVERIFY(main.Showmemoryuse1->isChecked());
    QTRY_VERIFY(main.MemLabel->isVisible());
    std::vector<char> block(1 << 20, 1);  // a change the display must see
    main.idle();
    bool number = false;
    QVERIFY(main.MemLabel->text().toULongLong(&number) > 0);
    QVERIFY(number);
    main.Showmemoryuse1->trigger();
    QTRY_VERIFY(!main.Bevel1->isVisible());
}

int RunStartupTests(int argc, char** argv) {
    StartupTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "StartupTest.moc"
