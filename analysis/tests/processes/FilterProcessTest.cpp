#include <gtest/gtest.h>

#include <cmath>

#include "TestFiles.h"
#include "processes/ProcessFiles.h"
#include "processes/RecordProcesses.h"

using brisal_test::Rec;
using brisal_test::RecordBytes;

namespace {

class FilterProcessTest : public brisal_test::ScratchDir {};

TEST_F(FilterProcessTest, CopiesTheSelectedRecordsByteForByte) {
    const float ms = 1e-25f;
    const auto pz = [&](double ev) {
        return static_cast<float>(std::sqrt(2.0 * ms * ev * 1.60219e-19));
    };
    TOslRecord odd = Rec(1.5f, 0, 2, pz(500), ms);
    odd.ti = -0.0f;  // kept as it was read
    const std::vector<TOslRecord> records = {Rec(1, 0, 1, pz(50), ms), Rec(2, 1, 1, pz(150), ms),
                                             odd, Rec(4, 5, 2, pz(101), ms)};
    std::string source = writeRecords("a.osl", records);
    FilterOutcome outcome =
        FilterFile(host, source, path("b.osl"), "[ke/ep > 100.0] { KE > 100 eV }");
    EXPECT_TRUE(outcome.completed);
    EXPECT_EQ(outcome.records, 4);
    EXPECT_EQ(outcome.selected, 3);
    EXPECT_EQ(contents(path("b.osl")), RecordBytes({records[1], records[2], records[3]}));
    // The count is reported before it advances: at 0, with the first pump.
    EXPECT_EQ(host.events, (std::vector<std::string>{"status: " + ProgressText(0), "pump"}));

    ASSERT_TRUE(FilterFile(host, source, path("p.osl"), "[rw = 0]").completed);
    EXPECT_EQ(contents(path("p.osl")), RecordBytes({records[0], records[2]}));
    outcome = FilterFile(host, source, path("n.osl"), "[rw > 100]");
    EXPECT_TRUE(outcome.completed);
    EXPECT_EQ(outcome.selected, 0);
    EXPECT_EQ(contents(path("n.osl")), "");
    EXPECT_TRUE(host.messages.entries().empty());
}

// Division by rx: the zero records fail, are counted, and the filter goes on. The division is
// reduced when the ">" after it is read, so the report points there.
TEST_F(FilterProcessTest, RecordsWithASemanticErrorAreNotCopied) {
    const std::vector<TOslRecord> records = {Rec(1), Rec(0), Rec(2), Rec(0), Rec(-1)};
    std::string source = writeRecords("a.osl", records);
    FilterOutcome outcome = FilterFile(host, source, path("b.osl"), "[1.0/rx > 0.0]");
    EXPECT_TRUE(outcome.completed);
    EXPECT_EQ(outcome.records, 5);
    EXPECT_EQ(outcome.selected, 2);
    EXPECT_EQ(outcome.semanticErrorRecords, 2);
    EXPECT_EQ(contents(path("b.osl")), RecordBytes({records[0], records[2]}));
    EXPECT_EQ(host.messages.texts(),
              std::vector<std::string>{
                  "Error type: divide by zero.\r[1.0/RX > 0.0]\r        ^\r(near char. #9)."});
}

TEST_F(FilterProcessTest, SyntaxErrorWritesNothing) {
    std::string source = writeRecords("a.osl", {Rec(1), Rec(2)});
    EXPECT_FALSE(FilterFile(host, source, path("b.osl"), "[RX > 0.0] {unclosed").completed);
    EXPECT_FALSE(FileExists(path("b.osl")));
    ASSERT_EQ(host.messages.entries().size(), 2u);
    EXPECT_EQ(host.messages.entries()[0].kind, RecordingSink::Kind::ParseError);
    EXPECT_EQ(host.messages.entries()[0].text.substr(0, 24), "Error type: syntax error");
    EXPECT_EQ(host.messages.texts()[1], "Parsing error - aborting.");
    EXPECT_TRUE(host.events.empty());
}

}  // namespace
