#include <gtest/gtest.h>

#include <cmath>

#include "TestFiles.h"
#include "processes/ProcessFiles.h"
#include "processes/RecordProcesses.h"

using brisal_test::Rec;

namespace {

// The averages and format-columns processes: up to ten value expressions over a file.
class FunctionProcesses : public brisal_test::ScratchDir {
  protected:
    ProcessFunctions functions{};
};

TEST_F(FunctionProcesses, AveragesBlocksForFilledFunctionsAppendedToTheReport) {
    std::string source = writeRecords("a.osl", {Rec(2, 1), Rec(4, 3)});
    functions[0] = "rx";
    functions[1] = " ";
    functions[2] = "rw { index }";
    AveragesOutcome first = AverageFile(host, source, functions, path("r.txt"), QueryUnits::SI);
    EXPECT_TRUE(first.completed);
    EXPECT_EQ(first.blocks, 2);
    EXPECT_EQ(first.written, (std::array<bool, 10>{true, false, true}));
    const std::string report = "-----\r\nAverages from: " + source +
                               "\r\n-----\r\n"
                               "Function 1 (q) = rx\r\n"
                               "<q> =  3.00000E+0000  sqrt<q**2> =  3.16228E+0000  StdDev(q) =  "
                               "1.00000E+0000 Hits:    2\r\n"
                               "\r\n"
                               "Function 3 (q) = rw { index }\r\n"
                               "<q> =  2.00000E+0000  sqrt<q**2> =  2.23607E+0000  StdDev(q) =  "
                               "1.00000E+0000 Hits:    2\r\n"
                               "\r\n"
                               "\r\n";
    EXPECT_EQ(contents(path("r.txt")), report);
    ASSERT_TRUE(AverageFile(host, source, functions, path("r.txt"), QueryUnits::SI).completed);
    EXPECT_EQ(contents(path("r.txt")), report + report);
    EXPECT_TRUE(host.messages.entries().empty());
}

// The status line counts the records of every function's pass, one count over the whole process.
TEST_F(FunctionProcesses, AveragesCountsTheRecordsOfAllFunctions) {
    const std::string source = writeRecords("a.osl", std::vector<TOslRecord>(600, Rec(1)));
    functions[0] = "rx";
    functions[4] = "rw";
    ASSERT_TRUE(AverageFile(host, source, functions, path("r.txt"), QueryUnits::SI).completed);
    EXPECT_EQ(host.events, (std::vector<std::string>{
                               "status: Working... please wait (500 records processed)",
                               "status: Working... please wait (1000 records processed)"}));
}

TEST_F(FunctionProcesses, AveragesEmptySourceRecordsNoData) {
    functions[0] = "ke/ep";
    AveragesOutcome outcome =
        AverageFile(host, writeRecords("e.osl", {}), functions, path("r.txt"), QueryUnits::SI);
    EXPECT_FALSE(outcome.completed);
    EXPECT_EQ(contents(path("r.txt")),
              "-----\r\nAverages from: " + path("e.osl") + "\r\n-----\r\n\r\n");
    EXPECT_EQ(host.messages.texts(), std::vector<std::string>{"No data was recorded."});
}

// A semantic error or a syntax error recovered at the line end drops that function's block; an
// abandoned parse ends the whole process before the report is touched.
TEST_F(FunctionProcesses, AveragesFailedFunctions) {
    std::string source = writeRecords("a.osl", {Rec(1), Rec(0)});
    functions = {"rx", "1.0/rx", "KE + * 2", "rx+1.0", "", "rx"};
    AveragesOutcome outcome = AverageFile(host, source, functions, path("r.txt"), QueryUnits::SI);
    EXPECT_TRUE(outcome.completed);
    EXPECT_EQ(outcome.written, (std::array<bool, 10>{true, false, false, true, false, true}));
    const std::string text = contents(path("r.txt"));
    EXPECT_NE(text.find("Function 1 (q) = rx\r\n"), std::string::npos);
    EXPECT_NE(text.find("Function 4 (q) = rx+1.0\r\n"), std::string::npos);
    EXPECT_EQ(text.find("Function 2"), std::string::npos);
    EXPECT_EQ(host.messages.count(RecordingSink::Kind::ParseError), 2);
    host.messages.clear();

    functions[4] = "RX {unclosed";
    outcome = AverageFile(host, source, functions, path("r.txt"), QueryUnits::SI);
    EXPECT_FALSE(outcome.completed);
    EXPECT_EQ(outcome.written, (std::array<bool, 10>{}));
    EXPECT_EQ(contents(path("r.txt")), text);
    EXPECT_EQ(host.messages.count(RecordingSink::Kind::ParseError), 2);  // compiled only
    EXPECT_EQ(host.messages.texts().back(), "Fatal error: parser error.");
}

TEST_F(FunctionProcesses, FormatColumnsOneLinePerRecordOneFieldPerColumn) {
    const float ms = 1e-25f;
    const float pz = static_cast<float>(std::sqrt(2.0 * ms * 1000 * 1.60219e-19));
    std::string source = writeRecords("a.osl", {Rec(0, 0, 1, pz, ms), Rec(-2e-10f, 12, 1, pz, ms)});
    functions[0] = "rw";
    functions[2] = "ke/ep";
    functions[9] = "rx";
    ASSERT_TRUE(FormatColumnsFile(host, source, functions, path("f.dat"), QueryUnits::SI));
    EXPECT_EQ(contents(path("f.dat")),
              "  0  1.00000E+0003  0.00000E+0000 \r\n"
              " 12  1.00000E+0003 -2.00000E-0010 \r\n");
    // Angstrom and kg Angstrom/fs with the mass in kg: energies come out 1e10 times smaller.
    ASSERT_TRUE(FormatColumnsFile(host, source, functions, path("f.dat"), QueryUnits::NonSI));
    EXPECT_EQ(contents(path("f.dat")),
              "  0  1.00000E-0007  0.00000E+0000 \r\n"
              " 12  1.00000E-0007 -2.00000E+0000 \r\n");
    ASSERT_TRUE(FormatColumnsFile(host, writeRecords("e.osl", {}), functions, path("e.dat"),
                                  QueryUnits::SI));
    EXPECT_EQ(contents(path("e.dat")), "");
    EXPECT_TRUE(host.messages.entries().empty());
}

TEST_F(FunctionProcesses, FormatColumnsErrorsStopTheTable) {
    std::string source = writeRecords("a.osl", {Rec(1, 1), Rec(0, 2), Rec(1, 3)});
    functions[0] = "rw";
    functions[1] = "1.0/rx";
    EXPECT_FALSE(FormatColumnsFile(host, source, functions, path("f.dat"), QueryUnits::SI));
    // The line in progress stays without its line end.
    EXPECT_EQ(contents(path("f.dat")), "  1  1.00000E+0000 \r\n  2 ");
    EXPECT_EQ(host.messages.count(RecordingSink::Kind::ParseError), 1);
    host.messages.clear();

    functions[1] = "RX {unclosed";
    EXPECT_FALSE(FormatColumnsFile(host, source, functions, path("g.dat"), QueryUnits::SI));
    EXPECT_FALSE(FileExists(path("g.dat")));
    EXPECT_EQ(host.messages.texts().back(), "Parsing error - aborting.");
    host.messages.clear();

    functions[1] = "KE + * 2";  // recovered: the dialog only
    EXPECT_FALSE(FormatColumnsFile(host, source, functions, path("h.dat"), QueryUnits::SI));
    EXPECT_EQ(host.messages.texts().size(), 1u);
}

}  // namespace
