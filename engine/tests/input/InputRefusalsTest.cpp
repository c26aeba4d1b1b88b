// Values that would crash, hang or corrupt a run, refused by their reader before any output file
// is created or any array allocated, with a message naming the value, its line and its file;
// one table per input file. Every refused run leaves every file of the project as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "EngineTestRuns.h"

namespace halvern::test {
namespace {

using Kind = RecordingSink::Kind;
namespace fs = std::filesystem;

struct Refusal {
    const char* ext;
    size_t line;  // 1-based
    std::string value;
    // Red log lines ("\n" between), after "  ++++ Error ++++" for all but the target's atoms.
    std::string red;
    std::string box = "";
    void (*prepare)(TestProject&) = nullptr;
};

// The three outputs exist from an earlier run: a refused run must leave them as they are.
void WriteEarlierOutputs(const TestProject& p) {
    for (const char* name : {"inivars.osl", "dynvars.osl", "inelast.dat"})
        p.folder.write(name, std::string("earlier ") + name);
}

// The project with one line changed, run as the window runs it (the run offered unless refused
// first); `offered` tells whether the refusal comes after the parameter report.
void ExpectRefused(const Refusal& c, bool offered = false) {
    SCOPED_TRACE(c.value);
    TestProject p;
    std::vector<std::string>& lines = p.lines(c.ext);
    lines.resize(std::max(lines.size(), c.line));
    lines[c.line - 1] = c.value;
    if (c.prepare) c.prepare(p);
    p.write();
    WriteEarlierOutputs(p);
    const auto before = FolderBytes(p.folder.path());
    RunSimulationSteps(p.names(), false, p.rs);

    EXPECT_EQ(Joined(RedLines(p.host)),
              (std::string(c.ext) == ".trg" ? "" : "  ++++ Error ++++\n") + c.red);
    std::vector<std::string> boxes;
    for (const std::string& text : p.host.messages.texts())
        if (text != "Proceed with simulation now?") boxes.push_back(text);
    EXPECT_EQ(Joined(boxes), p.expand(c.box));
    EXPECT_EQ(p.host.messages.count(Kind::YesNo), offered ? 1 : 0);
    EXPECT_FALSE(p.rs.arraysAllocated);
    EXPECT_EQ(p.host.impacts, 0);
    EXPECT_EQ(FolderBytes(p.folder.path()), before);
}

void ExpectAccepted(const char* ext, size_t line, const std::string& text) {
    SCOPED_TRACE(text);
    TestProject p;
    p.lines(ext)[line - 1] = text;
    p.host.messages.setDefaultAnswer(false);
    p.simulate();
    EXPECT_EQ(Joined(RedLines(p.host)), "  ...Simulation aborted");
    EXPECT_EQ(p.host.messages.count(Kind::YesNo), 1);
}

void SelectEventModels(TestProject& p) {
    p.globals.Options.OenRobinsonModel = p.globals.Options.ShapiroTombrelloModel = 1;
    p.globals.Options.RecordInelastic = 1;
    p.inelastic = Lines({"// LSS data", "0", "0", "// Oen-Robinson data", "1", "522 2.0 0.5", "1.5",
                         "0.3", "// Shapiro-Tombrello data", "1", "522 1.0 1.0 10 0.5"});
}

TEST(ProjectileRefusals, EnergyChargeAndMassWithinTheirRanges) {
    const Refusal cases[] = {
        {".prj", 1, ProjectileLine(0, 18, 39.948, 0, "Ar"),
         "  Projectile energy 0 at line 1 of cu.prj must lie in 0.001..1000000 keV"},
        {".prj", 1, ProjectileLine(1e308, 18, 39.948, 0, "Ar"),
         "  Projectile energy 1E308 at line 1 of cu.prj must lie in 0.001..1000000 keV"},
        {".prj", 1, ProjectileLine(1, 0, 39.948, 0, "Ar"),
         "  Projectile Z 0 at line 1 of cu.prj must lie in 1..1000"},
        {".prj", 1, ProjectileLine(1, 1001, 39.948, 0, "Ar"),
         "  Projectile Z 1001 at line 1 of cu.prj must lie in 1..1000"},
        // Z1 x Z2 of the event models overflowed a 32-bit product.
        {".prj", 1, ProjectileLine(1, 2147483647, 39.948, 0, "Ar"),
         "  Projectile Z 2147483647 at line 1 of cu.prj must lie in 1..1000", "",
         SelectEventModels},
        {".prj", 1, ProjectileLine(1, 18, 0, 0, "Ar"),
         "  Projectile mass 0 at line 1 of cu.prj must lie in 0.00001..10000 amu"},
        {".prj", 1, ProjectileLine(1, 18, -4, 0, "Ar"),
         "  Projectile mass -4 at line 1 of cu.prj must lie in 0.00001..10000 amu"},
        {".prj", 1, ProjectileLine(1, 18, 1e308, 0, "Ar"),
         "  Projectile mass 1E308 at line 1 of cu.prj must lie in 0.00001..10000 amu"},
    };
    for (const Refusal& c : cases) ExpectRefused(c);
    ExpectAccepted(".prj", 1, ProjectileLine(1e6, 1000, 1e4, 0, "Xx"));
}

TEST(TargetRefusals, AtomsWithinTheElementTableAtDistinctFinitePlaces) {
    const std::string sizeError = "File format or parameter size error in .TRG file at line ";
    const Refusal cases[] = {
        {".trg", 3, TargetLine(1.805, 0, -1.805, 0),
         "  Atomic number 0 at line 3 of cu.trg must lie in 1..1000", sizeError + "3 - aborting."},
        {".trg", 2, TargetLine(1.805, 1.805, 0, 1001),
         "  Atomic number 1001 at line 2 of cu.trg must lie in 1..1000",
         sizeError + "2 - aborting."},
        {".trg", 5, "",  // an empty last line
         "  Atomic number 0 at line 5 of cu.trg must lie in 1..1000", sizeError + "5 - aborting."},
        {".trg", 4, TargetLine(1.805, 1.805, 0),
         "  Atoms at lines 2 and 4 of cu.trg are at the same place (x = 1.805, y = 1.805, z = 0 A)",
         "Atoms at lines 2 and 4 of <.trg> are at the same place (x = 1.805, y = 1.805, z = 0 A) - "
         "aborting."},
        // A mass of 0 made every energy NaN.
        {".trg", 3, TargetLine(1.805, 0, -1.805, 29, 0),
         "  Atom mass 0 at line 3 of cu.trg must lie in 0.00001..10000 amu",
         sizeError + "3 - aborting."},
        {".trg", 2, TargetLine(1.805, 1.805, 0, 29, -63.5),
         "  Atom mass -63.5 at line 2 of cu.trg must lie in 0.00001..10000 amu",
         sizeError + "2 - aborting."},
        {".trg", 2, TargetLine(1.805, 1.805, 0, 29, 2e4),
         "  Atom mass 20000 at line 2 of cu.trg must lie in 0.00001..10000 amu",
         sizeError + "2 - aborting."},
        {".trg", 2, TargetLine(1e308, 1.805, 0),
         "  Atom x 1E308 at line 2 of cu.trg must lie in -1000000..1000000 A",
         sizeError + "2 - aborting."},
        {".trg", 4, "0 1.805 -1e400 29 63.546 0 Cu",
         "  Atom z -INF at line 4 of cu.trg must lie in -1000000..1000000 A",
         sizeError + "4 - aborting."},
    };
    for (const Refusal& c : cases) ExpectRefused(c);
    ExpectAccepted(".trg", 2, TargetLine(1e6, -1e6, 0, 1000, 1e4));
}

void HotTarget(TestProject& p) {
    p.globals.Options.HotTarget = 1;
    p.model[10] = "1";
}

TEST(ModelRefusals, ValuesThatTheRunUsesAreFiniteAndInRange) {
    const Refusal cases[] = {
        {".mdl", 10, "8.0",
         "  Spline outer radius 8 at line 10 of cu.mdl must lie in 1..7.9997 A (Morse table "
         "range)"},
        {".mdl", 10, "7.9999",
         "  Spline outer radius 7.9999 at line 10 of cu.mdl must lie in 1..7.9997 A (Morse "
         "table range)"},
        {".mdl", 9, "0", "  Spline inner radius 0 at line 9 of cu.mdl must lie in 1E-6..8 A"},
        {".mdl", 9, "1e400", "  Spline inner radius INF at line 9 of cu.mdl must lie in 1E-6..8 A"},
        {".mdl", 2, "0.0", "  Screening-length factor 0 at line 2 of cu.mdl must lie in 1E-6..100"},
        {".mdl", 4, "-1", "  Screening-length factor -1 at line 4 of cu.mdl must lie in 1E-6..100"},
        {".mdl", 2, "1e308",
         "  Screening-length factor 1E308 at line 2 of cu.mdl must lie in 1E-6..100"},
        {".mdl", 6, "1e400", "  Morse D INF at line 6 of cu.mdl must lie in -1000000..1000000 eV"},
        {".mdl", 16, "1e308",
         "  Surface binding energy 1E308 at line 16 of cu.mdl must lie in -1000000..1000000 eV"},
        {".mdl", 18, "-1e400",
         "  Termination energy -INF at line 18 of cu.mdl must lie in -1000000..1000000 eV"},
        {".mdl", 19, "0.00500 -0.00800 0.00800",
         "  Vibration amplitude -0.008 at line 19 of cu.mdl must lie in 0..10 square A"},
        {".mdl", 19, "0.00500 1e308 0.00800",
         "  Vibration amplitude 1E308 at line 19 of cu.mdl must lie in 0..10 square A"},
        {".mdl", 20, "-300",
         "  Lattice temperature -300 at line 20 of cu.mdl must lie in 0..100000 K", "", HotTarget},
        {".mdl", 20, "1e308",
         "  Lattice temperature 1E308 at line 20 of cu.mdl must lie in 0..100000 K", "", HotTarget},
    };
    for (const Refusal& c : cases) ExpectRefused(c);
    for (const auto& [line, text] : std::vector<std::pair<size_t, std::string>>{
             {10, "7.9997"}, {19, "0 0 0"}, {19, "10 10 10"}, {2, "100"}, {16, "-1e6"}})
        ExpectAccepted(".mdl", line, text);
}

TEST(RunRefusals, FieldsTimesAnglesAndCutOffThatKeepARunFinite) {
    const Refusal cases[] = {
        {".run", 10, "0", "  No. of partners 0 at line 10 of cu.run must lie in 1..500"},
        {".run", 10, "-3", "  No. of partners -3 at line 10 of cu.run must lie in 1..500"},
        {".run", 10, "501",
         "  No. of partners parameter (set at 501) in .RUN file is larger\n"
         "  than the maximum allowed value of 500. Decrease the former\n"
         "  in the .RUN file, or increase the latter in the source file (if available)."},
        {".run", 7, "0", "  Rebuild interval 0 at line 7 of cu.run must lie in 1..65535"},
        {".run", 7, "65536", "  Rebuild interval 65536 at line 7 of cu.run must lie in 1..65535"},
        {".run", 6, "0.0", "  Initial time step 0 at line 6 of cu.run must lie in 1E-19..1E-12 s"},
        {".run", 6, "-7.0e-17",
         "  Initial time step -7E-17 at line 6 of cu.run must lie in 1E-19..1E-12 s"},
        // The run never reached t_max.
        {".run", 6, "1e-300",
         "  Initial time step 1E-300 at line 6 of cu.run must lie in 1E-19..1E-12 s"},
        {".run", 6, "1e-11",
         "  Initial time step 1E-11 at line 6 of cu.run must lie in 1E-19..1E-12 s"},
        {".run", 8, "1e9   10.0",
         "  t_max 1000000000 at line 8 of cu.run must not exceed 70000000 fs (1E9 time steps)"},
        {".run", 8, "-1   10.0", "  t_max -1 at line 8 of cu.run must not be negative"},
        {".run", 8, "300.0   1e400", "  t_min INF at line 8 of cu.run must be a finite number"},
        {".run", 4, "0.00",
         "  Polar angle 0 at line 4 of cu.run must not be a multiple of 180 degrees"},
        {".run", 4, "180",
         "  Polar angle 180 at line 4 of cu.run must not be a multiple of 180 degrees"},
        {".run", 4, "400.5",
         "  Polar angle 400.5 at line 4 of cu.run must lie in -360..360 degrees"},
        {".run", 4, "1e400", "  Polar angle INF at line 4 of cu.run must lie in -360..360 degrees"},
        {".run", 5, "-1e400",
         "  Azimuthal angle -INF at line 5 of cu.run must lie in -360..360 degrees"},
        {".run", 9, "0",
         "  Cut-off radius 0 at line 9 of cu.run must lie in 1E-6..8 A (Morse table range)"},
        // Beyond the Morse table: refused when the run file is read, not at the first impact.
        {".run", 9, "8.5",
         "  Cut-off radius 8.5 at line 9 of cu.run must lie in 1E-6..8 A (Morse table range)"},
        {".run", 3, "9",
         "  Parameter error in .RUN file\n  ++++ Error ++++\n"
         "  Output option 9 at line 3 of cu.run must lie in 0..8"},
        // Wrapped to 0 in the 16-bit field.
        {".run", 3, "65536",
         "  Parameter error in .RUN file\n  ++++ Error ++++\n"
         "  Output option 65536 at line 3 of cu.run must lie in 0..8"},
        {".run", 1, "4",
         "  Parameter error in .RUN file (sample mode)\n  ++++ Error ++++\n"
         "  Sample mode 4 at line 1 of cu.run must lie in 0..3"},
        {".run", 1, "65539",
         "  Parameter error in .RUN file (sample mode)\n  ++++ Error ++++\n"
         "  Sample mode 65539 at line 1 of cu.run must lie in 0..3"},
        // Wrapped to 4464, or no periodic records at all.
        {".run", 2, "70000",
         "  Sampling interval 70000 at line 2 of cu.run must lie in 1..65535 when sampling "
         "periodically",
         "", [](TestProject& p) { p.run[0] = "3"; }},
        {".run", 2, "000",
         "  Sampling interval 0 at line 2 of cu.run must lie in 1..65535 when sampling "
         "periodically",
         "", [](TestProject& p) { p.run[0] = "2"; }},
        {".run", 6, "7.0e-17x", "  Format error in .RUN file"},
    };
    for (const Refusal& c : cases) ExpectRefused(c);
    for (const auto& [line, text] : std::vector<std::pair<size_t, std::string>>{{10, "1"},
                                                                                {10, "500"},
                                                                                {7, "1"},
                                                                                {7, "65535"},
                                                                                {4, "0.01"},
                                                                                {4, "270"},
                                                                                {4, "-359"},
                                                                                {6, "1e-19"},
                                                                                {6, "1e-12"},
                                                                                {8, "100000   10"},
                                                                                {9, "8"},
                                                                                {2, "65535"},
                                                                                {2, "0"}})
        ExpectAccepted(".run", line, text);
}

TEST(RunRefusals, OutputOptionNineIsNamedAgainAsTheOutputLine) {
    TestProject p;
    p.run[2] = "9";
    p.simulate();
    const int first = p.host.find("  Parameter error in .RUN file");
    ASSERT_GE(first, 0);
    const auto* lines = &p.host.lines[static_cast<size_t>(first)];
    EXPECT_EQ(lines[1].text, "  SIMULATION PARAMETERS");
    EXPECT_EQ(lines[2].text, "  Parameter error in .RUN file");
    EXPECT_EQ(lines[2].colour, colour::Blue);
}

TEST(RunRefusals, OutputFilterThatDoesNotParseIsRefusedOnceBeforeTheRun) {
    for (const bool sampling : {true, false}) {
        SCOPED_TRACE(sampling);
        TestProject p;
        p.run[0] = sampling ? "1" : "0";
        p.run[2] = "8";
        p.run[10] = "[ke/ep > ] & ";
        p.host.messages.setDefaultAnswer(false);
        p.simulate();
        EXPECT_EQ(p.host.messages.count(Kind::ParseError), sampling ? 1 : 0);
        EXPECT_EQ(p.host.find("  Output-filter expression (output option 8) at line 11 of cu.run "
                              "does not parse") >= 0,
                  sampling);
        // Without sampling the expression is never evaluated, so the run is offered.
        EXPECT_EQ(p.host.messages.count(Kind::YesNo), sampling ? 0 : 1);
        EXPECT_FALSE(p.rs.arraysAllocated);
    }
}

// Impact lines are checked after the parameter report (where the impact file is opened) and
// before anything is created or allocated.
TEST(ImpactRefusals, EveryLineHoldsThreeFiniteNumbersAndAHeightAboveTheSurface) {
    const Refusal cases[] = {
        {".imp", 1, "0.5 0.5",
         "  Impact line \"0.5 0.5\" at line 1 of cu.imp must hold three numbers (x, y, height)"},
        {".imp", 2, "0.5 x 3.0",
         "  Impact line \"0.5 x 3.0\" at line 2 of cu.imp must hold three numbers (x, y, height)"},
        {".imp", 1, "",  // a file without an impact point
         "  No impact point in cu.imp"},
        // The projectile started on atom 1 and gained 86 keV.
        {".imp", 1, ImpactLine(0, 0, 0),
         "  Impact height 0 at line 1 of cu.imp must lie in 1E-8..1000000 A"},
        {".imp", 3, ImpactLine(0.5, 0.5, -3),
         "  Impact height -3 at line 3 of cu.imp must lie in 1E-8..1000000 A"},
        {".imp", 2, "1e400 0.0 3.0",
         "  Impact offset x INF at line 2 of cu.imp must lie in -1000000..1000000 A"},
        {".imp", 1, "0.0 -1e400 3.0",
         "  Impact offset y -INF at line 1 of cu.imp must lie in -1000000..1000000 A"},
        {".imp", 1, "0.0 0.0 1e400",
         "  Impact height INF at line 1 of cu.imp must lie in 1E-8..1000000 A"},
    };
    for (const Refusal& c : cases) {
        Refusal r = c;
        if (c.line > 1)  // valid lines before the bad one
            r.prepare = [](TestProject& p) {
                for (size_t k = 0; k + 1 < p.impact.size(); ++k) p.impact[k] = ImpactLine(0, 0, 3);
            };
        ExpectRefused(r, /*offered=*/true);
    }
}

TEST(ImpactRefusals, BlankLinesMakeNoImpactPointAndTheMeshParametersAreSkipped) {
    TestProject p;
    p.impact = {ImpactLine(0.1, 0.2, 3) +
                    " 0.000000 2.555980 0.000000 2.555980 90.000000 0 3 3 "
                    "3.000000",
                "", ImpactLine(0.3, 0.2, 3), "  ", ""};
    p.simulate(true);
    EXPECT_EQ(p.host.impacts, 2);
    EXPECT_TRUE(RedLines(p.host).empty());
}

}  // namespace
}  // namespace halvern::test
