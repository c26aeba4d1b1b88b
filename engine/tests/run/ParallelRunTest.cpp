// Runs on worker threads give the bytes and the log of a run on one thread; Abort, Step, the
// graph window and batches keep their meaning; the pending output of a trajectory waiting for
// its turn reads back whole from memory and from its temporary file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ThreadedRuns.h"
#include "input/BatchFile.h"
#include "output/PendingOutput.h"

namespace halvern::test {
namespace {

// Trajectories whose report has reached the log.
int Elapsed(const RecordingHost& h) {
    return static_cast<int>(LoggedValues(h, "  Time elapsed = ", " fs.").size());
}

struct Variant {
    const char* name;
    int32_t algorithm;
    bool inelastic;  // LSS and Oen-Robinson with the events file
    bool hot;        // thermal velocities (set-up draws for every atom)
    const char* sampleMode;
    const char* outputOption;
};

// The example's first six impacts with a fixed seed, periodic and initial records.
void ShapeExample(TestProject& p, const Variant& v) {
    UseExample(p, 6);
    p.globals.RandomSeed = 777u;
    TSimulationOptions& o = p.globals.Options;
    o.Algorithm = v.algorithm;
    o.RecordInitial = 1;
    o.HotTarget = v.hot;
    if (v.inelastic) {
        o.LssModel = o.OenRobinsonModel = o.RecordInelastic = 1;
        p.inelastic = kLssAndOr;
    }
    p.run[0] = v.sampleMode;
    p.run[1] = "150";
    p.run[2] = v.outputOption;
}

TEST(ParallelRun, AnyThreadCountWritesTheBytesAndTheLogOfOneThread) {
    const Variant variants[] = {
        {"HGE", 0, false, false, "3", "0"},
        {"Two-Step, LSS and OR", 1, true, false, "3", "0"},
        {"Beeman, hot target", 2, false, true, "3", "2"},
        {"Verlet, LSS and OR", 3, true, false, "3", "0"},
        {"Verlet, hot, filtered output", 3, true, true, "1", "8"},
    };
    for (const Variant& v : variants) {
        SCOPED_TRACE(v.name);
        const auto shape = [&v](TestProject& p) { ShapeExample(p, v); };
        const RunOutcome one = RunWithThreads(shape, 1);
        // The Verlet run with both models ends at its fifth impact, its partner rows full: the
        // overflow ends a parallel run at the same point.
        ASSERT_LT(FindLine(one.log, "  Run count: 5"), one.log.size());
        ASSERT_GT(one.files.at("dynvars.osl").size(), 0u);
        ASSERT_EQ(one.files.count("inivars.osl"), 1u);
        EXPECT_EQ(one.files.count("inelast.dat"), v.inelastic ? 1u : 0u);
        for (int threads : {2, 8}) {
            const RunOutcome many = RunWithThreads(shape, threads);
            EXPECT_TRUE(many.files == one.files) << threads << " threads";
            EXPECT_EQ(many.log, one.log) << threads << " threads";
            EXPECT_EQ(many.boxes, one.boxes) << threads << " threads";
        }
    }
}

TEST(ParallelRun, ShapiroTombrelloRunsOneTrajectoryAfterTheOther) {
    const auto shape = [](TestProject& p) {
        UseExample(p, 4);
        p.globals.RandomSeed = 99u;
        TSimulationOptions& o = p.globals.Options;
        o.ShapiroTombrelloModel = o.OenRobinsonModel = o.RecordInelastic = 1;
        p.inelastic = kLssAndOr;
    };
    const RunOutcome one = RunWithThreads(shape, 1);
    ASSERT_GT(one.files.at("inelast.dat").size(), 0u);
    EXPECT_TRUE(RunWithThreads(shape, 8) == one);
}

// Abort is pressed at the first pump after the first trajectory's report: the run ends after the
// trajectory at the commit point, and what was committed before it is the one-thread run's.
TEST(ParallelRun, AbortCommitsExactlyTheTrajectoriesBeforeTheAbortPoint) {
    const auto shape = [](TestProject& p) {
        UseExample(p, 12);
        p.globals.RandomSeed = 5u;
    };
    const RunOutcome one = RunWithThreads(shape, 1);
    TestProject p;
    shape(p);
    p.globals.Threads = 4;
    bool pressed = false;
    p.host.onPump = [&pressed](RecordingHost& h) {
        if (!pressed && Elapsed(h) >= 1) h.engineFlags.AbortRequested = pressed = true;
    };
    p.simulate(true);
    const RunOutcome aborted = OutcomeOf(p);
    ASSERT_TRUE(pressed);
    EXPECT_EQ(p.host.messages.count(RecordingSink::Kind::YesNo), 1);
    EXPECT_EQ(p.host.engineFlags.StopTrajectory, 1);  // a batch asks about its remaining jobs

    // k: the last impact whose lines were committed.
    int k = 0;
    for (const auto& l : p.host.lines)
        if (l.text.rfind("  Run count: ", 0) == 0) k = std::stoi(l.text.substr(13));
    ASSERT_GE(k, 2);
    ASSERT_LT(k, 12);
    const std::string head = "  Run count: " + std::to_string(k);
    const size_t a = FindLine(aborted.log, head), b = FindLine(one.log, head);
    ASSERT_EQ(a, b);
    EXPECT_TRUE(std::equal(aborted.log.begin(), aborted.log.begin() + static_cast<long>(a),
                           one.log.begin()));

    const std::string& records = aborted.files.at("dynvars.osl");
    const auto runs = RecordRuns(records);
    ASSERT_FALSE(runs.empty());
    EXPECT_LE(runs.back(), k);
    const size_t before = static_cast<size_t>(std::find(runs.begin(), runs.end(), k) - runs.begin());
    EXPECT_TRUE(records.substr(0, before * kOslRecordSize) ==
                one.files.at("dynvars.osl").substr(0, before * kOslRecordSize));
    EXPECT_EQ(p.host.lines.back().text.rfind("  Cumulative error in system energy:", 0), 0u);
}

// Step in a parallel run ends the trajectory at the commit point, and the run goes on one
// trajectory at a time; with the graph window open every trajectory is drawn as it runs.
TEST(ParallelRun, StepAndTheGraphWindowKeepTheirMeaning) {
    TestProject stepped;
    UseExample(stepped, 6);
    stepped.globals.Threads = 4;
    bool pressed = false;
    stepped.host.onPump = [&pressed](RecordingHost& h) {
        if (!pressed && Elapsed(h) >= 1) h.engineFlags.StopTrajectory = pressed = true;
    };
    stepped.simulate(true);
    ASSERT_TRUE(pressed);
    EXPECT_EQ(CountLines(stepped.host, "  Run count: 6"), 1);
    EXPECT_EQ(Elapsed(stepped.host), 6);

    TestProject serial, shown;
    for (TestProject* p : {&serial, &shown}) {
        UseExample(*p, 4);
        p->globals.RandomSeed = 3u;
    }
    serial.globals.Threads = 1;
    shown.globals.Threads = 8;
    shown.host.showingEachTrajectory = true;
    serial.simulate(true);
    shown.simulate(true);
    EXPECT_EQ(shown.host.frames, serial.host.frames);
    EXPECT_EQ(shown.host.stepCounts, serial.host.stepCounts);
    EXPECT_TRUE(OutcomeOf(shown) == OutcomeOf(serial));
}

// A batch host that runs each job through the run routine.
class RunningBatchHost : public BatchHost {
  public:
    explicit RunningBatchHost(int threads) { globals.Threads = threads; }
    MessageSink& sink() override { return host.messages; }
    EngineFlags& flags() override { return host.engineFlags; }
    void batchStarting() override {}
    void jobStarting(int, const std::string&) override {}
    void runJob(const TEngineFileNames& f) override {
        RunSimulation(f.projectile, f.target, f.model, f.run, f.impact, f.inelastic,
                      f.initialConditions, f.dynamics, f.inelasticEvents, true, globals, host);
    }
    void jobEnded() override {}
    void batchEnded() override {}

    RecordingHost host;
    EngineGlobals globals;
};

TEST(ParallelRun, ABatchOfTwoJobsEqualsTheOneThreadBatch) {
    std::vector<RunOutcome> outcomes;
    for (int threads : {1, 8}) {
        TestProject p;
        UseExample(p, 5);
        p.write();
        std::string bdf;
        for (const char* job : {"a", "b"}) {
            bdf += std::string("Job ") + job + "\r\n";
            for (const char* ext : {".prj", ".trg", ".mdl", ".run", ".imp", ".inl"})
                bdf += p.path(ext) + "\r\n";
            bdf += p.folder.file(std::string(job) + "-ini.osl") + "\r\n" +
                   p.folder.file(std::string(job) + ".osl") + "\r\n" +
                   p.folder.file(std::string(job) + ".dat") + "\r\n";
        }
        RunningBatchHost host(threads);
        host.globals.RandomSeed = 11u;
        TEngineFileNames current = InitialEngineFileNames();
        ASSERT_EQ(RunBatch(p.folder.write("two.bdf", bdf), current, host), 2);
        RunOutcome o;
        for (const auto& [name, bytes] : FolderBytes(p.folder.path()))
            if (name.rfind("cu.", 0) != 0 && name != "two.bdf") o.files[name] = bytes;
        for (const auto& l : host.host.lines) o.log.push_back(l.text);
        outcomes.push_back(o);
    }
    EXPECT_GT(outcomes[0].files.at("b.osl").size(), 0u);
    EXPECT_TRUE(outcomes[1].files == outcomes[0].files);
    EXPECT_EQ(outcomes[1].log, outcomes[0].log);
}

// A long trajectory's records beyond the memory limit wait in a temporary file beside the output
// and still reach it in order; the temporary files are gone afterwards.
TEST(ParallelRun, OutputBeyondTheMemoryLimitWaitsInATemporaryFile) {
    const auto shape = [](TestProject& p) {
        UseExample(p, 5);
        p.globals.RandomSeed = 8u;
        p.globals.PendingMemoryLimit = 1000;
        p.run[0] = "3";
        p.run[1] = "40";
    };
    const RunOutcome one = RunWithThreads(shape, 1);
    const RunOutcome many = RunWithThreads(shape, 8);
    EXPECT_TRUE(many == one);
    for (const auto& [name, bytes] : many.files) EXPECT_EQ(name.find(".tmp"), std::string::npos);
}

}  // namespace
}  // namespace halvern::test
