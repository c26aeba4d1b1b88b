// Edge cases of the projectile, target, impact, run and model readers.
#include <gtest/gtest.h>

#include <filesystem>

#include "ModelFile.h"
#include "ProjectileFile.h"
#include "RunTestProject.h"
#include "TargetFile.h"

namespace halvern {
namespace {

using testing::Lines;
using testing::ProjectileLine;
using testing::ScratchFolder;
using testing::TargetLine;
using testing::TestProject;
using Kind = RecordingSink::Kind;

TEST(ProjectileFile, ReadsTheWrittenLayout) {
    const struct {
        std::string line;
        double energy;
        int Z;
        double mass;
        uint8_t flags;
        std::string name;
    } cases[] = {
        {ProjectileLine(1.0, 18, 39.948, 0, "Ar"), 1.0, 18, 39.948, 0, "Ar"},
        {ProjectileLine(0.5, 1, 1.00794, 0, "H"), 0.5, 1, 1.00794, 0, " H"},
        {ProjectileLine(2.0, 29, 63.546, 257, "Cu"), 2.0, 29, 63.546, 1, "Cu"},
        {"1 18 39.948 0 Argon-ion-beam", 1.0, 18, 39.948, 0, "Argon-ion-"},
    };
    ScratchFolder folder("prj");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        RecordingHost host;
        TProjectileData d;
        ASSERT_EQ(ReadProjectileFile(folder.write("a.prj", c.line + "\r\n"), d, host), 0);
        EXPECT_EQ(d.Energy, c.energy);
        EXPECT_EQ(d.Z, c.Z);
        EXPECT_EQ(d.Mass, c.mass);
        EXPECT_EQ(d.Flags, c.flags);
        EXPECT_EQ(d.Name, c.name);
        EXPECT_TRUE(host.lines.empty());
    }
}

TEST(ProjectileFile, UnreadableLinesGiveTheTwoRedLines) {
    ScratchFolder folder("prj");
    const std::string path = folder.file("a.prj");
    const struct {
        const char* what;
        const char* bytes;  // nullptr: no file
    } cases[] = {
        {"no file", nullptr},
        {"symbol right after the flags", "     1.000   18 39.94800   0Ar\r\n"},
        {"tab after the flags", "     1.000   18 39.94800   0\tAr\r\n"},
        {"no symbol", "     1.000   18 39.94800   0\r\n"},
        {"not a number", "     1.0x0   18 39.94800   0 Ar\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(path);
        if (c.bytes) folder.write("a.prj", c.bytes);
        RecordingHost host;
        TProjectileData d;
        EXPECT_EQ(ReadProjectileFile(path, d, host), 1);
        ASSERT_EQ(host.lines.size(), 2u);
        EXPECT_EQ(host.lines[0].text, "  ++++ Error ++++");
        EXPECT_EQ(host.lines[1].text,
                  "  File (" + path + ") could not be read or has wrong format.");
        EXPECT_EQ(host.lines[1].colour, colour::Red);
    }
}

TEST(TargetFile, CountsEveryLine) {
    const std::string line = TargetLine(0, 0, 0) + "\r\n";
    const struct {
        const char* what;
        std::string bytes;
        int32_t count;
    } cases[] = {
        {"three lines", line + line + line, 3},
        {"LF line ends", "1 2 3 29 63 0 Cu\n1 2 4 29 63 0 Cu\n", 2},
        {"no last line end", line + line + TargetLine(1, 1, 1), 3},
        {"one empty line at the end", line + line + "\r\n", 3},
        {"empty file", "", 0},
    };
    ScratchFolder folder("trg");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingSink sink;
        EXPECT_EQ(CountTargetLines(folder.write("a.trg", c.bytes), sink), c.count);
        EXPECT_TRUE(sink.entries().empty());
    }
}

TEST(TargetFile, TooManyLinesAreCutAndAMissingFileCountsNone) {
    ScratchFolder folder("trg");
    std::string bytes;
    for (int i = 0; i < 30001; ++i) bytes += "0 0 0 29 63.5 0 Cu\r\n";
    RecordingSink sink;
    EXPECT_EQ(CountTargetLines(folder.write("big.trg", bytes), sink), 30000);
    EXPECT_EQ(sink.texts(),
              std::vector<std::string>{"Too many lines in .TRG file - ignoring excess."});

    RecordingSink missing;
    EXPECT_EQ(CountTargetLines(folder.file("none.trg"), missing), 0);
    EXPECT_EQ(missing.texts(),
              std::vector<std::string>{"Cannot open Target file:\r" + folder.file("none.trg")});
}

// Target and model faults found while the first impact is set up end the run with the
// set-up's two messages after the reader's own.
TEST(FirstImpact, ReaderFailuresEndTheRunBeforeAnyTrajectory) {
    const struct {
        const char* what;
        std::function<void(TestProject&)> change;
        std::vector<std::string> boxes;  // before the run's closing box; "*" for the model path
        std::string red;                 // a red line before "  Aborted during initialisation"
    } cases[] = {
        {"target without the flags column",
         [](TestProject& p) {
             p.target[0] = "     0.00000      0.00000      0.00000   29 63.54600 Cu";
         },
         {"File format error in .TRG file at line 1 - aborting."},
         ""},
        {"unreadable later target line",
         [](TestProject& p) { p.target[2] = "1.805 0 -1.805 29 sixty 0 Cu"; },
         {"File format or parameter size error in .TRG file at line 3 - aborting."},
         ""},
        {"model file missing", [](TestProject& p) { p.model.clear(); }, {}, "  Cannot open *"},
        {"model format error",
         [](TestProject& p) { p.model[5] = "0.3429eV"; },
         {"Format error in *."},
         ""},
        {"unknown potential kind",
         [](TestProject& p) { p.model[0] = "3"; },
         {},
         "  Error in heteronuclear screening length."},
        {"unknown Morse option",
         [](TestProject& p) { p.model[4] = "2"; },
         {},
         "  Error in Morse option."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestProject p;
        c.change(p);
        p.write();
        const std::string model = p.path(".mdl");
        if (p.model.empty()) std::filesystem::remove(model);
        auto withModel = [&](std::string s) {
            const size_t star = s.find('*');
            if (star != std::string::npos)
                s.replace(star, 1, model + (s[0] == ' ' ? " ...Aborting" : ""));
            return s;
        };
        EngineGlobals g;
        RecordingHost h;
        TRunState s;
        s.host = &h;
        s.globals = &g;
        RunSimulationSteps(p.names(), true, s);

        std::vector<std::string> boxes;
        for (const std::string& b : c.boxes) boxes.push_back(withModel(b));
        boxes.push_back("General initialisation error (or aborted by user).");
        EXPECT_EQ(h.messages.texts(), boxes);
        const int aborted = h.find("  Aborted during initialisation");
        ASSERT_GE(aborted, 0);
        EXPECT_EQ(h.lines[static_cast<size_t>(aborted)].colour, colour::Red);
        if (!c.red.empty()) {
            const int at = h.find(withModel(c.red));
            EXPECT_GE(at, 0);
            EXPECT_LT(at, aborted);
        }
        EXPECT_EQ(h.frames, 0) << "no trajectory";
        EXPECT_EQ(s.particles.N, -1);
    }
}

TEST(FirstImpact, EmptyLastTargetLineIsAnAtomWithoutAtomicNumber) {
    TestProject p;
    p.target.push_back("");
    EngineGlobals g;
    RecordingHost h;
    TRunState s;
    p.runOn(s, g, h, true);
    EXPECT_EQ(h.messages.texts(),
              std::vector<std::string>{
                  "File format or parameter size error in .TRG file at line 5 - aborting."});
    EXPECT_FALSE(s.arraysAllocated);
}

class ModelFileTest : public ::testing::Test {
  protected:
    // Target atom 1 as the target reader leaves it when the model file is read.
    void read(bool expected) {
        project.write();
        rs.host = &host;
        rs.globals = &globals;
        rs.options = globals.Options;
        rs.run.CutOff = 3.7e-10;
        AllocateParticleArrays(rs.particles, 1, 3);
        AllocateMassAndZ(rs.particles, 1);
        rs.particles.Z[0] = 18;
        rs.particles.Z[1] = 29;
        rs.particles.mass[1] = atomMass;
        EXPECT_EQ(ReadModelFile(project.path(".mdl"), rs), expected);
    }

    TestProject project;
    EngineGlobals globals;
    RecordingHost host;
    TRunState rs;
    double atomMass = 63.55;
};

TEST_F(ModelFileTest, ReadsTheValuesInSiUnits) {
    project.model[15] = "4.0";
    project.model[16] = "2.5";
    project.model[20] = "1";
    read(true);
    const TModelParameters& m = rs.model;
    EXPECT_DOUBLE_EQ(m.MorseD, 0.3429 * 1.602192e-19);
    EXPECT_DOUBLE_EQ(m.MorseAlpha, 1.3588e10);
    EXPECT_DOUBLE_EQ(m.MorseR0, 2.866e-10);
    EXPECT_DOUBLE_EQ(m.SplineHigh, 2.0e-10);
    EXPECT_DOUBLE_EQ(m.SurfaceBinding, 4.0 * 1.602192e-19);
    EXPECT_DOUBLE_EQ(m.BulkBinding, 2.5 * 1.602192e-19);
    EXPECT_DOUBLE_EQ(m.TerminationEnergy, 5.0 * 1.602192e-19);
    EXPECT_EQ(m.BulkVariance, 0.005);
    EXPECT_EQ(m.ParallelVariance, 0.008);
    EXPECT_EQ(m.Temperature, 300);
    EXPECT_EQ(m.TestProjectileOnly, 1);
    EXPECT_FALSE(rs.potentials.MorseTable.empty());
    EXPECT_GT(rs.potentials.aPT, 0);
    EXPECT_EQ(host.messages.count(Kind::YesNo), 0);
}

TEST_F(ModelFileTest, OlderNineteenLineFileReadsZeroForTheLastTwoLines) {
    project.model.resize(19);
    read(true);
    EXPECT_EQ(rs.model.Temperature, 0);
    EXPECT_EQ(rs.model.TestProjectileOnly, 0);
    TModelParameters ahead;
    EXPECT_TRUE(ReadModelFileAhead(project.path(".mdl"), ahead));
    EXPECT_EQ(ahead.TestProjectileOnly, 0);
}

TEST_F(ModelFileTest, MassMismatchAsksAndNoFailsAfterTheWholeFile) {
    globals.Options.HotTarget = 1;
    atomMass = 63.3;
    host.messages.scriptAnswers({false});
    read(false);
    EXPECT_EQ(host.messages.texts(),
              std::vector<std::string>{
                  "Masses specified in .TRG & .MDL files differ by > 0.1 amu. Proceed anyway?"});
    EXPECT_EQ(host.messages.entries()[0].icon, BoxIcon::Warning);
    EXPECT_GE(host.find("  Hot target: T = 300.00 K"), 0);
    EXPECT_EQ(rs.model.Temperature, 300);
}

TEST_F(ModelFileTest, MassIsNotCheckedWithoutVibrations) {
    project.model[10] = "1";
    atomMass = 10;
    read(true);
    EXPECT_EQ(host.messages.count(Kind::YesNo), 0);
}

TEST_F(ModelFileTest, RepulsiveOnlyPlacesTheSplineBeyondTheCutOff) {
    project.model[4] = "1";
    project.model[9] = "9.0";  // no Morse table: the outer radius is not checked against it
    read(true);
    EXPECT_DOUBLE_EQ(rs.potentials.Rlow, 2 * 3.7e-10);
    EXPECT_DOUBLE_EQ(rs.potentials.Rhigh, 3 * 3.7e-10);
    EXPECT_TRUE(rs.potentials.MorseTable.empty());
}

}  // namespace
}  // namespace halvern
