// The projectile, target, model and run readers: their layouts and their failure messages (the
// values they refuse are in InputRefusalsTest.cpp).
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "EngineTestRuns.h"
#include "input/ModelFile.h"
#include "input/TargetFile.h"

namespace halvern::test {
namespace {

using Kind = RecordingSink::Kind;

TEST(ProjectileFile, ReadsTheWrittenLayout) {
    const struct {
        std::string line, read;  // energy, Z, mass, flags and name as read
    } cases[] = {
        {ProjectileLine(1.0, 18, 39.948, 0, "Ar"), "1 18 39.948 0 Ar"},
        {ProjectileLine(0.5, 1, 1.00794, 0, "H"), "0.5 1 1.00794 0  H"},
        {ProjectileLine(2.0, 29, 63.546, 257, "Cu"), "2 29 63.546 1 Cu"},
        {"1 18 39.948 0 Argon-ion-beam", "1 18 39.948 0 Argon-ion-"},
    };
    ScratchFolder folder("prj");
    for (const auto& c : cases) {
        RecordingHost host;
        TProjectileData d;
        ASSERT_EQ(ReadProjectileFile(folder.write("a.prj", c.line + "\r\n"), d, host), 0);
        EXPECT_EQ(ShortestRealText(d.Energy) + " " + std::to_string(d.Z) + " " +
                      ShortestRealText(d.Mass) + " " + std::to_string(d.Flags) + " " + d.Name,
                  c.read);
        EXPECT_TRUE(host.lines.empty());
    }
}

TEST(ProjectileFile, UnreadableLinesGiveTheTwoRedLines) {
    ScratchFolder folder("prj");
    const std::string path = folder.file("a.prj");
    const char* cases[] = {
        nullptr,                                 // no file
        "     1.000   18 39.94800   0Ar\r\n",    // symbol right after the flags
        "     1.000   18 39.94800   0\tAr\r\n",  // tab after the flags
        "     1.000   18 39.94800   0\r\n",      // no symbol
        "     1.0x0   18 39.94800   0 Ar\r\n",   // not a number
    };
    for (const char* bytes : cases) {
        SCOPED_TRACE(bytes ? bytes : "no file");
        std::filesystem::remove(path);
        if (bytes) folder.write("a.prj", bytes);
        RecordingHost host;
        TProjectileData d;
        EXPECT_EQ(ReadProjectileFile(path, d, host), 1);
        EXPECT_EQ(RedLines(host),
                  (std::vector<std::string>{"  ++++ Error ++++", "  File (" + path +
                                                                     ") could not be read or "
                                                                     "has wrong format."}));
    }
}

TEST(TargetFile, CountsEveryLineAndCutsTooMany) {
    const std::string line = TargetLine(0, 0, 0) + "\r\n";
    std::string big;
    for (int i = 0; i < 30001; ++i) big += "0 0 0 29 63.5 0 Cu\r\n";
    const struct {
        std::string bytes;
        int32_t count;
        std::vector<std::string> boxes;
    } cases[] = {
        {line + line + line, 3, {}},
        {"1 2 3 29 63 0 Cu\n1 2 4 29 63 0 Cu\n", 2, {}},  // LF line ends
        {line + line + TargetLine(1, 1, 1), 3, {}},       // no last line end
        {line + line + "\r\n", 3, {}},                    // one empty line at the end
        {"", 0, {}},
        {big, 30000, {"Too many lines in .TRG file - ignoring excess."}},
    };
    ScratchFolder folder("trg");
    for (const auto& c : cases) {
        RecordingSink sink;
        EXPECT_EQ(CountTargetLines(folder.write("a.trg", c.bytes), sink), c.count);
        EXPECT_EQ(sink.texts(), c.boxes) << c.count;
    }
    RecordingSink missing;
    EXPECT_EQ(CountTargetLines(folder.file("none.trg"), missing), 0);
    EXPECT_EQ(missing.texts(),
              std::vector<std::string>{"Cannot open Target file:\r" + folder.file("none.trg")});
}

// The atoms arrive one by one, each followed by the caller's step while its mass is in amu; a
// step that fails ends the reading there.
TEST(TargetFile, AtomsReachTheCallerInOrderAndAFailedStepEndsTheReading) {
    ScratchFolder folder("trg");
    const std::string file =
        folder.write("a.trg", Lines({"0 0 0 29 63.546 0 Cu", "1.805 1.805 0 29 63.546 1 Cu",
                                     "1.805 0 -1.805 18 39.948 0 Ar"}));
    for (const int32_t stopAt : {0, 2}) {
        RecordingHost host;
        TParticleArrays p;
        AllocateParticleArrays(p, 3, 3);
        AllocateMassAndZ(p, 3);
        std::vector<std::pair<int32_t, double>> seen;  // atom, mass at the step
        const bool read = ReadTargetAtoms(file, 3, p, host, [&](int32_t i) {
            seen.emplace_back(i, p.mass[i]);
            return i != stopAt;
        });
        EXPECT_EQ(read, stopAt == 0);
        const std::vector<std::pair<int32_t, double>> whole{{1, 63.546}, {2, 63.546}, {3, 39.948}};
        EXPECT_EQ(seen, std::vector(whole.begin(), whole.begin() + (stopAt == 0 ? 3 : 2)));
        EXPECT_DOUBLE_EQ(p.mass[1], 63.546 * kAmu);
        EXPECT_DOUBLE_EQ(p.y[2], 1.805 * kAngstrom);
        EXPECT_EQ(p.initialFlags[2], 1);
        ASSERT_FALSE(host.lines.empty());
        EXPECT_EQ(host.lines[0].text, "  Target : Cu");
        FreeMassAndZ(p);
        FreeParticleArrays(p);
    }
}

// Target and model faults found while the first impact is set up end the run with the set-up's
// two messages after the reader's own.
TEST(FirstImpact, ReaderFailuresEndTheRunBeforeAnyTrajectory) {
    const struct {
        const char* ext;
        size_t line;  // 1-based; 0 removes the file
        std::string value;
        std::string box;  // before the run's closing box
        std::string red;  // a red line before "  Aborted during initialisation"
    } cases[] = {
        {".trg", 1, "     0.00000      0.00000      0.00000   29 63.54600 Cu",
         "File format error in .TRG file at line 1 - aborting.", ""},
        {".trg", 3, "1.805 0 -1.805 29 sixty 0 Cu",
         "File format or parameter size error in .TRG file at line 3 - aborting.", ""},
        {".mdl", 0, "", "", "  Cannot open <.mdl> ...Aborting"},
        {".mdl", 6, "0.3429eV", "Format error in <.mdl>.", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        TestProject p;
        if (c.line) p.lines(c.ext)[c.line - 1] = c.value;
        p.write();
        if (!c.line) std::filesystem::remove(p.path(c.ext));
        RunSimulationSteps(p.names(), true, p.rs);

        std::vector<std::string> boxes;
        if (!c.box.empty()) boxes.push_back(p.expand(c.box));
        boxes.push_back("General initialisation error (or aborted by user).");
        EXPECT_EQ(p.host.messages.texts(), boxes);
        const int aborted = p.host.find("  Aborted during initialisation");
        ASSERT_GE(aborted, 0);
        EXPECT_EQ(p.host.lines[static_cast<size_t>(aborted)].colour, colour::Red);
        if (!c.red.empty()) {
            const int at = p.host.find(p.expand(c.red));
            EXPECT_GE(at, 0);
            EXPECT_LT(at, aborted);
        }
        EXPECT_EQ(p.host.frames, 0) << "no trajectory";
        EXPECT_EQ(p.rs.particles.N, -1);
    }
}

TEST(ModelFile, ReadsTheValuesInSiUnits) {
    TestProject p;
    p.model[15] = "4.0";
    p.model[16] = "2.5";
    p.model[20] = "1";
    p.prepareImpact();
    ASSERT_TRUE(p.setUpImpact());
    const TModelParameters& m = p.rs.model;
    EXPECT_DOUBLE_EQ(m.MorseD, 0.3429 * kEv);
    EXPECT_DOUBLE_EQ(m.MorseAlpha, 1.3588e10);
    EXPECT_DOUBLE_EQ(m.MorseR0, 2.866e-10);
    EXPECT_DOUBLE_EQ(m.SplineHigh, 2.0e-10);
    EXPECT_DOUBLE_EQ(m.SurfaceBinding, 4.0 * kEv);
    EXPECT_DOUBLE_EQ(m.BulkBinding, 2.5 * kEv);
    EXPECT_DOUBLE_EQ(m.TerminationEnergy, 5.0 * kEv);
    EXPECT_EQ(m.BulkVariance, 0.005);
    EXPECT_EQ(m.ParallelVariance, 0.008);
    EXPECT_EQ(m.Temperature, 300);
    EXPECT_EQ(m.TestProjectileOnly, 1);
    EXPECT_FALSE(p.rs.potentials.MorseTable.empty());
    EXPECT_GT(p.rs.potentials.aPT, 0);
    EXPECT_EQ(p.host.messages.count(Kind::YesNo), 0);

    // An older file of 19 lines reads 0 for the last two.
    TestProject older;
    older.model.resize(19);
    older.prepareImpact();
    ASSERT_TRUE(older.setUpImpact());
    EXPECT_EQ(older.rs.model.Temperature, 0);
    EXPECT_EQ(older.rs.model.TestProjectileOnly, 0);
    TModelParameters ahead;
    EXPECT_TRUE(ReadModelFileAhead(older.path(".mdl"), ahead));
    EXPECT_EQ(ahead.TestProjectileOnly, 0);
}

// With vibrations on, a mass differing by more than 0.1 amu from atom 1's is asked about.
TEST(ModelFile, MassMismatchAsksOnlyWithVibrationsAndNoFailsAfterTheWholeFile) {
    for (const bool vibrations : {true, false}) {
        SCOPED_TRACE(vibrations);
        TestProject p;
        p.model[10] = vibrations ? "0" : "1";
        p.target[0] = TargetLine(0, 0, 0, 29, vibrations ? 63.3 : 10);
        p.globals.Options.HotTarget = 1;
        p.host.messages.scriptAnswers({false});
        p.prepareImpact();
        EXPECT_EQ(p.setUpImpact(), !vibrations);
        EXPECT_EQ(p.host.messages.count(Kind::YesNo), vibrations ? 1 : 0);
        if (!vibrations) continue;
        EXPECT_EQ(p.host.messages.texts()[0],
                  "Masses specified in .TRG & .MDL files differ by > 0.1 amu. Proceed anyway?");
        EXPECT_EQ(p.host.messages.entries()[0].icon, BoxIcon::Warning);
        EXPECT_GE(p.host.find("  Hot target: T = 300.00 K"), 0);
        EXPECT_EQ(p.rs.model.Temperature, 300);
    }
}

TEST(ModelFile, RepulsiveOnlyPlacesTheSplineBeyondTheCutOffAndFillsNoTable) {
    TestProject p;
    p.model[4] = "1";
    p.model[9] = "9.0";  // no Morse table: the outer radius is not checked against it
    p.prepareImpact();
    ASSERT_TRUE(p.setUpImpact());
    const TPairPotentials& pot = p.rs.potentials;
    EXPECT_DOUBLE_EQ(pot.Rlow, 2 * 3.7e-10);
    EXPECT_DOUBLE_EQ(pot.Rhigh, 3 * 3.7e-10);
    EXPECT_TRUE(pot.MorseTable.empty());
    EXPECT_EQ(pot.twoDAlpha, 0);
    EXPECT_EQ(pot.Fmin, 0);
    EXPECT_EQ(pot.SplineCoefficients[0], 0);
}

}  // namespace
}  // namespace halvern::test
