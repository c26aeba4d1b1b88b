// A run's outputs are put in place whole at its end or left as they were: a destination that is
// read-only or no regular file is refused before the run starts, and a disk that fills up stops
// the run with the old files intact.
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

TEST(RunOutputs, RefusedDestinationsEndTheRunBeforeItStarts) {
    const struct {
        const char* name;
        void (*prepare)(TestProject&);
        std::string box;
    } cases[] = {
        {"read-only output",
         [](TestProject& p) {
             p.folder.write("dynvars.osl", "old");
             fs::permissions(p.folder.file("dynvars.osl"), fs::perms::owner_read);
         },
         "Cannot create dynamical variables output file: <dir>/dynvars.osl\r<dir>/dynvars.osl "
         "is read-only: it was left as it was."},
        {"FIFO as output",
         [](TestProject& p) { ASSERT_EQ(::mkfifo(p.folder.file("dynvars.osl").c_str(), 0666), 0); },
         "Cannot create dynamical variables output file: <dir>/dynvars.osl\r<dir>/dynvars.osl "
         "is not a regular file."},
        {"folder as initial-conditions file",
         [](TestProject& p) { fs::create_directory(p.folder.file("inivars.osl")); },
         "Cannot create initial conditions output file: <dir>/inivars.osl\r<dir>/inivars.osl "
         "is not a regular file."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestProject p;
        ManyRecords(p);
        c.prepare(p);
        const IsolatedResult run = RunIsolated([&p] {
            p.simulate(true);
            const bool ran = p.host.find("                 * TERMINATED *") >= 0;
            return Joined(p.host.messages.texts()) + (ran ? "|ran|" : "|not run|") +
                   p.host.lines.back().text;
        });
        ASSERT_TRUE(run.finished) << "the run blocked";
        EXPECT_EQ(run.text,
                  p.expand(c.box) + "|not run|  Hint: file may be in use by another program.");
        if (fs::is_regular_file(p.folder.file("dynvars.osl"))) {
            EXPECT_EQ(p.output("dynvars.osl"), "old");
        }
        EXPECT_FALSE(fs::exists(p.folder.file("inelast.dat")));
    }
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
