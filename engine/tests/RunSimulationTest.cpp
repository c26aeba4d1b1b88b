#include "RunSimulation.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "OslRecord.h"
#include "RunTestProject.h"

namespace halvern {
namespace {

using testing::LinesBetween;
using testing::TestProject;
using Kind = RecordingSink::Kind;

struct Expected {
    std::string text;
    ColourRef colour;
};

void ExpectLines(const std::vector<RecordingHost::Line>& got, const std::vector<Expected>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(got[i].text, want[i].text) << "line " << i;
        EXPECT_EQ(got[i].colour, want[i].colour) << "line " << i << ": " << want[i].text;
    }
}

const std::string kRule = "  " + std::string(98, '-');

class RunSimulationTest : public ::testing::Test {
  protected:
    void run(bool batch = false) { project.runOn(rs, globals, host, batch); }
    int questions() const { return host.messages.count(Kind::YesNo); }

    TestProject project;
    EngineGlobals globals;
    RecordingHost host;
    TRunState rs;
};

TEST_F(RunSimulationTest, ReportOfTheDefaultProjectLineByLine) {
    run();
    ExpectLines(LinesBetween(host, kRule, "  ==> Ready to run calculations in earnest."),
                {
                    {kRule, colour::Black},
                    {"  SIMULATION PARAMETERS", colour::Black},
                    {"  Output: for all particles", colour::Blue},
                    {"  Integration algorithm: Verlet", colour::Black},
                    {"  Sampling at termination", colour::Blue},
                    {"  Projectile: 1.000 keV Ar+ (Z=18, mass=39.94800, theta = 90.00, "
                     "phi = 0.00)",
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
                    {"  ==> Ready to run calculations in earnest.", colour::Blue},
                });
    EXPECT_EQ(host.find(kRule), 0);
    ASSERT_EQ(questions(), 1);
    EXPECT_EQ(host.messages.entries()[0].text, "Proceed with simulation now?");
}

TEST_F(RunSimulationTest, ReportLinesFollowTheRunAndModelFiles) {
    const struct {
        const char* what;
        int fileLine;  // 1-based line of the run file, or -(line of the model file)
        std::string value;
        std::string expected;
        bool present;
    } cases[] = {
        {"periodic and final sampling", 1, "3",
         "  Sampling periodically (every 1 timesteps) and at termination", true},
        {"periodic sampling only", 1, "2",
         "  Sampling periodically (every 1 timesteps) but not at termination", true},
        {"no sampling", 1, "0", "  No output specified.", true},
        {"no sampling line without sampling", 1, "0", "  Sampling at termination", false},
        {"output option 7", 3, "7",
         "  Output: all particles emitted within 5\u00B0 of surface normal", true},
        {"output option 8 (a log line holds 100 characters)", 3, "8",
         ("  Output: user-programmed = " + TestProject().run[10]).substr(0, 100), true},
        {"angles", 4, "45.5",
         "  Projectile: 1.000 keV Ar+ (Z=18, mass=39.94800, theta = 45.50, "
         "phi = 0.00)",
         true},
        {"partner limit 500", 10, "500", "   - Max. No. of collision partners = 500", true},
        {"projectile only tested", -21, "1", "   - Testing projectile only for term. energy", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestProject p;
        if (c.fileLine > 0)
            p.run[static_cast<size_t>(c.fileLine - 1)] = c.value;
        else
            p.model[static_cast<size_t>(-c.fileLine - 1)] = c.value;
        RecordingHost h;
        h.messages.setDefaultAnswer(false);
        EngineGlobals g;
        TRunState s;
        p.runOn(s, g, h);
        EXPECT_EQ(h.find(c.expected) >= 0, c.present);
        EXPECT_EQ(h.messages.count(Kind::YesNo), 1);
    }
}

TEST_F(RunSimulationTest, InelasticModelsInTheReport) {
    // The report on its own, with only the Oen-Robinson model selected.
    project.write();
    rs.host = &host;
    rs.globals = &globals;
    rs.batch = true;
    rs.options.OenRobinsonModel = 1;
    ASSERT_EQ(ReadRunFile(project.path(".run"), rs), 0);
    EXPECT_EQ(ReportRunParameters(18, "Ar", 4, 1.0, 39.948, rs), 0);
    EXPECT_GE(host.find("   - Including inelastic effects: OR, model(s) "), 0);
    EXPECT_EQ(questions(), 0);
}

TEST_F(RunSimulationTest, RefusedConfirmationEndsTheRunBeforeAllocation) {
    host.messages.scriptAnswers({false});
    run();
    ASSERT_FALSE(host.lines.empty());
    EXPECT_EQ(host.lines.back().text, "  ...Simulation aborted");
    EXPECT_EQ(host.lines.back().colour, colour::Red);
    EXPECT_FALSE(rs.arraysAllocated);
    EXPECT_EQ(host.idleCalls, 0);
}

TEST_F(RunSimulationTest, BatchRunNeverAsks) {
    run(/*batch=*/true);
    EXPECT_EQ(questions(), 0);
    EXPECT_TRUE(rs.arraysAllocated);
}

TEST_F(RunSimulationTest, OneTrajectoryPerImpactLine) {
    project.impact = {testing::ImpactLine(0, 0, 3), testing::ImpactLine(0.5, 0, 3),
                      testing::ImpactLine(0, 0.5, 3)};
    run();
    const int ready = host.find("  ==> Ready to run calculations in earnest.");
    int previous = ready;
    for (const char* count : {"  Run count: 1", "  Run count: 2", "  Run count: 3"}) {
        const int at = host.find(count);
        EXPECT_GT(at, previous) << count;
        ASSERT_GE(at, 0);
        EXPECT_EQ(host.lines[static_cast<size_t>(at)].colour, colour::Magenta);
        previous = at;
    }
    EXPECT_LT(host.find("  Run count: 4"), 0);
    // The target and the model are read once, at the first impact.
    const int first = host.find("  Run count: 1");
    EXPECT_GT(host.find("  Target : Cu"), first);
    EXPECT_LT(host.find("  Target : Cu"), host.find("  Run count: 2"));
    EXPECT_GT(host.find("  Detected elemental target"), first);
    EXPECT_EQ(host.impacts, 3);
    EXPECT_EQ(host.idleCalls, 1);

    // Sampling at termination, all particles: N + 1 records per trajectory, numbered by impact.
    std::string records;
    ASSERT_TRUE(ReadFileBytes(project.names().dynamics, records));
    ASSERT_EQ(records.size(), 3u * 5u * kOslRecordSize);
    for (size_t k = 0; k < 15; ++k) {
        const TOslRecord r = DecodeOslRecord(
            reinterpret_cast<const unsigned char*>(records.data()) + k * kOslRecordSize);
        EXPECT_EQ(r.rw, static_cast<int32_t>(k % 5));
        EXPECT_EQ(r.rn, static_cast<int32_t>(k / 5 + 1));
    }

    // Everything is released at the end, and the closing line follows the last trajectory.
    EXPECT_TRUE(rs.arraysAllocated);
    EXPECT_EQ(rs.particles.N, -1);
    EXPECT_TRUE(rs.partners.entries.empty());
    EXPECT_TRUE(rs.potentials.MorseTable.empty());
    ASSERT_FALSE(host.lines.empty());
    EXPECT_EQ(host.lines.back().text.rfind("  Cumulative error in system energy:", 0), 0u);
}

TEST_F(RunSimulationTest, InelasticEventsFileOnlyForTheEventModels) {
    const std::string inelastic =
        "// LSS data\r\n1\r\n29 1.5 2\r\n1000\r\n// Oen-Robinson data\r\n1\r\n522 2.0 "
        "0.5\r\n1.5\r\n0.3\r\n// Shapiro-Tombrello data\r\n0\r\n";
    const struct {
        const char* what;
        bool lss, oenRobinson;
        bool created;
    } cases[] = {{"LSS alone records no events", true, false, false},
                 {"Oen-Robinson records events", false, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestProject p;
        p.write();
        p.folder.write("cu.inl", inelastic);
        EngineGlobals g;
        g.Options.LssModel = c.lss;
        g.Options.OenRobinsonModel = c.oenRobinson;
        g.Options.RecordInelastic = 1;
        RecordingHost h;
        h.messages.setDefaultAnswer(false);
        TRunState s;
        s.host = &h;
        s.globals = &g;
        RunSimulationSteps(p.names(), false, s);
        EXPECT_EQ(std::filesystem::exists(p.names().inelasticEvents), c.created);
        EXPECT_GE(h.find("  ...Simulation aborted"), 0);
    }
}

TEST_F(RunSimulationTest, InelasticFileThatCannotBeReadEndsTheRunFirst) {
    globals.Options.LssModel = 1;
    run();
    const std::vector<std::string> boxes = host.messages.texts();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back(), "Error in inelastic losses parameters.");
    ASSERT_EQ(host.lines.size(), 1u);
    EXPECT_EQ(host.lines[0].text, "  Error in inelastic file data - run aborted.");
    EXPECT_EQ(host.lines[0].colour, colour::Red);
    EXPECT_FALSE(rs.arraysAllocated);
}

TEST_F(RunSimulationTest, RunTakesACopyOfTheOptionsAndClearsTheFlags) {
    globals.Options.Verbose = 0;
    host.engineFlags.AbortRequested = 1;
    host.engineFlags.StopTrajectory = 1;
    run(true);
    EXPECT_EQ(rs.options, globals.Options);
    EXPECT_EQ(host.engineFlags.AbortRequested, 0);
    EXPECT_EQ(host.engineFlags.StopTrajectory, 0);
    EXPECT_LT(host.find("  Getting thermal displacements..."), 0);
}

TEST_F(RunSimulationTest, InputNamesFoundWithTheirExtensionInAnotherCase) {
    project.write();
    namespace fs = std::filesystem;
    fs::rename(project.path(".trg"), project.folder.file("cu.TRG"));
    fs::rename(project.path(".run"), project.folder.file("cu.Run"));
    rs.host = &host;
    rs.globals = &globals;
    RunSimulationSteps(project.names(), true, rs);
    EXPECT_EQ(rs.files.target, project.folder.file("cu.TRG"));
    EXPECT_EQ(rs.files.run, project.folder.file("cu.Run"));
    EXPECT_GE(host.find("  Number of atoms in target: 4"), 0);
}

TEST_F(RunSimulationTest, TargetThatCannotBeOpened) {
    project.write();
    std::filesystem::remove(project.path(".trg"));
    rs.host = &host;
    rs.globals = &globals;
    RunSimulationSteps(project.names(), false, rs);
    EXPECT_EQ(host.messages.texts(),
              (std::vector<std::string>{"Cannot open Target file:\r" + project.path(".trg"),
                                        "No data in Target file or file access error: aborting."}));
    ASSERT_EQ(host.lines.size(), 1u);
    EXPECT_EQ(host.lines[0].text, "  No data in Target file or file access error: aborted");
    EXPECT_EQ(host.lines[0].colour, colour::Red);
    EXPECT_FALSE(rs.arraysAllocated);
}

TEST_F(RunSimulationTest, ImpactFileThatCannotBeOpenedEndsTheRunAfterTheReport) {
    project.write();
    std::filesystem::remove(project.path(".imp"));
    rs.host = &host;
    rs.globals = &globals;
    RunSimulationSteps(project.names(), false, rs);
    ASSERT_FALSE(host.lines.empty());
    EXPECT_EQ(host.lines.back().text, "  File not found: " + project.path(".imp"));
    EXPECT_EQ(host.lines.back().colour, colour::Red);
    EXPECT_EQ(host.impacts, 0);
    EXPECT_LT(host.find("  Cumulative error in system energy:0.00 %"), 0);
}

TEST_F(RunSimulationTest, DynamicsFileOnlyWithSampling) {
    project.run[0] = "0";
    run(true);
    EXPECT_FALSE(std::filesystem::exists(project.names().dynamics));

    TestProject sampled;
    EngineGlobals g;
    RecordingHost h;
    TRunState s;
    sampled.runOn(s, g, h, true);
    EXPECT_TRUE(std::filesystem::exists(sampled.names().dynamics));
}

TEST_F(RunSimulationTest, DynamicsFileThatCannotBeCreatedEndsTheRun) {
    project.write();
    TRunFileNames names = project.names();
    names.dynamics = project.folder.file("no-such-folder/dynvars.osl");
    rs.host = &host;
    rs.globals = &globals;
    RunSimulationSteps(names, true, rs);
    EXPECT_EQ(host.messages.texts(), std::vector<std::string>{"Cannot create dynamical variables "
                                                              "output file: " +
                                                              names.dynamics});
    EXPECT_GE(host.find("  Hint: file may be in use by another program."), 0);
    EXPECT_EQ(host.impacts, 0);
}

TEST_F(RunSimulationTest, BlankLinesAfterTheLastImpactAreNoImpact) {
    project.impact = {testing::ImpactLine(0, 0, 3), "", "  "};
    run(true);
    EXPECT_EQ(host.impacts, 1);
    EXPECT_EQ(host.messages.count(Kind::Error), 0);
}

TEST_F(RunSimulationTest, UnreadableImpactLineEndsTheRun) {
    project.impact = {"0.0 x 3.0"};
    run(true);
    EXPECT_GE(host.find("  Run count: 1"), 0);
    EXPECT_EQ(host.messages.texts(),
              std::vector<std::string>{"General initialisation error (or aborted by user)."});
}

}  // namespace
}  // namespace halvern
