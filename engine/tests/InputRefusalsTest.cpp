// Values that would crash, hang or corrupt a run are refused before anything is allocated, with a
// message that names the value, its line and its file.
#include <gtest/gtest.h>

#include "RunTestProject.h"

namespace halvern {
namespace {

using testing::TestProject;
using Kind = RecordingSink::Kind;

enum class File { Projectile, Target, Model, Run };

struct Refusal {
    const char* what;
    File file;
    size_t line;  // 1-based
    std::string text;
    std::vector<std::string> logged;  // red lines, in order
    std::vector<std::string> boxes;
    bool hotTarget = false;
};

const std::string kError = "  ++++ Error ++++";

std::vector<Refusal> Refusals() {
    using testing::ProjectileLine;
    using testing::TargetLine;
    return {
        {"partner limit 0",
         File::Run,
         10,
         "0",
         {kError, "  No. of partners 0 at line 10 of cu.run must be at least 1"},
         {}},
        {"partner limit -3",
         File::Run,
         10,
         "-3",
         {kError, "  No. of partners -3 at line 10 of cu.run must be at least 1"},
         {}},
        {"partner limit 501",
         File::Run,
         10,
         "501",
         {kError, "  No. of partners parameter (set at 501) in .RUN file is larger",
          "  than the maximum allowed value of 500. Decrease the former",
          "  in the .RUN file, or increase the latter in the source file (if available)."},
         {}},
        {"rebuild interval 0",
         File::Run,
         7,
         "0",
         {kError, "  Rebuild interval 0 at line 7 of cu.run must lie in 1..65535"},
         {}},
        {"rebuild interval 65536",
         File::Run,
         7,
         "65536",
         {kError, "  Rebuild interval 65536 at line 7 of cu.run must lie in 1..65535"},
         {}},
        {"time step 0",
         File::Run,
         6,
         "0.0",
         {kError, "  Initial time step 0 at line 6 of cu.run must be above 0"},
         {}},
        {"negative time step",
         File::Run,
         6,
         "-7.0e-17",
         {kError, "  Initial time step -7E-17 at line 6 of cu.run must be above 0"},
         {}},
        {"polar angle 0",
         File::Run,
         4,
         "0.00",
         {kError, "  Polar angle 0 at line 4 of cu.run must not be a multiple of 180 degrees"},
         {}},
        {"polar angle 180",
         File::Run,
         4,
         "180",
         {kError, "  Polar angle 180 at line 4 of cu.run must not be a multiple of 180 degrees"},
         {}},
        {"cut-off 0",
         File::Run,
         9,
         "0",
         {kError, "  Cut-off radius 0 at line 9 of cu.run must be above 0"},
         {}},
        {"output option 9", File::Run, 3, "9", {kError, "  Parameter error in .RUN file"}, {}},
        {"sample mode 4",
         File::Run,
         1,
         "4",
         {kError, "  Parameter error in .RUN file (sample mode)"},
         {}},
        {"run format error", File::Run, 6, "7.0e-17x", {kError, "  Format error in .RUN file"}, {}},
        {"projectile energy 0",
         File::Projectile,
         1,
         ProjectileLine(0, 18, 39.948, 0, "Ar"),
         {kError, "  Projectile energy 0 at line 1 of cu.prj must be above 0 keV"},
         {}},
        {"projectile Z 0",
         File::Projectile,
         1,
         ProjectileLine(1, 0, 39.948, 0, "Ar"),
         {kError, "  Projectile Z 0 at line 1 of cu.prj must be above 0"},
         {}},
        {"projectile mass 0",
         File::Projectile,
         1,
         ProjectileLine(1, 18, 0, 0, "Ar"),
         {kError, "  Projectile mass 0 at line 1 of cu.prj must be above 0 amu"},
         {}},
        {"negative projectile mass",
         File::Projectile,
         1,
         ProjectileLine(1, 18, -4, 0, "Ar"),
         {kError, "  Projectile mass -4 at line 1 of cu.prj must be above 0 amu"},
         {}},
        {"spline end beyond the Morse table",
         File::Model,
         10,
         "8.0",
         {kError,
          "  Spline outer radius 8 at line 10 of cu.mdl must be below 7.9998 A (Morse "
          "table range)"},
         {}},
        {"spline end at the table's last checked point",
         File::Model,
         10,
         "7.9999",
         {kError,
          "  Spline outer radius 7.9999 at line 10 of cu.mdl must be below 7.9998 A "
          "(Morse table range)"},
         {}},
        {"spline start 0",
         File::Model,
         9,
         "0",
         {kError, "  Spline inner radius 0 at line 9 of cu.mdl must be above 0 A"},
         {}},
        {"screening factor 0",
         File::Model,
         2,
         "0.0",
         {kError, "  Screening-length factor 0 at line 2 of cu.mdl must be above 0"},
         {}},
        {"target screening factor negative",
         File::Model,
         4,
         "-1",
         {kError, "  Screening-length factor -1 at line 4 of cu.mdl must be above 0"},
         {}},
        {"negative vibration amplitude",
         File::Model,
         19,
         "0.00500 -0.00800 0.00800",
         {kError, "  Vibration amplitude -0.008 at line 19 of cu.mdl must not be negative"},
         {}},
        {"negative temperature of a hot target",
         File::Model,
         20,
         "-300",
         {kError, "  Lattice temperature -300 at line 20 of cu.mdl must not be negative"},
         {},
         /*hotTarget=*/true},
        {"target Z 0",
         File::Target,
         3,
         TargetLine(1.805, 0, -1.805, 0),
         {"  Atomic number 0 at line 3 of cu.trg must lie in 1..1000"},
         {"File format or parameter size error in .TRG file at line 3 - aborting."}},
        {"target Z 1001",
         File::Target,
         2,
         TargetLine(1.805, 1.805, 0, 1001),
         {"  Atomic number 1001 at line 2 of cu.trg must lie in 1..1000"},
         {"File format or parameter size error in .TRG file at line 2 - aborting."}},
        {"two atoms at one place",
         File::Target,
         4,
         TargetLine(1.805, 1.805, 0),
         {"  Atoms at lines 2 and 4 of cu.trg are at the same place (x = 1.805, y = 1.805, "
          "z = 0 A)"},
         {}},
    };
}

std::vector<std::string>& LinesOf(TestProject& p, File f) {
    switch (f) {
        case File::Projectile:
            return p.projectile;
        case File::Target:
            return p.target;
        case File::Model:
            return p.model;
        case File::Run:
            break;
    }
    return p.run;
}

TEST(InputRefusals, EachBadValueGivesItsMessageAndNoAllocation) {
    for (Refusal c : Refusals()) {
        SCOPED_TRACE(c.what);
        TestProject project;
        LinesOf(project, c.file)[c.line - 1] = c.text;
        if (c.what == std::string("two atoms at one place"))
            c.boxes = {"Atoms at lines 2 and 4 of " + project.path(".trg") +
                       " are at the same place (x = 1.805, y = 1.805, z = 0 A) - aborting."};
        EngineGlobals globals;
        globals.Options.HotTarget = c.hotTarget;
        if (c.hotTarget) project.model[10] = "1";
        RecordingHost host;
        TRunState rs;
        project.runOn(rs, globals, host);

        std::vector<std::string> red;
        for (const auto& l : host.lines)
            if (l.colour == colour::Red) red.push_back(l.text);
        EXPECT_EQ(red, c.logged);
        EXPECT_EQ(host.messages.texts(), c.boxes);
        EXPECT_EQ(host.messages.count(Kind::YesNo), 0) << "the run must not be offered";
        EXPECT_FALSE(rs.arraysAllocated);
        EXPECT_EQ(host.impacts, 0);
    }
}

TEST(InputRefusals, OutputOptionNineIsNamedAgainAsTheOutputLine) {
    TestProject project;
    project.run[2] = "9";
    EngineGlobals globals;
    RecordingHost host;
    TRunState rs;
    project.runOn(rs, globals, host);
    const int first = host.find("  Parameter error in .RUN file");
    ASSERT_GE(first, 0);
    EXPECT_EQ(host.lines[static_cast<size_t>(first)].colour, colour::Red);
    const auto& again = host.lines[static_cast<size_t>(first) + 2];
    EXPECT_EQ(host.lines[static_cast<size_t>(first) + 1].text, "  SIMULATION PARAMETERS");
    EXPECT_EQ(again.text, "  Parameter error in .RUN file");
    EXPECT_EQ(again.colour, colour::Blue);
}

TEST(InputRefusals, LimitsThemselvesAreAccepted) {
    const struct {
        File file;
        size_t line;
        std::string text;
    } accepted[] = {
        {File::Run, 10, "1"},
        {File::Run, 10, "500"},
        {File::Run, 7, "1"},
        {File::Run, 7, "65535"},
        {File::Run, 4, "0.01"},
        {File::Run, 4, "270"},
        {File::Model, 10, "7.9997"},
        {File::Model, 19, "0 0 0"},
        {File::Target, 2, testing::TargetLine(1.805, 1.805, 0, 1000)},
    };
    for (const auto& a : accepted) {
        SCOPED_TRACE(a.text);
        TestProject project;
        LinesOf(project, a.file)[a.line - 1] = a.text;
        EngineGlobals globals;
        RecordingHost host;
        host.messages.setDefaultAnswer(false);
        TRunState rs;
        project.runOn(rs, globals, host);
        EXPECT_EQ(host.messages.count(Kind::YesNo), 1);
        EXPECT_GE(host.find("  ...Simulation aborted"), 0);
    }
}

TEST(InputRefusals, OutputFilterThatDoesNotParseIsRefusedOnceBeforeTheRun) {
    for (const char* sampleMode : {"1", "0"}) {
        SCOPED_TRACE(sampleMode);
        TestProject project;
        project.run[0] = sampleMode;
        project.run[2] = "8";
        project.run[10] = "[ke/ep > ] & ";
        EngineGlobals globals;
        RecordingHost host;
        host.messages.setDefaultAnswer(false);
        TRunState rs;
        project.runOn(rs, globals, host);
        const bool used = sampleMode == std::string("1");
        EXPECT_EQ(host.messages.count(Kind::ParseError), used ? 1 : 0);
        EXPECT_EQ(host.find("  Output-filter expression (output option 8) at line 11 of cu.run "
                            "does not parse") >= 0,
                  used);
        // Without sampling the expression is never evaluated, so the run is offered.
        EXPECT_EQ(host.messages.count(Kind::YesNo), used ? 0 : 1);
        EXPECT_FALSE(rs.arraysAllocated);
    }
}

}  // namespace
}  // namespace halvern
