#include "input/BatchFile.h"

#include <gtest/gtest.h>

#include <functional>

#include "EngineUiTestFiles.h"

namespace halvern {
namespace {

using testing::ScratchFolder;

std::string JobLines(const std::string& label, const std::string& stem, const std::string& eol) {
    std::string s = label + eol;
    for (const char* ext : {".prj", ".trg", ".mdl", ".run", ".imp", ".inl"}) s += stem + ext + eol;
    s += "inivars.osl" + eol + stem + ".osl" + eol + stem + ".dat" + eol;
    return s;
}

TEST(BatchDefinition, JobsOfTenLinesWithEitherLineEnd) {
    for (const std::string eol : {"\r\n", "\n"}) {
        const auto jobs = ParseBatchDefinition(JobLines("Project 1: ", "/d/cu100", eol) +
                                               JobLines("Project 2: ", "/d/ni111", eol));
        ASSERT_EQ(jobs.size(), 2u);
        EXPECT_EQ(jobs[0].label, "Project 1: ");
        EXPECT_EQ(jobs[0].files.projectile, "/d/cu100.prj");
        EXPECT_EQ(jobs[0].files.target, "/d/cu100.trg");
        EXPECT_EQ(jobs[0].files.model, "/d/cu100.mdl");
        EXPECT_EQ(jobs[0].files.run, "/d/cu100.run");
        EXPECT_EQ(jobs[0].files.impact, "/d/cu100.imp");
        EXPECT_EQ(jobs[0].files.inelastic, "/d/cu100.inl");
        EXPECT_EQ(jobs[0].files.initialConditions, "inivars.osl");
        EXPECT_EQ(jobs[0].files.dynamics, "/d/cu100.osl");
        EXPECT_EQ(jobs[1].files.inelasticEvents, "/d/ni111.dat");
    }
}

TEST(BatchDefinition, TrailingBlankLinesAreNoJobAndAnIncompleteJobGetsEmptyNames) {
    EXPECT_EQ(ParseBatchDefinition(JobLines("a", "x", "\r\n") + "\r\n  \r\n\t\n").size(), 1u);
    EXPECT_EQ(ParseBatchDefinition(JobLines("a", "x", "\n").substr(0, 60)).size(), 1u);
    EXPECT_TRUE(ParseBatchDefinition("").empty());
    EXPECT_TRUE(ParseBatchDefinition("\r\n\r\n").empty());
    const auto jobs = ParseBatchDefinition(JobLines("a", "x", "\n") + "b\ny.prj\ny.trg\n");
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[1].files.target, "y.trg");
    EXPECT_EQ(jobs[1].files.model, "");
    EXPECT_EQ(jobs[1].files.inelasticEvents, "");
}

TEST(BatchDefinition, LabelIsCutButFileNamesAreKeptWhole) {
    const std::string longText(300, 'L');
    std::string bytes = longText + "\n" + longText + ".prj\n";
    const auto jobs = ParseBatchDefinition(bytes);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].label.size(), 255u);
    EXPECT_EQ(jobs[0].files.projectile.size(), 304u);
}

class FakeBatchHost : public BatchHost {
  public:
    MessageSink& sink() override { return messages; }
    EngineFlags& flags() override { return engineFlags; }
    void batchStarting() override { events.push_back("start"); }
    void jobStarting(int n, const std::string& label) override {
        events.push_back(BatchJobCaption(n, label));
    }
    void runJob(const TEngineFileNames& files) override {
        events.push_back("run " + files.projectile);
        if (onRun) onRun(*this);
    }
    void jobEnded() override { events.push_back("ready"); }
    void batchEnded() override { events.push_back("end"); }

    RecordingSink messages;
    EngineFlags engineFlags;
    std::vector<std::string> events;
    std::function<void(FakeBatchHost&)> onRun;
};

const std::string kNotFound = "One or more input files specified for batch job was not found.";

struct BatchFolder {
    ScratchFolder dir{"batch"};
    // The five files a job needs, with the extensions as given (the job names them in small
    // letters).
    std::string project(const std::string& stem, std::initializer_list<const char*> extensions = {
                                                     ".prj", ".trg", ".mdl", ".run", ".imp"}) {
        for (const char* ext : extensions) dir.write(stem + ext, "x");
        return JobLines("Project " + stem + ":", dir.file(stem), "\r\n");
    }
};

TEST(BatchRunner, RunsEveryJobAndKeepsTheLastJobsNames) {
    BatchFolder f;
    const std::string path = f.dir.write("two.bdf", f.project("a") + f.project("b") + "\r\n\r\n");
    FakeBatchHost host;
    TEngineFileNames current = InitialEngineFileNames();
    EXPECT_EQ(RunBatch(path, current, host), 2);
    const std::vector<std::string> expected = {"start",
                                               "Ostrel 2.2 (batch item #1 Project a:)",
                                               "run " + f.dir.file("a.prj"),
                                               "ready",
                                               "Ostrel 2.2 (batch item #2 Project b:)",
                                               "run " + f.dir.file("b.prj"),
                                               "ready",
                                               "end"};
    EXPECT_EQ(host.events, expected);
    EXPECT_EQ(host.messages.texts(), std::vector<std::string>{"Proceed with batch jobs?"});
    EXPECT_EQ(current.dynamics, f.dir.file("b.osl"));
}

// The job and each of its missing files are named after the text.
TEST(BatchRunner, MissingInputEndsTheBatchAtThatJobAndIsNamed) {
    const struct {
        std::initializer_list<const char*> written;
        std::string named;  // "<dir>" for the folder
    } cases[] = {
        {{".prj", ".trg", ".mdl", ".imp"}, "Run file: <dir>/b.run"},
        {{".trg", ".mdl", ".run"}, "Projectile file: <dir>/b.prj\rImpact file: <dir>/b.imp"},
    };
    for (const auto& c : cases) {
        BatchFolder f;
        const std::string bytes = f.project("a") + f.project("b", c.written) + f.project("c");
        FakeBatchHost host;
        TEngineFileNames current = InitialEngineFileNames();
        EXPECT_EQ(RunBatch(f.dir.write("b.bdf", bytes), current, host), 1);
        std::string named = c.named;
        for (size_t at; (at = named.find("<dir>")) != std::string::npos;)
            named.replace(at, 5, f.dir.path().string());
        EXPECT_EQ(host.messages.texts().back(), kNotFound + "\rJob 2 (Project b:):\r" + named);
        EXPECT_EQ(host.events.back(), "end");
        EXPECT_EQ(current.projectile, f.dir.file("b.prj"));  // names of the last job read
    }
}

TEST(BatchRunner, EmptyOrIncompleteFilesRunNothingBeyondTheirCompleteJobs) {
    BatchFolder f;
    struct Case {
        std::string bytes;
        int jobs;
    };
    const std::string none =
        "Target file: (none)\rModel file: (none)\rRun file: (none)\r"
        "Impact file: (none)";
    for (const Case& c : {Case{"", 0}, Case{"\r\n\r\n", 0},
                          Case{f.project("a") + "label \r\n" + f.dir.file("a.prj"), 1}}) {
        FakeBatchHost host;
        TEngineFileNames current = InitialEngineFileNames();
        EXPECT_EQ(RunBatch(f.dir.write("c.bdf", c.bytes), current, host), c.jobs);
        EXPECT_EQ(host.messages.texts().back(),
                  kNotFound +
                      (c.jobs ? "\rJob 2 (label):\r" : "\rJob 1:\rProjectile file: (none)\r") +
                      none);
    }
}

TEST(BatchRunner, MissingFileOrNoToProceedRunsNothing) {
    BatchFolder f;
    FakeBatchHost host;
    TEngineFileNames current = InitialEngineFileNames();
    const std::string missing = f.dir.file("none.bdf");
    EXPECT_EQ(RunBatch(missing, current, host), 0);
    EXPECT_EQ(host.messages.texts(), std::vector<std::string>{"File not found: " + missing + "."});
    EXPECT_TRUE(host.events.empty());

    FakeBatchHost refused;
    refused.messages.scriptAnswers({false});
    EXPECT_EQ(RunBatch(f.dir.write("a.bdf", f.project("a")), current, refused), 0);
    EXPECT_TRUE(refused.events.empty());
    EXPECT_EQ(current.projectile, "*.prj");
}

TEST(BatchRunner, AfterAStepTheUserChoosesWhetherTheRestRuns) {
    BatchFolder f;
    const std::string path = f.dir.write("s.bdf", f.project("a") + f.project("b") + f.project("c"));
    for (bool abortRest : {true, false}) {
        FakeBatchHost host;
        host.onRun = [](FakeBatchHost& h) { h.engineFlags.StopTrajectory = 1; };
        host.messages.scriptAnswers({true, abortRest, abortRest});
        TEngineFileNames current = InitialEngineFileNames();
        const int run = RunBatch(path, current, host);
        EXPECT_EQ(run, abortRest ? 1 : 3);
        EXPECT_EQ(host.messages.texts()[1], "Abort remaining batch jobs?");
        EXPECT_EQ(host.events.back(), "end");
    }
}

TEST(BatchRunner, TooLongFileNameIsRefusedNotCut) {
    BatchFolder f;
    std::string bytes = "job\n" + f.dir.file(std::string(300, 'n') + ".prj") + "\n";
    FakeBatchHost host;
    TEngineFileNames current = InitialEngineFileNames();
    EXPECT_EQ(RunBatch(f.dir.write("l.bdf", bytes), current, host), 0);
    EXPECT_NE(host.messages.texts().back().find("nnnn"), std::string::npos);
}

}  // namespace
}  // namespace halvern
