// The run routine on a small project: the parameter report, the confirmation, one trajectory
// per impact line, and the ends of a run whose files cannot be opened or written.
#include "run/RunSimulation.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "EngineTestRuns.h"
#include "input/BatchFile.h"

namespace halvern::test {
namespace {

using Kind = RecordingSink::Kind;
namespace fs = std::filesystem;

const std::string kRule = "  " + std::string(98, '-');
const std::string kReady = "  ==> Ready to run calculations in earnest.";

TEST(RunSimulation, ReportOfTheDefaultProjectLineByLine) {
    TestProject p;
    p.simulate();
    const struct {
        std::string text;
        ColourRef colour;
    } want[] = {
        {kRule, colour::Black},
        {"  SIMULATION PARAMETERS", colour::Black},
        {"  Output: for all particles", colour::Blue},
        {"  Integration algorithm: Verlet", colour::Black},
        {"  Sampling at termination", colour::Blue},
        {"  Projectile: 1.000 keV Ar+ (Z=18, mass=39.94800, theta = 90.00, phi = 0.00)",
         colour::Blue},
        {"  Number of atoms in target: 4", colour::Magenta},
        {"  General parameters: ", colour::Black},
        {"   - Calculations will start with 0.0700 fs timestep", colour::Black},
        {"   - Time before termination tests begin: 10.00 fs", colour::Black},
        {"   - Time before compulsory termination: 300.00 fs", colour::Black},
        {"   - Testing all particles for termination energy", colour::Black},
        {" ", colour::Black},
        {"   - Potential cuts off at 3.700 A", colour::Black},
        {"   - Max. No. of collision partners = 50", colour::Black},
        {"    - Ignoring inelastic effects ", colour::Black},
        {" ", colour::Black},
        {kReady, colour::Blue},
    };
    const auto& got = p.host.lines;
    ASSERT_EQ(p.host.find(kRule), 0);
    ASSERT_EQ(p.host.find(kReady), static_cast<int>(std::size(want)) - 1);
    for (size_t i = 0; i < std::size(want); ++i) {
        EXPECT_EQ(got[i].text, want[i].text) << "line " << i;
        EXPECT_EQ(got[i].colour, want[i].colour) << "line " << i << ": " << want[i].text;
    }
    EXPECT_EQ(p.host.messages.texts(), std::vector<std::string>{"Proceed with simulation now?"});
}

// A small inelastic file: copper in the LSS table, one Oen-Robinson pair.
const std::string kInelastic =
    Lines({"// LSS data", "1", "29 1.5 2", "1000", "// Oen-Robinson data", "1", "522 2.0 0.5",
           "1.5", "0.3", "// Shapiro-Tombrello data", "0"});

TEST(RunSimulation, ReportLinesFollowTheFilesAndOptions) {
    const struct {
        void (*change)(TestProject&);
        std::string expected;
        bool present = true;
    } cases[] = {
        {[](TestProject& p) { p.run[0] = "3"; },
         "  Sampling periodically (every 1 timesteps) and at termination"},
        {[](TestProject& p) { p.run[0] = "2"; },
         "  Sampling periodically (every 1 timesteps) but not at termination"},
        {[](TestProject& p) { p.run[0] = "0"; }, "  No output specified."},
        {[](TestProject& p) { p.run[0] = "0"; }, "  Sampling at termination", false},
        {[](TestProject& p) { p.run[2] = "7"; },
         "  Output: all particles emitted within 5\u00B0 of surface normal"},
        // A log line holds 100 characters.
        {[](TestProject& p) { p.run[2] = "8"; },
         ("  Output: user-programmed = " + TestProject().run[10]).substr(0, 100)},
        {[](TestProject& p) { p.run[3] = "45.5"; },
         "  Projectile: 1.000 keV Ar+ (Z=18, mass=39.94800, theta = 45.50, phi = 0.00)"},
        {[](TestProject& p) { p.run[9] = "500"; }, "   - Max. No. of collision partners = 500"},
        {[](TestProject& p) { p.model[20] = "1"; },
         "   - Testing projectile only for term. energy"},
        {[](TestProject& p) { p.globals.Options.OenRobinsonModel = 1, p.inelastic = kInelastic; },
         "   - Including inelastic effects: OR, model(s) "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        TestProject p;
        c.change(p);
        p.host.messages.setDefaultAnswer(false);
        p.simulate();
        EXPECT_EQ(p.host.find(c.expected) >= 0, c.present);
        EXPECT_EQ(p.host.messages.count(Kind::YesNo), 1);
    }
}

TEST(RunSimulation, RefusedConfirmationEndsTheRunBeforeAllocationAndBatchNeverAsks) {
    TestProject refused;
    refused.folder.write("dynvars.osl", "an earlier run");
    refused.host.messages.scriptAnswers({false});
    refused.simulate();
    EXPECT_EQ(refused.output("dynvars.osl"), "an earlier run");  // No leaves the output alone
    EXPECT_EQ(refused.host.lines.back().text, "  ...Simulation aborted");
    EXPECT_EQ(refused.host.lines.back().colour, colour::Red);
    EXPECT_FALSE(refused.rs.arraysAllocated);
    EXPECT_EQ(refused.host.idleCalls, 0);

    TestProject batch;
    batch.simulate(/*batch=*/true);
    EXPECT_EQ(batch.host.messages.count(Kind::YesNo), 0);
    EXPECT_TRUE(batch.rs.arraysAllocated);
}

TEST(RunSimulation, OneTrajectoryPerImpactLine) {
    TestProject p;
    p.impact = {ImpactLine(0, 0, 3), ImpactLine(0.5, 0, 3), ImpactLine(0, 0.5, 3), "", "  "};
    p.simulate();
    const RecordingHost& h = p.host;
    int previous = h.find(kReady);
    for (const char* count : {"  Run count: 1", "  Run count: 2", "  Run count: 3"}) {
        const int at = h.find(count);
        EXPECT_GT(at, previous) << count;
        ASSERT_GE(at, 0);
        EXPECT_EQ(h.lines[static_cast<size_t>(at)].colour, colour::Magenta);
        previous = at;
    }
    // Trailing blank lines are no impact; the target and the model are read at the first.
    EXPECT_LT(h.find("  Run count: 4"), 0);
    EXPECT_EQ(h.impacts, 3);
    EXPECT_EQ(h.messages.count(Kind::Error), 0);
    EXPECT_GT(h.find("  Target : Cu"), h.find("  Run count: 1"));
    EXPECT_LT(h.find("  Target : Cu"), h.find("  Run count: 2"));
    EXPECT_GT(h.find("  Detected elemental target"), h.find("  Run count: 1"));
    EXPECT_EQ(h.idleCalls, 1);

    // Everything is released at the end, and the closing line follows the last trajectory.
    EXPECT_TRUE(p.rs.arraysAllocated);
    EXPECT_EQ(p.rs.particles.N, -1);
    EXPECT_TRUE(p.rs.partners.entries.empty());
    EXPECT_TRUE(p.rs.potentials.MorseTable.empty());
    EXPECT_EQ(h.lines.back().text.rfind("  Cumulative error in system energy:", 0), 0u);
}

TEST(RunSimulation, OutputFilesOnlyWhenSomethingIsRecorded) {
    for (const bool sampling : {false, true}) {
        TestProject p;
        p.run[0] = sampling ? "1" : "0";
        p.simulate(true);
        EXPECT_EQ(fs::exists(p.names().dynamics), sampling);
    }
    // The events file only for the event models.
    for (const bool oenRobinson : {false, true}) {
        TestProject p;
        p.inelastic = kInelastic;
        p.globals.Options.LssModel = !oenRobinson;
        p.globals.Options.OenRobinsonModel = oenRobinson;
        p.globals.Options.RecordInelastic = 1;
        p.simulate(true);
        EXPECT_EQ(fs::exists(p.names().inelasticEvents), oenRobinson);
        EXPECT_EQ(p.host.impacts, 1);
    }
    // A refused run creates none.
    TestProject refused;
    refused.inelastic = kInelastic;
    refused.globals.Options.OenRobinsonModel = refused.globals.Options.RecordInelastic = 1;
    refused.host.messages.setDefaultAnswer(false);
    refused.simulate();
    EXPECT_GE(refused.host.find("  ...Simulation aborted"), 0);
    EXPECT_FALSE(fs::exists(refused.names().inelasticEvents));
    EXPECT_FALSE(fs::exists(refused.names().dynamics));
}

// A file that cannot be opened, read or created ends the run before its first trajectory: its
// boxes ("<dir>" standing for the project's folder), and a red line that is the log's last (or,
// with `only`, its only) line. An input ends it before anything is allocated, an output after
// the first impact's set-up, whose questions come before any output is created.
TEST(RunSimulation, FilesThatCannotBeUsedEndTheRun) {
    const struct {
        void (*change)(TestProject&, TRunFileNames&);
        std::string boxes, red;
        bool only;
        bool output = false;
    } cases[] = {
        {[](TestProject& p, TRunFileNames&) { fs::remove(p.path(".trg")); },
         "Cannot open Target file:\r<.trg>\nNo data in Target file or file access error: aborting.",
         "  No data in Target file or file access error: aborted", true},
        {[](TestProject& p, TRunFileNames&) { p.globals.Options.LssModel = 1; },
         "Inelastic file not found: <.inl>\nError in inelastic losses parameters.",
         "  Error in inelastic file data - run aborted.", true},
        {[](TestProject& p, TRunFileNames&) { fs::remove(p.path(".imp")); }, "",
         "  File not found: <.imp>", false},
        {[](TestProject& p, TRunFileNames& n) { n.dynamics = p.path(".run") + "/dynvars.osl"; },
         "Cannot create dynamical variables output file: <.run>/dynvars.osl",
         "  Hint: file may be in use by another program.", false, true},
        // The initial-conditions file in a missing folder gave one log line per trajectory.
        {[](TestProject& p, TRunFileNames& n) {
             p.globals.Options.RecordInitial = 1;
             n.initialConditions = p.folder.file("missing/inivars.osl");
         },
         "Cannot create initial conditions output file: <dir>/missing/inivars.osl",
         "  Hint: file may be in use by another program.", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.boxes);
        TestProject p;
        p.write();
        TRunFileNames names = p.names();
        c.change(p, names);
        RunSimulationSteps(names, true, p.rs);
        EXPECT_EQ(Joined(p.host.messages.texts()), p.expand(c.boxes));
        EXPECT_EQ(p.host.impacts, c.output ? 1 : 0);
        EXPECT_EQ(p.rs.arraysAllocated, c.output);
        EXPECT_TRUE(p.host.stepCounts.empty()) << "no trajectory";
        EXPECT_LT(p.host.find("  Cumulative error in system energy:0.00 %"), 0);
        EXPECT_EQ(p.host.lines.back().text, p.expand(c.red));
        EXPECT_EQ(p.host.lines.back().colour, colour::Red);
        if (c.only) {
            EXPECT_EQ(p.host.lines.size(), 1u);
        }
    }
}

// An output named like one of the run's inputs, by any spelling or through a link, emptied that
// input before the run read it.
TEST(RunSimulation, OutputThatIsAnInputIsRefusedBeforeAnythingIsWritten) {
    const struct {
        void (*change)(TestProject&, TRunFileNames&);
        std::string what, name, input;
    } cases[] = {
        {[](TestProject& p, TRunFileNames& n) { n.dynamics = p.path(".imp"); },
         "dynamical variables", "<.imp>", "impact"},
        {[](TestProject& p, TRunFileNames& n) {
             p.globals.Options.RecordInitial = 1;
             n.initialConditions = p.folder.file("./sub/../cu.trg");
         },
         "initial conditions", "<dir>/./sub/../cu.trg", "target"},
        {[](TestProject& p, TRunFileNames& n) {
             fs::create_symlink("cu.mdl", p.folder.file("model.osl"));
             n.dynamics = p.folder.file("model.osl");
         },
         "dynamical variables", "<dir>/model.osl", "model"},
        {[](TestProject& p, TRunFileNames& n) {
             p.inelastic = kInelastic;
             p.globals.Options.OenRobinsonModel = p.globals.Options.RecordInelastic = 1;
             n.inelasticEvents = p.path(".inl");
         },
         "inelastic", "<.inl>", "inelastic"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestProject p;
        TRunFileNames names = p.names();
        c.change(p, names);
        p.write();
        const auto before = FolderBytes(p.folder.path());
        RunSimulationSteps(names, false, p.rs);
        const std::string name = p.expand(c.name);
        EXPECT_EQ(Joined(p.host.messages.texts()), "Cannot create " + c.what +
                                                       " output file: " + name +
                                                       "\r(it is the run's " + c.input + " file).");
        EXPECT_EQ(Joined(RedLines(p.host)), "  Aborted: the " + c.what +
                                                " output file is the run's " + c.input +
                                                " file:\n  " + name);
        EXPECT_EQ(FolderBytes(p.folder.path()), before);
    }
    // Outputs that the options do not let the run write are not compared.
    TestProject unused;
    TRunFileNames names = unused.names();
    names.initialConditions = unused.path(".trg");
    unused.write();
    RunSimulationSteps(names, true, unused.rs);
    EXPECT_EQ(unused.host.impacts, 1);
}

// The same through a batch job, whose runs are the window's.
TEST(RunSimulation, BatchJobWhoseOutputIsItsInputIsRefused) {
    struct Host : BatchHost {
        MessageSink& sink() override { return run.host.sink(); }
        EngineFlags& flags() override { return run.host.flags(); }
        void batchStarting() override {}
        void jobStarting(int, const std::string&) override {}
        void runJob(const TEngineFileNames& files) override {
            RunSimulationSteps(files, true, run.rs);
        }
        void jobEnded() override {}
        void batchEnded() override {}
        TestProject run;
    } host;
    TestProject& p = host.run;
    p.write();
    TRunFileNames job = p.names();
    job.dynamics = p.path(".imp");
    std::string lines = "Project cu:\r\n";
    for (const std::string* name :
         {&job.projectile, &job.target, &job.model, &job.run, &job.impact, &job.inelastic,
          &job.initialConditions, &job.dynamics, &job.inelasticEvents})
        lines += *name + "\r\n";
    const std::string batch = p.folder.write("cu.bdf", lines);
    const auto before = FolderBytes(p.folder.path());
    TEngineFileNames current = InitialEngineFileNames();
    EXPECT_EQ(RunBatch(batch, current, host), 1);
    EXPECT_GE(p.host.find("  Aborted: the dynamical variables output file is the run's impact "
                          "file:"),
              0);
    EXPECT_EQ(FolderBytes(p.folder.path()), before);
}

TEST(RunSimulation, RunTakesACopyOfTheOptionsAndClearsTheFlags) {
    TestProject p;
    p.globals.Options.Verbose = 0;
    p.host.engineFlags.AbortRequested = 1;
    p.host.engineFlags.StopTrajectory = 1;
    p.simulate(true);
    EXPECT_EQ(p.rs.options, p.globals.Options);
    EXPECT_EQ(p.host.engineFlags.AbortRequested, 0);
    EXPECT_EQ(p.host.engineFlags.StopTrajectory, 0);
    EXPECT_LT(p.host.find("  Getting thermal displacements..."), 0);
}

TEST(RunSimulation, InputNamesFoundWithTheirExtensionInAnotherCase) {
    TestProject p;
    p.write();
    fs::rename(p.path(".trg"), p.folder.file("cu.TRG"));
    fs::rename(p.path(".run"), p.folder.file("cu.Run"));
    RunSimulationSteps(p.names(), true, p.rs);
    EXPECT_EQ(p.rs.files.target, p.folder.file("cu.TRG"));
    EXPECT_EQ(p.rs.files.run, p.folder.file("cu.Run"));
    EXPECT_GE(p.host.find("  Number of atoms in target: 4"), 0);
}

}  // namespace
}  // namespace halvern::test
