#include <gtest/gtest.h>

#include "NumberText.h"
#include "ProcessFiles.h"
#include "RecordProcesses.h"
#include "TestFiles.h"

using brisal_test::Rec;

namespace {

class AveragesTest : public brisal_test::ScratchDir {
  protected:
    ProcessFunctions functions{};
};

TEST_F(AveragesTest, BlocksForFilledFunctionsAppendedToTheReport) {
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

TEST_F(AveragesTest, EmptySourceRecordsNoData) {
    functions[0] = "ke/ep";
    AveragesOutcome outcome =
        AverageFile(host, writeRecords("e.osl", {}), functions, path("r.txt"), QueryUnits::SI);
    EXPECT_FALSE(outcome.completed);
    EXPECT_EQ(contents(path("r.txt")),
              "-----\r\nAverages from: " + path("e.osl") + "\r\n-----\r\n\r\n");
    EXPECT_EQ(host.messages.texts(), std::vector<std::string>{"No data was recorded."});
}

// A semantic error or a syntax error recovered at the line end drops that function's block;
// an abandoned parse ends the whole process.
TEST_F(AveragesTest, FailedFunctions) {
    std::string source = writeRecords("a.osl", {Rec(1), Rec(0)});
    functions = {"rx", "1.0/rx", "KE + * 2", "rx+1.0", "RX {unclosed", "rx"};
    AveragesOutcome outcome = AverageFile(host, source, functions, path("r.txt"), QueryUnits::SI);
    EXPECT_FALSE(outcome.completed);
    EXPECT_EQ(outcome.written, (std::array<bool, 10>{true, false, false, true}));
    const std::string text = contents(path("r.txt"));
    EXPECT_NE(text.find("Function 1 (q) = rx\r\n"), std::string::npos);
    EXPECT_NE(text.find("Function 4 (q) = rx+1.0\r\n"), std::string::npos);
    EXPECT_EQ(text.find("Function 6"), std::string::npos);
    EXPECT_EQ(host.messages.count(RecordingSink::Kind::ParseError), 3);
    EXPECT_EQ(host.messages.texts().back(), "Fatal error: parser error.");
}

}  // namespace
