#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "EngineUiTestSupport.h"
#include "FileSafety.h"
#include "QtColours.h"

using namespace halvern;
using namespace halvern::uitest;

class BatchWindowTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void batchOfTwoJobsRunsBothAndLeavesBothOutputs();
    void abortedJobAsksAboutTheRemainingJobs();
    void failingJobIsReportedAndTheNextRuns();
};

namespace {

std::string JobLines(const std::string& label, const std::string& stem, const std::string& out) {
    std::string s = label + "\r\n";
    for (const char* ext : {".prj", ".trg", ".mdl", ".run", ".imp", ".inl"})
        s += stem + ext + "\r\n";
    return s + out + "-ini.osl\r\n" + out + ".osl\r\n" + out + ".dat\r\n";
}

}  // namespace

// The example project with two impacts per job, and a batch file of two jobs that write
// job1.* and job2.*, followed by blank lines.
std::string WriteTwoJobBatch(EngineTestBench& bench) {
    const std::string prj = bench.copyExampleProject();
    std::string impacts;
    if (prj.empty() || !ReadFileBytes(ChangeFileExt(prj, ".imp"), impacts)) return {};
    const size_t second = impacts.find('\n', impacts.find('\n') + 1) + 1;
    bench.write("cu100.imp", impacts.substr(0, second));
    const std::string stem = ChangeFileExt(prj, "");
    return bench.write("two.bdf", JobLines("Project 1: ", stem, bench.file("job1")) +
                                      JobLines("Project 2: ", stem, bench.file("job2")) +
                                      "\r\n\r\n");
}

void BatchWindowTest::batchOfTwoJobsRunsBothAndLeavesBothOutputs() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    const std::string bdf = WriteTwoJobBatch(bench);
    QVERIFY(!bdf.empty());
    bench.chooser.script({bdf});

    QStringList captions;
    bool simulationUsable = true;
    QString abortHint;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!main.running()) return;
        if (captions.isEmpty() || captions.back() != main.windowTitle())
            captions << main.windowTitle();
        simulationUsable = simulationUsable && main.Simulation1->isEnabled();
        abortHint = main.SpeedButton2->toolTip();
    });
    watch.start(0);
    main.Batchrun1Click();
    watch.stop();

    QCOMPARE(bench.chooser.asked.front().title, std::string("Batch definition file"));
    QCOMPARE(bench.sink.texts().front(), std::string("Proceed with batch jobs?"));
    // No question between the jobs, no refusal of the blank lines at the end.
    QCOMPARE(bench.sink.texts().size(), size_t(1));
    QCOMPARE(captions, (QStringList{"Ostrel 2.2 (batch item #1 Project 1: )",
                                    "Ostrel 2.2 (batch item #2 Project 2: )"}));
    QVERIFY(simulationUsable);
    QCOMPARE(abortHint, QStringLiteral("Abort current batch job."));
    for (const char* out : {"job1.osl", "job2.osl"}) {
        QVERIFY2(FileExists(bench.file(out)), out);
        QVERIFY(std::filesystem::file_size(bench.file(out)) > 0);
    }
    int runCounts = 0;
    for (const LoggedLine& l : LogContents(main.log()))
        runCounts += l.text.startsWith(QStringLiteral("  Run count: ")) ? 1 : 0;
    QCOMPARE(runCounts, 4);
    QCOMPARE(main.windowTitle(), QStringLiteral("Ostrel 2.2"));
    QCOMPARE(main.statusText(), QStringLiteral("Ready to run"));
    QCOMPARE(main.SpeedButton2->toolTip(), QStringLiteral("Halt simulation."));
    QVERIFY(main.SpeedButton4->isEnabled());
    QVERIFY(!main.Run1->isEnabled());  // keeps its state from before the batch
    QCOMPARE(main.session().files.dynamics, bench.file("job2.osl"));
}

void BatchWindowTest::abortedJobAsksAboutTheRemainingJobs() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    const std::string bdf = WriteTwoJobBatch(bench);
    QVERIFY(!bdf.empty());
    bench.chooser.script({bdf});
    bool pressed = false;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (!main.running() || pressed) return;
        pressed = true;
        main.SpeedButton2->click();
    });
    user.start(0);
    // Proceed, abort the first job, then abort the rest.
    bench.sink.scriptAnswers({true, true, true});
    main.Batchrun1Click();
    QCOMPARE(bench.sink.texts(),
             (std::vector<std::string>{"Proceed with batch jobs?",
                                       "Do you really wish to abort the simulation?",
                                       "Abort remaining batch jobs?"}));
    QVERIFY(FileExists(bench.file("job1.osl")));
    QVERIFY(!FileExists(bench.file("job2.osl")));
    QCOMPARE(main.windowTitle(), QStringLiteral("Ostrel 2.2"));
}

void BatchWindowTest::failingJobIsReportedAndTheNextRuns() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    const std::string bdf = WriteTwoJobBatch(bench);
    QVERIFY(!bdf.empty());
    // The first job names an empty target file of its own.
    std::string bytes;
    QVERIFY(ReadFileBytes(bdf, bytes));
    const std::string target = bench.file("cu100.trg");
    bytes.replace(bytes.find(target), target.size(), bench.write("empty.trg", ""));
    bench.write("two.bdf", bytes);
    bench.chooser.script({bdf});
    main.Batchrun1Click();
    QVERIFY(!FileExists(bench.file("job1.osl")));
    QVERIFY(FileExists(bench.file("job2.osl")));
    const auto log = LogContents(main.log());
    const int refused =
        FindLogLine(log, QStringLiteral("  No data in Target file or file access error: aborted"));
    QVERIFY(refused >= 0);
    QCOMPARE(log[refused].colour, ToQColor(colour::Red));
    QVERIFY(FindLogLine(log, QStringLiteral("  Run count: 1"), refused) > refused);
}

int RunBatchWindowTests(int argc, char** argv) {
    BatchWindowTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "BatchWindowTest.moc"
