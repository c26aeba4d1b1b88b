#include <QPushButton>
#include <QtTest>

#include "EngineUiTestSupport.h"
#include "InputFilesDialog.h"
#include "OutputFilesDialog.h"
#include "QtColours.h"

using namespace halvern;
using namespace halvern::uitest;

class FileDialogTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void projectileFillsTheFiveCompanionsAndEnablesRun();
    void missingCompanionsKeepTheirBoxesAndCancelChangesNothing();
    void missingProjectileIsReported();
    void inelasticRowFollowsTheModels();
    void okWithoutAFileTheRunNeedsSaysWhichIsMissing();
    void outputDialogSetsTheThreeNames();
    void enterAfterSelectAcceptsTheDialog();
    void filtersBecomeQtNameFilters();
};

namespace {

void ClickOk(QWidget* dialog) {
    dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
}

std::string WriteProject(EngineTestBench& bench, const std::string& stem,
                         std::initializer_list<const char*> extensions) {
    for (const char* ext : extensions) bench.write(stem + ext, "x");
    return bench.file(stem + ".prj");
}

}  // namespace

void FileDialogTest::projectileFillsTheFiveCompanionsAndEnablesRun() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    const std::string prj =
        WriteProject(bench, "cu100", {".prj", ".trg", ".mdl", ".run", ".imp", ".inl"});
    bench.chooser.script({prj});
    WhenModalOpens([](QWidget* dialog) {
        static_cast<TFileDialog*>(dialog)->selectButton(0)->click();
        ClickOk(dialog);
    });
    main.Specifyinputfiles1Click();

    const TEngineFileNames& f = main.session().files;
    QCOMPARE(f.projectile, prj);
    QCOMPARE(f.target, bench.file("cu100.trg"));
    QCOMPARE(f.model, bench.file("cu100.mdl"));
    QCOMPARE(f.run, bench.file("cu100.run"));
    QCOMPARE(f.impact, bench.file("cu100.imp"));
    QCOMPARE(f.inelastic, bench.file("cu100.inl"));
    QCOMPARE(bench.chooser.asked.front().title, std::string("Select Projectile file"));
    QCOMPARE(bench.chooser.asked.front().initialName, std::string("*.prj"));
    QVERIFY(main.Run1->isEnabled());
    QVERIFY(main.SpeedButton1->isEnabled());
    QVERIFY(main.SpeedButton4->isEnabled());
    QVERIFY(main.Graphcoordinates1->isEnabled());
    QCOMPARE(main.windowTitle(), QStringLiteral("Ostrel 2.2 (cu100.trg...)"));
    QCOMPARE(main.statusText(), QStringLiteral("Ready to run"));
    // Projectile, target, run, model, impact in green; no inelastic line without a model.
    const auto log = LogContents(main.log());
    QCOMPARE(log.size(), size_t(6));
    const std::string order[] = {f.projectile, f.target, f.run, f.model, f.impact};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(log[i].text, QString::fromStdString("  " + order[i]));
        QCOMPARE(log[i].colour, ToQColor(colour::Green));
    }
    QCOMPARE(log[5].text, QString());
}

void FileDialogTest::missingCompanionsKeepTheirBoxesAndCancelChangesNothing() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    const std::string prj = WriteProject(bench, "cu100", {".prj", ".trg", ".run", ".inl"});
    bench.chooser.script({prj});
    WhenModalOpens([](QWidget* dialog) {
        static_cast<TFileDialog*>(dialog)->selectButton(0)->click();
        static_cast<QDialog*>(dialog)->reject();
    });
    main.Specifyinputfiles1Click();
    const TInputFileBoxes& boxes = main.fileDialog()->boxes();
    QCOMPARE(boxes[1], bench.file("cu100.trg"));
    QCOMPARE(boxes[2], std::string("*.mdl"));
    QCOMPARE(boxes[3], bench.file("cu100.run"));
    QCOMPARE(boxes[4], std::string("*.imp"));
    QCOMPARE(boxes[5], bench.file("cu100.inl"));
    QCOMPARE(main.fileDialog()->edit(3)->text().toStdString(), bench.file("cu100.run"));
    // Cancel: no global changed, and the run is not possible.
    QCOMPARE(main.session().files.projectile, std::string("*.prj"));
    QCOMPARE(main.session().files.target, std::string("*.trg"));
    QVERIFY(!main.Run1->isEnabled());
    QCOMPARE(main.windowTitle(), QStringLiteral("Ostrel 2.2"));
    QCOMPARE(main.statusText(), QStringLiteral("Specify input files"));
    // The boxes are kept for the next showing.
    WhenModalOpens([](QWidget* dialog) { ClickOk(dialog); });
    main.Specifyinputfiles1Click();
    QCOMPARE(main.session().files.target, bench.file("cu100.trg"));
    QCOMPARE(main.session().files.model, std::string("*.mdl"));
    QVERIFY(!main.Run1->isEnabled());
}

void FileDialogTest::missingProjectileIsReported() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    const std::string gone = bench.file("gone.prj");
    bench.chooser.script({gone});
    main.fileDialog()->selectButton(0)->click();
    QCOMPARE(bench.sink.texts(), std::vector<std::string>{"File not found: " + gone});
    QCOMPARE(main.fileDialog()->boxes()[0], gone);
    QCOMPARE(main.fileDialog()->boxes()[1], std::string("*.trg"));
}

void FileDialogTest::inelasticRowFollowsTheModels() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    TFileDialog* dialog = main.fileDialog();
    dialog->show();
    QVERIFY(!dialog->selectButton(5)->isEnabled());
    QVERIFY(!dialog->edit(5)->isEnabled());
    QVERIFY(!dialog->label(5)->isEnabled());
    dialog->hide();
    main.session().globals.Options.LssModel = 1;
    dialog->show();
    QVERIFY(dialog->selectButton(5)->isEnabled());
    dialog->hide();
    // With a model selected the inelastic file is required and listed.
    const std::string prj =
        WriteProject(bench, "ni", {".prj", ".trg", ".mdl", ".run", ".imp", ".inl"});
    bench.chooser.script({prj});
    WhenModalOpens([](QWidget* d) {
        static_cast<TFileDialog*>(d)->selectButton(0)->click();
        ClickOk(d);
    });
    main.Specifyinputfiles1Click();
    QVERIFY(main.Run1->isEnabled());
    const auto log = LogContents(main.log());
    QCOMPARE(log[5].text, QString::fromStdString("  " + bench.file("ni.inl")));
}

// OK closed the dialog silently with Run disabled; now the status and the log (in red) say
// which file is missing, and for the inelastic file which ticked model needs it.
void FileDialogTest::okWithoutAFileTheRunNeedsSaysWhichIsMissing() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    main.session().globals.Options.OenRobinsonModel = 1;
    const std::string prj = WriteProject(bench, "ag", {".prj", ".trg", ".mdl", ".run", ".imp"});
    bench.chooser.script({prj});
    WhenModalOpens([](QWidget* dialog) {
        static_cast<TFileDialog*>(dialog)->selectButton(0)->click();
        ClickOk(dialog);
    });
    main.Specifyinputfiles1Click();
    QVERIFY(!main.Run1->isEnabled());
    QCOMPARE(main.windowTitle(), QStringLiteral("Ostrel 2.2"));
    QCOMPARE(main.statusText(), QStringLiteral("Specify input files: inelastic file missing"));
    const auto log = LogContents(main.log());
    QCOMPARE(log.size(), size_t(3));
    QCOMPARE(log[0].text, QStringLiteral("  No inelastic file specified"));
    QCOMPARE(log[1].text,
             QStringLiteral("  (needed by the Oen-Robinson model ticked in Options | Simulation)"));
    for (int i : {0, 1}) QCOMPARE(log[i].colour, ToQColor(colour::Red));
    QCOMPARE(log[2].text, QString());
    SaveScreenshot(&main, QStringLiteral("ostrel22-missing-inelastic-file"));

    // Cancel says nothing.
    WhenModalOpens([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    main.Specifyinputfiles1Click();
    QCOMPARE(LogContents(main.log()).size(), size_t(3));
    QCOMPARE(main.statusText(), QStringLiteral("Specify input files"));
}

void FileDialogTest::outputDialogSetsTheThreeNames() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    const std::string ini = bench.file("first.osl");
    const std::string events = bench.file("events.dat");
    bench.chooser.script({ini, std::nullopt, events});
    QString shownDynamics;
    WhenModalOpens([&shownDynamics](QWidget* dialog) {
        auto* d = static_cast<TOutfileDlg*>(dialog);
        shownDynamics = d->edit(1)->text();
        for (int row = 0; row < 3; ++row) d->selectButton(row)->click();
        ClickOk(dialog);
    });
    main.Specifyoutputfiles1Click();
    const TEngineFileNames& f = main.session().files;
    QCOMPARE(shownDynamics.toStdString(), bench.file("dynvars.osl"));
    QCOMPARE(f.initialConditions, ini);
    QCOMPARE(f.dynamics, bench.file("dynvars.osl"));
    QCOMPARE(f.inelasticEvents, events);
    // Each save dialog started from the current name.
    QCOMPARE(bench.chooser.asked[1].initialName, bench.file("dynvars.osl"));
    QCOMPARE(bench.chooser.asked[2].filter, std::string("Ascii data file|*.dat"));
    const auto log = LogContents(main.log());
    QCOMPARE(log.size(), size_t(4));
    QCOMPARE(log[0].text, QString::fromStdString("  " + ini));
    QCOMPARE(log[2].colour, ToQColor(colour::Green));
    // After Cancel the names are listed again, unchanged.
    WhenModalOpens([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    main.Specifyoutputfiles1Click();
    QCOMPARE(LogContents(main.log()).size(), size_t(8));
    QCOMPARE(main.session().files.initialConditions, ini);
}

// "Select" takes the focus; Enter then presses OK, not "Select" again.
void FileDialogTest::enterAfterSelectAcceptsTheDialog() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    const std::string prj = WriteProject(bench, "ag", {".prj", ".trg", ".mdl", ".run", ".imp"});
    bench.chooser.script({prj, bench.file("ag.trg")});
    int result = -1;
    bool selectTookTheDefault = false;
    WhenModalOpens([&](QWidget* dialog) {
        auto* d = static_cast<TFileDialog*>(dialog);
        for (int row : {0, 1}) {
            QTest::mouseClick(d->selectButton(row), Qt::LeftButton);
            d->selectButton(row)->setFocus();
            selectTookTheDefault = selectTookTheDefault || d->selectButton(row)->isDefault();
        }
        QTest::keyClick(d->selectButton(1), Qt::Key_Return);
        result = d->result();
        if (d->isVisible()) d->reject();  // the test goes on either way
    });
    main.Specifyinputfiles1Click();
    QVERIFY(!selectTookTheDefault);
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(bench.chooser.asked.size(), size_t(2));  // no third file dialog
    QCOMPARE(main.session().files.projectile, prj);
    QVERIFY(main.Run1->isEnabled());
}

void FileDialogTest::filtersBecomeQtNameFilters() {
    QCOMPARE(QtNameFilters("Batch definition file|*.bdf|Any file|*.*"),
             std::string("Batch definition file (*.bdf);;Any file (*)"));
    QCOMPARE(QtNameFilters("Projectile file|*.prj"), std::string("Projectile file (*.prj)"));
    QCOMPARE(QtNameFilters("Two|*.a;*.b"), std::string("Two (*.a *.b)"));
    QCOMPARE(QtNameFilters(""), std::string());
}

int RunFileDialogTests(int argc, char** argv) {
    FileDialogTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "FileDialogTest.moc"
