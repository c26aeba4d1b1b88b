// The process commands' course: name checks, status and cursor around the process, log lines
// and the follow-up display, on crafted record files.
#include <gtest/gtest.h>

#include <functional>

#include "CommandsTestSupport.h"
#include "FileSafety.h"
#include "ProcessCommands.h"
#include "ShortString.h"
#include "processes/ProcessFiles.h"

using namespace brisal;
using namespace brisal_test;
using halvern::RecordingSink;

namespace {

using Strings = std::vector<std::string>;

// The events of a command that ran its process, without the process's own progress lines.
Strings CourseOf(const Strings& events) {
    Strings course;
    for (const std::string& e : events)
        if (e.rfind("status: Working... please wait (", 0) != 0 && e != "pump") course.push_back(e);
    return course;
}

class ProcessCommandsTest : public CommandTest {
  protected:
    void SetUp() override {
        CommandTest::SetUp();
        source = path("run.osl");
        WriteRecords(source, {Particle(50), Particle(150, 1), Particle(250, 2)});
    }
    std::string source;
};

TEST_F(ProcessCommandsTest, FilterCopiesTheSelectedRecordsAndLogsTheCounts) {
    const std::string destination = path("fast.osl");
    RunFilterCommand(host, {source, destination, "[ke/ep > 100.0] { KE > 100 eV }"});

    EXPECT_TRUE(host.messages.entries().empty());
    EXPECT_EQ(CourseOf(host.events),
              (Strings{"wait", "status: Working...please wait.", "clear", "normal",
                       "log: ", "log: Filter; [ke/ep > 100.0] { KE > 100 eV }; ",
                       "log: run.osl (3 recs.) --> fast.osl (2 recs. = 66.666%)"}));
    // The records go over byte for byte, in source order.
    EXPECT_EQ(FileText(destination), FileText(source).substr(40));
}

TEST_F(ProcessCommandsTest, FilterAsksBeforeOverwritingAnExistingDestination) {
    const std::string destination = path("old.osl");
    WriteRecords(destination, {Particle(1)});
    const std::string before = FileText(destination);

    host.messages.scriptAnswers({false});
    RunFilterCommand(host, {source, destination, "[rw = 0]"});
    EXPECT_EQ(host.messages.texts(), Strings{destination + " already exists - overwrite?"});
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(FileText(destination), before);

    host.messages.scriptAnswers({true});
    RunFilterCommand(host, {source, destination, "[rw = 0]"});
    EXPECT_EQ(FileText(destination), FileText(source).substr(0, 40));
    EXPECT_EQ(host.log.back(), "run.osl (3 recs.) --> old.osl (1 recs. = 33.333%)");
}

TEST_F(ProcessCommandsTest, FilterRefusesItsSourceAsDestinationBeforeAsking) {
    const std::string before = FileText(source);
    RunFilterCommand(host, {source, source, "[rw = 0]"});
    ASSERT_EQ(host.messages.entries().size(), 1u);
    EXPECT_EQ(host.messages.entries()[0].kind, RecordingSink::Kind::Error);
    EXPECT_EQ(FileText(source), before);
    EXPECT_TRUE(host.log.empty());
}

TEST_F(ProcessCommandsTest, FilterLogsTheRecordsLeftOutAfterASemanticError) {
    RunFilterCommand(host, {source, path("out.osl"), "[1.0/(rw-1) > 0.0]"});
    // The record with rw = 1 divides by zero; its error is shown once.
    EXPECT_EQ(host.messages.texts().size(), 1u);
    EXPECT_EQ(host.log.back(), "1 records left out after an error in the expression");
}

TEST_F(ProcessCommandsTest, FilterWithASyntaxErrorLogsNothing) {
    const std::string destination = path("out.osl");
    RunFilterCommand(host, {source, destination, "[ke/ep > 1.0 { open"});
    EXPECT_EQ(host.messages.texts().back(), "Parsing error - aborting.");
    EXPECT_TRUE(host.log.empty());
    EXPECT_EQ(CourseOf(host.events),
              (Strings{"wait", "status: Working...please wait.", "clear", "normal"}));
    EXPECT_FALSE(halvern::FileExists(destination));
}

// Every command refuses the same names before anything runs.
TEST_F(ProcessCommandsTest, EveryCommandRefusesBadNamesBeforeItRuns) {
    const std::string dat = path("out.dat");
    const std::string tooLong = path(std::string(300, 'a') + ".dat");
    using Command = std::function<void(AnalysisHost&, const std::string&, const std::string&)>;
    const std::vector<std::pair<const char*, Command>> commands = {
        {"filter",
         [](AnalysisHost& h, auto& s, auto& d) {
             RunFilterCommand(h, {s, d, "[rw=0]"});
         }},
        {"spectrum",
         [](AnalysisHost& h, auto& s, auto& d) {
             RunSpectrumCommand(h, {s, d, "rw", 5, 4, 0});
         }},
        {"collate",
         [](AnalysisHost& h, auto& s, auto& d) {
             RunCollateCommand(h, {s, d, "rw"});
         }},
        {"averages",
         [](AnalysisHost& h, auto& s, auto& d) {
             RunAveragesCommand(h, {s, d, {"rw"}});
         }},
        {"format columns",
         [](AnalysisHost& h, auto& s, auto& d) {
             RunFormatColumnsCommand(h, {s, d, {"rw"}});
         }},
        {"convert", [](AnalysisHost& h, auto& s, auto& d) { RunConvertCommand(h, {s, d}); }},
        {"displacements",
         [](AnalysisHost& h, auto& s, auto& d) {
             RunDisplacementsCommand(h, {s, s, d});
         }},
    };
    const struct {
        std::string source, destination, message;
    } cases[] = {
        {path("missing.osl"), dat, "Cannot find source file (" + path("missing.osl") + ")."},
        {path("*.osl"), dat, "Cannot find source file (" + path("*.osl") + ")."},
        {source, path("*.dat"), "Cannot create destination file (" + path("*.dat") + ")."},
        {source, tooLong, halvern::FileNameTooLongText(tooLong)},
    };
    for (const auto& [name, command] : commands) {
        for (const auto& c : cases) {
            host = RecordingAnalysisHost();
            command(host, c.source, c.destination);
            EXPECT_EQ(host.messages.texts(), Strings{c.message}) << name << " " << c.destination;
            EXPECT_TRUE(host.events.empty()) << name;
        }
    }
    EXPECT_FALSE(halvern::FileExists(dat));
}

TEST_F(ProcessCommandsTest, AQuestionMarkInTheDestinationIsNoPattern) {
    const std::string destination = path("out?.dat");
    RunSpectrumCommand(host, {source, destination, "rw", 3, 2, 0});
    EXPECT_TRUE(host.messages.entries().empty());
    EXPECT_TRUE(halvern::FileExists(destination));
}

TEST_F(ProcessCommandsTest, SpectrumWritesItsFileLogsAndAsksForThePlot) {
    const std::string destination = path("spectrum.dat");
    RunSpectrumCommand(host, {source, destination, "ke/ep", 3, 250, 50, true});
    EXPECT_TRUE(host.messages.entries().empty());
    EXPECT_EQ(CourseOf(host.events),
              (Strings{"wait", "status: Working...please wait.", "clear", "normal",
                       "log: ", "log: Spectrum: ke/ep; run.osl --> spectrum.dat",
                       "plot: " + destination + " | ke/ep: spectrum.dat | ke/ep | counts"}));
    EXPECT_EQ(FileText(destination),
              " 5.00000000000000E+0001  1.00000000000000E+0000\r\n"
              " 1.50000000000000E+0002  1.00000000000000E+0000\r\n"
              " 2.50000000000000E+0002  1.00000000000000E+0000\r\n");
}

TEST_F(ProcessCommandsTest, AFailedSpectrumIsNeitherLoggedNorShown) {
    RunSpectrumCommand(host, {source, path("spectrum.dat"), "ke/ep", 1, 100, 0, true});
    EXPECT_EQ(host.messages.texts(), Strings{"Parameter(s) out of range. "});
    EXPECT_EQ(host.events, (Strings{"wait", "status: Working...please wait.", "clear", "normal"}));
}

TEST_F(ProcessCommandsTest, CollateLogsAndOpensItsResultWhenAsked) {
    const std::string destination = path("coll.dat");
    RunCollateCommand(host, {source, destination, "rw", halvern::CollateMethod::PerRun, false});
    EXPECT_EQ(host.log, (Strings{"", "Collate: rw; run.osl --> coll.dat"}));
    EXPECT_NE(FileText(destination).find("rw/run"), std::string::npos);

    host = RecordingAnalysisHost();
    RunCollateCommand(host, {source, destination, "rw", halvern::CollateMethod::PerAtom, true});
    EXPECT_EQ(host.events.back(), "edit: " + destination);
}

TEST_F(ProcessCommandsTest, AveragesLogsTheItemsOfItsReport) {
    halvern::ProcessFunctions functions{};
    functions[0] = "ke/ep";
    functions[1] = " ";
    functions[2] = "rw";
    functions[9] = "rn";
    const std::string destination = path("avg.txt");
    RunAveragesCommand(host, {source, destination, functions, halvern::QueryUnits::SI, true});
    EXPECT_EQ(host.log, (Strings{"", "Averages; run.osl --> (appended to) avg.txt",
                                 "Item #1: ke/ep", "Item #3: rw", "Item #10: rn"}));
    EXPECT_EQ(host.events.back(), "edit: " + destination);
}

TEST_F(ProcessCommandsTest, AveragesLeavesOutAFunctionWhoseBlockIsNotInTheReport) {
    halvern::ProcessFunctions functions{};
    functions[0] = "1.0/rw";  // divides by zero at the projectile: no block
    functions[1] = "rw";
    RunAveragesCommand(host, {source, path("avg.txt"), functions, halvern::QueryUnits::SI, false});
    EXPECT_EQ(host.log,
              (Strings{"", "Averages; run.osl --> (appended to) avg.txt", "Item #2: rw"}));
}

TEST_F(ProcessCommandsTest, FormatColumnsLogsItsColumns) {
    halvern::ProcessFunctions functions{};
    functions[0] = "rw";
    functions[4] = "ke/ep";
    const std::string destination = path("cols.dat");
    RunFormatColumnsCommand(host, {source, destination, functions, halvern::QueryUnits::SI, false});
    EXPECT_EQ(host.log, (Strings{"", "Format columns: run.osl --> cols.dat", "Column #1: rw",
                                 "Column #5: ke/ep"}));
    EXPECT_EQ(FileText(destination).substr(0, 4), "  0 ");
}

TEST_F(ProcessCommandsTest, AnEmptySourceFileRunsThroughTheFilter) {
    const std::string empty = path("empty.osl");
    WriteRecords(empty, {});
    RunFilterCommand(host, {empty, path("out.osl"), "[rw = 0]"});
    EXPECT_EQ(host.log.back(), "empty.osl (0 recs.) --> out.osl (0 recs. = 0%)");
}

TEST_F(ProcessCommandsTest, ConvertReportsItsProgressLogsAndOpensTheResult) {
    const std::string destination = path("converted text of the run with a long name.dat");
    RunConvertCommand(host, {source, destination, true});
    EXPECT_TRUE(host.messages.entries().empty());
    EXPECT_EQ(host.events,
              (Strings{"wait", "status: Working... please wait (0 records processed)", "pump",
                       "normal", "status: ",
                       "log: Convert: run.osl --> converted text of the run with a long n",
                       "edit: " + destination}));
    EXPECT_EQ(host.log.back().size(), 60u);
    EXPECT_EQ(FileText(destination).size(), 3 * 99u);
}

TEST_F(ProcessCommandsTest, AConvertEndedByAReadErrorIsNotLogged) {
    const std::string cut = path("cut.osl");
    halvern::WriteFileReplacing(cut, FileText(source) + "partial");
    RunConvertCommand(host, {cut, path("cut.dat"), true});
    EXPECT_EQ(host.messages.texts(), Strings{"Disk read error - aborting."});
    EXPECT_EQ(CourseOf(host.events), (Strings{"wait", "normal", "status: "}));
    EXPECT_EQ(FileText(path("cut.dat")).size(), 3 * 99u);
}

// Each check runs before anything is made; the command then runs as the processes do, and logs
// the files with the records compared.
TEST_F(ProcessCommandsTest, DisplacementsChecksBothSourcesAndTheDestinationFirst) {
    const std::string later = path("later.osl");
    WriteRecords(later, {Particle(60), Particle(170, 1)});
    const std::string before = FileText(later);
    const std::string out = path("d.osl");
    const struct {
        DisplaceInputs in;
        std::string message;
    } refused[] = {
        {{source, path("gone.osl"), out}, "Cannot find source file (" + path("gone.osl") + ")."},
        {{path("gone.osl"), later, out}, "Cannot find source file (" + path("gone.osl") + ")."},
        {{source, later, path("*.osl")}, "Cannot create destination file (" + path("*.osl") + ")."},
        {{source, later, later}, halvern::DestinationIsSourceText(later)},
        {{source, later, source}, halvern::DestinationIsSourceText(source)},
    };
    for (const auto& r : refused) {
        host = RecordingAnalysisHost();
        RunDisplacementsCommand(host, r.in);
        EXPECT_EQ(host.messages.texts(), Strings{r.message});
    }
    EXPECT_FALSE(halvern::FileExists(out));
    EXPECT_EQ(FileText(later), before);

    host = RecordingAnalysisHost();
    RunDisplacementsCommand(host, {source, later, out});
    EXPECT_TRUE(host.messages.entries().empty());
    EXPECT_EQ(host.events,
              (Strings{"wait", "status: Working...please wait.", "clear", "normal",
                       "log: ", "log: Displacements: later.osl - run.osl --> d.osl (2 recs.)"}));
    EXPECT_EQ(FileText(out).size(), 80u);
}

TEST(FilterPercentText, IsTheShortestTextCutToSixCharacters) {
    const struct {
        int64_t n, m;
        const char* text;
    } cases[] = {{3, 2, "66.666"}, {0, 0, "0"}, {3, 3, "100"}, {7, 1, "14.285"}, {8, 1, "12.5"}};
    for (const auto& c : cases) EXPECT_EQ(FilterPercentText(c.n, c.m), c.text) << c.n << " " << c.m;
}

}  // namespace
