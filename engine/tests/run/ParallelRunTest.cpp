// Runs on worker threads give the bytes and the log of a run on one thread; Abort, Step, the
// graph window and batches keep their meaning; the pending output of a trajectory waiting for
// its turn reads back whole, and where it cannot be kept the trajectory is followed again.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "Isolated.h"
#include "SpillReadFaults.h"
#include "ThreadedRuns.h"
#include "input/BatchFile.h"

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

// With the graph window shut, each trajectory run ahead hands over its final frame as it is
// committed: the run's last frame is the final state of its last trajectory, as in a run on one
// thread.
TEST(ParallelRun, EachTrajectoryHandsOverItsFinalFrame) {
    TestProject serial, parallel;
    for (TestProject* p : {&serial, &parallel}) {
        UseExample(*p, 4);
        p->globals.RandomSeed = 3u;
    }
    serial.globals.Threads = 1;
    parallel.globals.Threads = 4;
    serial.simulate(true);
    parallel.simulate(true);
    EXPECT_EQ(parallel.host.frames, 4);
    EXPECT_GT(serial.host.frames, 4);
    EXPECT_EQ(parallel.host.lastFrameN, serial.host.lastFrameN);
    EXPECT_GT(parallel.host.lastFrameTime, 0.0f);
    EXPECT_EQ(parallel.host.lastFrameTime, serial.host.lastFrameTime);
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

// Five impacts whose trajectories write far beyond the 1000 bytes kept in memory.
void SpillingExample(TestProject& p) {
    UseExample(p, 5);
    p.globals.RandomSeed = 8u;
    p.globals.PendingMemoryLimit = 1000;
    p.globals.Options.RecordInitial = 1;
    p.run[0] = "3";
    p.run[1] = "40";
}

// The log without the lines that say where the records of a parallel run had to go.
std::vector<std::string> WithoutSpillLines(std::vector<std::string> log) {
    std::erase_if(log, [](const std::string& line) {
        return line.rfind("  Spill files cannot", 0) == 0 ||
               line.rfind("  Records of trajectories run ahead", 0) == 0;
    });
    return log;
}

// A long trajectory's records beyond the memory limit wait in a spill file of a private folder
// and still reach the output in order; nothing is left beside the output or in the spill
// location afterwards.
TEST(ParallelRun, OutputBeyondTheMemoryLimitWaitsInASpillFile) {
    ScratchFolder location("spills");
    const auto shape = [&location](TestProject& p) {
        SpillingExample(p);
        p.globals.SpillLocation = location.path().string();
    };
    const RunOutcome one = RunWithThreads(shape, 1);
    const RunOutcome many = RunWithThreads(shape, 8);
    EXPECT_TRUE(many == one);
    EXPECT_EQ(many.files.size(), 2u);  // dynvars.osl and inivars.osl
    EXPECT_TRUE(std::filesystem::is_empty(location.path()));
}

// Spill files that cannot be made, that a full disk cuts short or that do not read back: the
// records wait in memory, or the trajectory is followed again on its own, so the output is the
// one-thread run's byte for byte; the log says once why the run went as it did.
TEST(ParallelRun, FailingSpillFilesGiveTheBytesOfOneThread) {
    ScratchFolder scratch("spillfaults");
    const std::string notAFolder = scratch.write("plain", "x");
    const std::string readable = scratch.file("readfail");
    std::filesystem::create_directory(readable);
    std::filesystem::create_directory(scratch.file("small"));
    SmallFileSystem small(scratch.file("small"), "16k");
    struct Case {
        const char* name;
        std::string location;
        size_t fallback;  // 0: the default
        bool failReads;
        const char* logged;
    };
    const Case cases[] = {
        {"no spill folder: records kept in memory", notAFolder, 0, false,
         "  Spill files cannot be written: records kept in memory"},
        {"no spill folder, little memory: followed again", notAFolder, 3000, false,
         "  Records of trajectories run ahead cannot be kept"},
        {"spill files on a full disk", scratch.file("small"), 0, false,
         "  Spill files cannot be written: records kept in memory"},
        {"spill files on a full disk, little memory", scratch.file("small"), 3000, false,
         "  Records of trajectories run ahead cannot be kept"},
        {"spill files that do not read back", readable, 0, true,
         "  Records of trajectories run ahead cannot be kept"},
    };
    const RunOutcome one = RunWithThreads(SpillingExample, 1);
    ASSERT_GT(one.files.at("dynvars.osl").size(), 100000u);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.location == scratch.file("small") && !small.mounted()) continue;
        FailSpillReadsUnder(c.failReads ? c.location : "", 2);
        const RunOutcome many = RunWithThreads(
            [&c](TestProject& p) {
                SpillingExample(p);
                p.globals.SpillLocation = c.location;
                if (c.fallback) p.globals.PendingFallbackLimit = c.fallback;
            },
            4);
        const int failedReads = FailedSpillReads();
        FailSpillReadsUnder("");
        if (c.failReads) {
            EXPECT_GT(failedReads, 0);
        }
        std::cout << "[ figures  ] " << c.name << ": " << many.files.at("dynvars.osl").size()
                  << " bytes with 4 threads, " << one.files.at("dynvars.osl").size()
                  << " with one\n";
        EXPECT_TRUE(many.files == one.files);
        EXPECT_EQ(WithoutSpillLines(many.log), one.log);
        EXPECT_EQ(many.boxes, one.boxes);
        EXPECT_NE(Joined(many.log).find(c.logged), std::string::npos);
        if (std::filesystem::is_directory(c.location)) {
            EXPECT_TRUE(std::filesystem::is_empty(c.location));
        }
    }
}

// The names of the old spill files beside the output are a user's own again: a file or a link
// of such a name is neither written, followed nor removed.
TEST(ParallelRun, SpillFilesTakeNoNameBesideTheOutput) {
    ScratchFolder location("spillnames");
    ScratchFolder elsewhere("victim");
    const std::string victim = elsewhere.write("victim", "victim's bytes");
    TestProject p;
    SpillingExample(p);
    p.globals.SpillLocation = location.path().string();
    p.globals.Threads = 4;
    p.folder.write("dynvars.osl.0.tmp", "user's bytes");
    std::filesystem::create_symlink(victim, p.folder.file("dynvars.osl.1.tmp"));
    p.simulate(true);
    EXPECT_EQ(p.output("dynvars.osl.0.tmp"), "user's bytes");
    EXPECT_TRUE(std::filesystem::is_symlink(p.folder.file("dynvars.osl.1.tmp")));
    EXPECT_EQ(p.output("victim"), "");
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(victim, bytes));
    EXPECT_EQ(bytes, "victim's bytes");
    EXPECT_EQ(OutcomeOf(p).files.at("dynvars.osl"),
              RunWithThreads(SpillingExample, 1).files.at("dynvars.osl"));
}

// A run killed with kill -9 while its trajectories spill leaves its old output and, in the spill
// location, a folder that the next run removes; no spill file is left anywhere.
TEST(ParallelRun, AKilledRunLeavesNoSpillFileForTheNextRun) {
    ScratchFolder location("spillkill");
    TestProject p;
    SpillingExample(p);
    p.globals.SpillLocation = location.path().string();
    p.globals.Threads = 4;
    p.write();
    p.folder.write("dynvars.osl", "old output");
    const IsolatedResult killed = RunIsolated([&p] {
        int pumps = 0;
        p.host.onPump = [&pumps](RecordingHost&) {
            if (++pumps == 3) ::kill(::getpid(), SIGKILL);
        };
        RunSimulationSteps(p.names(), true, p.rs);
        return std::string("not killed");
    });
    ASSERT_FALSE(killed.finished) << killed.text;
    EXPECT_EQ(p.output("dynvars.osl"), "old output");
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(p.folder.path()))
        files += entry.path().filename().string().rfind("cu.", 0) == 0 ? 0 : 1;
    EXPECT_EQ(files, 1u);  // the old output; no temporary file beside it
    ASSERT_FALSE(std::filesystem::is_empty(location.path()));  // the dead run's spill folder

    TestProject next;
    SpillingExample(next);
    next.globals.SpillLocation = location.path().string();
    next.globals.Threads = 4;
    next.simulate(true);
    EXPECT_TRUE(std::filesystem::is_empty(location.path()));
}

}  // namespace
}  // namespace halvern::test
