// The dialogs' logic without their windows: destination proposals, the Genius tables, the
// expression history, the idle checks, the command line and the saved log.
#include <gtest/gtest.h>

#include "CommandsTestSupport.h"
#include "DestinationNames.h"
#include "ExpressionHistory.h"
#include "Filter.h"
#include "GeniusTables.h"
#include "IdleChecks.h"
#include "LogFile.h"
#include "StartupArguments.h"
#include "query/QueryLanguage.h"

using namespace brisal;
using namespace brisal_test;

namespace {

TEST(DestinationNames, ReplaceOnlyTheFileNamesOwnExtension) {
    const struct {
        const char* source;
        const char* ext;
        const char* proposal;
    } cases[] = {
        {"/sim/RUN7.OSL", "dat", "/sim/RUN7.dat"},
        {"/sim/RUN7.OSL", "txt", "/sim/RUN7.txt"},
        {"/sim/a.b.osl", "dat", "/sim/a.b.dat"},
        {"RUN7", "dat", "RUN7dat"},
        // A dot in a folder name is no extension.
        {"/sim.v2/RUN7", "dat", "/sim.v2/RUN7dat"},
        {"/sim.v2/RUN7.osl", "txt", "/sim.v2/RUN7.txt"},
    };
    for (const auto& c : cases) EXPECT_EQ(ProposedDestination(c.source, c.ext), c.proposal);
}

TEST(DestinationNames, FilterProposalMarksTheStemsLastCharacter) {
    const struct {
        const char* source;
        const char* proposal;
    } cases[] = {
        {"/runs/TEST.OSL", "/runs/TES$.osl"},
        {"TEST.OSL", "TES$.osl"},
        {"T.OSL", "T.osl"},  // too short to mark
        {"/runs/T.OSL", "/runs/$.osl"},
        {"/run.s/RUN7", "/run.s/RUN$osl"},
        {"/run.s/.osl", "/run.s/.osl"},  // no stem: the folder keeps its name
    };
    for (const auto& c : cases) EXPECT_EQ(ProposedFilterDestination(c.source), c.proposal);
}

TEST(GeniusTables, ValueExpressionsByItem) {
    EXPECT_EQ(GeniusExpression(0), "ke/ep { particle KE, in eV }");
    EXPECT_EQ(GeniusExpression(14), "rw { particle index }");
    EXPECT_EQ(GeniusExpression(15), "rn { trajectory index }");
    EXPECT_EQ(GeniusExpression(16), "{ internal error }");
    EXPECT_EQ(GeniusExpression(-1), "{ internal error }");
}

// Every standard expression is one the processes accept, of the kind its meaning needs.
TEST(GeniusTables, EveryExpressionCompiles) {
    for (int i = 0; i < static_cast<int>(kGeniusVariables.size()); ++i) {
        halvern::RecordingSink sink;
        halvern::QueryRun run(sink);
        EXPECT_TRUE(run.compile(halvern::expr::UpCaseStr(GeniusExpression(i))))
            << GeniusExpression(i);
        const bool integer = i >= 14;
        EXPECT_EQ(run.statement() == halvern::expr::ResultKind::Integer, integer) << i;
    }
    for (size_t p = 0; p < kFilterParameters.size(); ++p) {
        for (size_t r = 0; r < kFilterRelations.size(); ++r) {
            const bool real = static_cast<int>(p) < kFirstIntegerParameter;
            const std::string piece = FilterPiece(static_cast<int>(p), static_cast<int>(r),
                                                  FilterTestValue(real, "1", "1"));
            halvern::RecordingSink sink;
            halvern::expr::FilterRun run(sink);
            EXPECT_TRUE(run.compile(halvern::expr::UpCaseStr(piece))) << piece;
        }
    }
}

TEST(GeniusTables, FilterPiecesJoinIntoALogicalExpression) {
    const std::string first = FilterPiece(0, 2, FilterTestValue(true, "20", "7"));
    EXPECT_EQ(first, "[ke/ep > 20.0] ");
    const std::string joined = first + kFilterLogicOperators[0].text +
                               FilterPiece(9, 0, FilterTestValue(false, "20", "0"));
    EXPECT_EQ(joined, "[ke/ep > 20.0] & [rw = 0] ");
    EXPECT_EQ(FilterTestValue(true, "1e3", ""), "1e3");  // "e" counts as a decimal mark
    EXPECT_EQ(FilterTestValue(true, "-2.5", ""), "-2.5");
    EXPECT_EQ(FilterPiece(6, 4, FilterTestValue(true, std::string(40, '9'), "")).size(), 50u);
}

TEST(ExpressionHistory, KeepsEachExpressionOnceInSortedOrder) {
    std::vector<std::string> items;
    for (const char* text : {"rw", "ke/ep", "PZ", "KE/EP", " ", "", "alt"}) {
        const int index = HistoryInsertIndex(items, text);
        if (index >= 0) items.insert(items.begin() + index, text);
    }
    EXPECT_EQ(items, (std::vector<std::string>{"alt", "ke/ep", "PZ", "rw"}));
}

TEST(IdleChecks, WarnsOfLowDiskSpaceOncePerRun) {
    IdleChecks checks;
    EXPECT_FALSE(checks.lowDiskWarning(std::nullopt));
    EXPECT_FALSE(checks.lowDiskWarning(kLowDiskBytes));
    EXPECT_EQ(checks.lowDiskWarning(4999999),
              "Free space on current disk drive is low (4999999 bytes).");
    EXPECT_FALSE(checks.lowDiskWarning(100));
}

TEST_F(CommandTest, StartupArgumentsNameThePlotterFile) {
    const std::string file = path("traj.osl");
    WriteRecords(file, {Particle(1)});
    using Kind = StartupFile::Kind;
    const struct {
        std::vector<std::string> args;
        Kind kind;
    } cases[] = {
        {{}, Kind::None},
        {{file}, Kind::PlotterFile},
        {{path("gone.osl")}, Kind::Missing},
        {{path("*.osl")}, Kind::Missing},
        {{path("tr?j.osl")}, Kind::Missing},
        {{file, file}, Kind::None},
    };
    for (const auto& c : cases) {
        const StartupFile s = CheckStartupArguments(c.args);
        EXPECT_EQ(s.kind, c.kind);
        if (c.args.size() == 1) {
            EXPECT_EQ(s.name, c.args[0]);
        }
    }
    EXPECT_EQ(CannotFindFileText("x.osl"), "Cannot find file: x.osl");
}

TEST_F(CommandTest, SavedLogEndsEachLineWithCrLf) {
    halvern::RecordingSink sink;
    const std::string file = path("log.txt");
    EXPECT_TRUE(SaveLogLines(sink, {"", "Filter; [rw = 0]; ", "a (1 recs.)"}, file));
    EXPECT_EQ(FileText(file), "\r\nFilter; [rw = 0]; \r\na (1 recs.)\r\n");

    const std::string nowhere = path("no/such/folder/log.txt");
    EXPECT_FALSE(SaveLogLines(sink, {"x"}, nowhere));
    EXPECT_EQ(sink.texts(), std::vector<std::string>{"Error writing " + nowhere + "."});
}

}  // namespace
