// A run's outputs are put in place whole at its end or left as they were: a disk that fills up
// stops the run with the old files intact, and so does an end before the first trajectory.
// (Refused destinations are in the table of every writer, tests/files.)
#include "run/RunOutputs.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "EngineTestRuns.h"
#include "Isolated.h"

namespace halvern::test {
namespace {

namespace fs = std::filesystem;

// Periodic records of every particle of the example: far more than a small disk takes.
void ManyRecords(TestProject& p) {
    UseExample(p, 3);
    p.globals.RandomSeed = 3u;
    p.globals.Threads = 1;
    p.globals.Options.RecordInitial = 1;
    p.run[0] = "3";
    p.run[1] = "10";
}

// A run replaces its outputs whole: an old longer file leaves nothing of itself behind, and the
// files keep their permission bits.
TEST(RunOutputs, ARunReplacesItsOutputsWhole) {
    TestProject fresh;
    ManyRecords(fresh);
    fresh.simulate(true);
    TestProject p;
    ManyRecords(p);
    p.folder.write("dynvars.osl", std::string(10000000, 'o'));
    fs::permissions(p.folder.file("dynvars.osl"), fs::perms(0640));
    p.simulate(true);
    EXPECT_TRUE(p.output("dynvars.osl") == fresh.output("dynvars.osl"));
    EXPECT_EQ(fs::status(p.folder.file("dynvars.osl")).permissions(), fs::perms(0640));
    EXPECT_EQ(p.output("inivars.osl").size(), 487 * kOslRecordSize);
}

// A run that ends before its first trajectory (here the model cannot be read when the first
// impact is set up) leaves every old output as it was.
TEST(RunOutputs, ARunEndingBeforeItsFirstTrajectoryLeavesTheOldFiles) {
    TestProject p;
    ManyRecords(p);
    p.write();
    fs::remove(p.path(".mdl"));
    p.folder.write("dynvars.osl", "old records");
    p.folder.write("inivars.osl", "old initial conditions");
    RunSimulationSteps(p.names(), true, p.rs);
    EXPECT_FALSE(p.host.messages.texts().empty());
    EXPECT_EQ(p.output("dynvars.osl"), "old records");
    EXPECT_EQ(p.output("inivars.osl"), "old initial conditions");
    size_t outputs = 0;
    for (const auto& entry : fs::directory_iterator(p.folder.path()))
        outputs += entry.path().filename().string().rfind("cu.", 0) == 0 ? 0 : 1;
    EXPECT_EQ(outputs, 2u);
}

// A disk that fills up during the run: the run stops, says so in a box and in red, and every
// output file is as it was before the run, with no temporary file left.
TEST(RunOutputs, AFullDiskStopsTheRunAndLeavesTheOldFiles) {
    if (!RunningAsRoot()) GTEST_SKIP() << "mounting a small file system needs root";
    TestProject p;
    ManyRecords(p);
    fs::create_directory(p.folder.file("out"));
    SmallFileSystem small(p.folder.file("out"), "256k");
    if (!small.mounted()) GTEST_SKIP() << "no small file system could be mounted here";
    TRunFileNames names = p.names();
    names.dynamics = p.folder.file("out/dynvars.osl");
    names.initialConditions = p.folder.file("out/inivars.osl");
    ASSERT_TRUE(WriteFileReplacing(names.dynamics, "old records"));
    ASSERT_TRUE(WriteFileReplacing(names.initialConditions, "old initial conditions"));
    p.write();
    RunSimulationSteps(names, true, p.rs);
    EXPECT_EQ(p.host.messages.texts(),
              std::vector<std::string>{RunOutputFailedText(names.dynamics)});
    EXPECT_GE(p.host.find("  Error writing output file: " + names.dynamics), 0);
    EXPECT_GE(p.host.find("  Nothing of the run was written: its output files are as they were "
                          "before it."),
              0);
    EXPECT_LT(p.host.find("  Run count: 3"), 0);  // stopped at the failure
    EXPECT_EQ(p.output("out/dynvars.osl"), "old records");
    EXPECT_EQ(p.output("out/inivars.osl"), "old initial conditions");
    EXPECT_EQ(std::distance(fs::directory_iterator(p.folder.file("out")), fs::directory_iterator()),
              2);
}

}  // namespace
}  // namespace halvern::test
