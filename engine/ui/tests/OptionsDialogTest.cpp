#include <QPushButton>
#include <QtTest>

#include "EngineUiTestSupport.h"
#include "FileSafety.h"
#include "GraphWindow.h"
#include "OptionsDialog.h"

using namespace halvern;
using namespace halvern::uitest;

class OptionsDialogTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void recordRoundTripsAndIsSaved();
    void acceptedChangesReachTheRecordAndTheGraphScale();
    void cancelAndRefusedLinesLeaveTheRecord();
    void inelasticModelsNeedVerlet();
    void minimumForceOnlyWithHgeB();
};

namespace {

TSimulationOptions Unusual() {
    TSimulationOptions o;
    o.Algorithm = 0;
    o.BruteForceSearch = 0;
    o.GraphMode = 0;
    o.Verbose = 0;
    o.ReportInelastic = 0;
    o.EditBufferLines = 9000000;
    o.ElementalTarget = 1;
    o.HotTarget = 1;
    o.LoadAtStartUp = 1;
    o.MinForce = 2;
    o.NoYVibration = 1;
    o.IgnoreTargetForces = 1;
    o.SelfBombardment = 1;
    return o;
}

void ClickOk(QWidget* dialog) {
    dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
}

}  // namespace

void OptionsDialogTest::recordRoundTripsAndIsSaved() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    main.session().globals.Options = Unusual();
    WhenModalOpens([](QWidget* dialog) {
        auto* d = static_cast<TOptionsDlg*>(dialog);
        QCOMPARE(d->windowTitle(), QStringLiteral("Simulation Options"));
        QCOMPARE(d->AlgorithmOption->itemIndex(), 0);
        QCOMPARE(d->NeighbourListOption->itemIndex(), 1);
        QCOMPARE(d->MinForceOption->itemIndex(), 2);
        QCOMPARE(d->MinForceOption->item(2)->text(), QStringLiteral("Fmin = 1% F(Rcutoff)"));
        QVERIFY(d->MinForceOption->isEnabled());
        QCOMPARE(d->EditLines->text(), QStringLiteral("9000000"));
        QVERIFY(d->LoadOptionsBox->isChecked());
        d->SaveOptions->setChecked(true);
        ClickOk(dialog);
    });
    main.Simulation1Click();
    QCOMPARE(main.session().globals.Options, Unusual());
    std::string bytes;
    QVERIFY(ReadFileBytes(bench.file("ostrel.cfg"), bytes));
    QCOMPARE(bytes.size(), size_t(40));
    const OptionsRecordBytes expected = EncodeSimulationOptions(Unusual());
    QCOMPARE(bytes, std::string(expected.begin(), expected.end()));
    // The save box keeps its state for the next showing.
    QVERIFY(main.optionsDialog()->saveOptionsTicked());
}

void OptionsDialogTest::acceptedChangesReachTheRecordAndTheGraphScale() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    WhenModalOpens([](QWidget* dialog) {
        auto* d = static_cast<TOptionsDlg*>(dialog);
        d->GraphWinOption->item(1)->click();
        d->NeighbourListOption->item(1)->click();
        d->AlgorithmOption->item(2)->click();
        d->findChild<QCheckBox*>(QStringLiteral("FixedTimestepOption"))->click();
        d->EditLines->setText(QStringLiteral("42"));
        ClickOk(dialog);
    });
    main.Simulation1Click();
    const TSimulationOptions& o = main.session().globals.Options;
    QCOMPARE(o.GraphMode, 1);
    QCOMPARE(o.BruteForceSearch, uint8_t(0));
    QCOMPARE(o.Algorithm, 2);
    QCOMPARE(o.FixedTimestep, uint8_t(1));
    QCOMPARE(o.EditBufferLines, 42);
    QCOMPARE(main.session().globals.GraphScale, kVelocityGraphScale);
    QCOMPARE(main.graphWindow()->view().scale, kVelocityGraphScale);
    QVERIFY(!FileExists(bench.file("ostrel.cfg")));  // not saved without the tick
}

void OptionsDialogTest::cancelAndRefusedLinesLeaveTheRecord() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    WhenModalOpens([](QWidget* dialog) {
        auto* d = static_cast<TOptionsDlg*>(dialog);
        d->AlgorithmOption->item(1)->click();
        static_cast<QDialog*>(dialog)->reject();
    });
    main.Simulation1Click();
    QCOMPARE(main.session().globals.Options, TSimulationOptions{});

    bool stayedOpen = false;
    WhenModalOpens([&stayedOpen](QWidget* dialog) {
        auto* d = static_cast<TOptionsDlg*>(dialog);
        d->EditLines->setText(QStringLiteral("9000001"));
        ClickOk(dialog);
        stayedOpen = dialog->isVisible();
        static_cast<QDialog*>(dialog)->reject();
    });
    main.Simulation1Click();
    QVERIFY(stayedOpen);
    QCOMPARE(bench.sink.count(RecordingSink::Kind::Error), 1);
    QCOMPARE(main.session().globals.Options, TSimulationOptions{});
}

void OptionsDialogTest::inelasticModelsNeedVerlet() {
    for (bool ok : {true, false}) {
        EngineTestBench bench;
        TMainForm& main = bench.start();
        TOptionsDlg* d = main.optionsDialog();
        d->show();
        d->AlgorithmOption->item(2)->click();  // Beeman
        QCOMPARE(bench.sink.entries().size(), size_t(0));
        bench.sink.scriptAnswers({ok});
        d->OROption->click();
        QCOMPARE(bench.sink.count(RecordingSink::Kind::OkCancel), 1);
        QVERIFY(bench.sink.texts()[0].find("only available for the Verlet algorithm") !=
                std::string::npos);
        QCOMPARE(bench.sink.entries()[0].icon, BoxIcon::Warning);
        // The box has a Help button with the dialog's page.
        QCOMPARE(bench.sink.entries()[0].help.program, std::string("ostrel"));
        QCOMPARE(bench.sink.entries()[0].help.context, 310);
        if (ok) {
            QVERIFY(!d->OROption->isChecked());
            QCOMPARE(d->AlgorithmOption->itemIndex(), 2);
        } else {
            QVERIFY(d->OROption->isChecked());
            QCOMPARE(d->AlgorithmOption->itemIndex(), 3);
        }
        // With Verlet a model may be ticked without a question.
        d->AlgorithmOption->item(3)->click();
        d->STOption->click();
        QCOMPARE(bench.sink.count(RecordingSink::Kind::OkCancel), 1);
        d->hide();
    }
}

void OptionsDialogTest::minimumForceOnlyWithHgeB() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    TOptionsDlg* d = main.optionsDialog();
    d->show();
    QVERIFY(!d->MinForceOption->isEnabled());  // Verlet by default
    d->AlgorithmOption->item(0)->click();
    QVERIFY(d->MinForceOption->isEnabled());
    d->MinForceOption->item(0)->click();
    d->AlgorithmOption->item(1)->click();
    QVERIFY(!d->MinForceOption->isEnabled());
    ClickOk(d);
    QCOMPARE(main.session().globals.Options.MinForce, 0);  // kept in the record
    QCOMPARE(main.session().globals.Options.Algorithm, 1);
}

int RunOptionsDialogTests(int argc, char** argv) {
    OptionsDialogTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "OptionsDialogTest.moc"
