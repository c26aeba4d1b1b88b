#include <gtest/gtest.h>

#include <cmath>

#include "ProcessFiles.h"
#include "RecordProcesses.h"
#include "TestFiles.h"

using namespace halvern;
using brisal_test::Rec;

namespace {

class FilterProcessTest : public brisal_test::ScratchDir {
  protected:
    RecordingProcessHost host;
};

std::string Bytes(const std::vector<TOslRecord>& records) {
    std::string bytes;
    for (const TOslRecord& r : records) {
        OslRecordBytes b = EncodeOslRecord(r);
        bytes.append(reinterpret_cast<const char*>(b.data()), b.size());
    }
    return bytes;
}

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
    EXPECT_EQ(contents(path("b.osl")), Bytes({records[1], records[2], records[3]}));
    // The count is reported before it advances: at 0, with the first pump.
    EXPECT_EQ(host.events, (std::vector<std::string>{"status: " + ProgressText(0), "pump"}));

    ASSERT_TRUE(FilterFile(host, source, path("p.osl"), "[rw = 0]").completed);
    EXPECT_EQ(contents(path("p.osl")), Bytes({records[0], records[2]}));

    outcome = FilterFile(host, source, path("n.osl"), "[rw > 100]");
    EXPECT_TRUE(outcome.completed);
    EXPECT_EQ(outcome.selected, 0);
    EXPECT_EQ(contents(path("n.osl")), "");
    EXPECT_TRUE(host.messages.entries().empty());
}

TEST_F(FilterProcessTest, RecordsWithASemanticErrorAreNotCopied) {
    // Division by rx: the zero records fail, are counted, and the filter goes on. The division is
    // reduced when the ">" after it is read, so the report points there.
    const std::vector<TOslRecord> records = {Rec(1), Rec(0), Rec(2), Rec(0), Rec(-1)};
    std::string source = writeRecords("a.osl", records);
    FilterOutcome outcome = FilterFile(host, source, path("b.osl"), "[1.0/rx > 0.0]");
    EXPECT_TRUE(outcome.completed);
    EXPECT_EQ(outcome.records, 5);
    EXPECT_EQ(outcome.selected, 2);
    EXPECT_EQ(outcome.semanticErrorRecords, 2);
    EXPECT_EQ(contents(path("b.osl")), Bytes({records[0], records[2]}));
    EXPECT_EQ(host.messages.texts(),
              std::vector<std::string>{
                  "Error type: divide by zero.\r[1.0/RX > 0.0]\r        ^\r(near char. #9)."});
}

TEST_F(FilterProcessTest, SyntaxErrorsAndRefusals) {
    std::string source = writeRecords("a.osl", {Rec(1), Rec(2)});
    FilterOutcome outcome = FilterFile(host, source, path("b.osl"), "[RX > 0.0] {unclosed");
    EXPECT_FALSE(outcome.completed);
    EXPECT_EQ(contents(path("b.osl")), "");
    ASSERT_EQ(host.messages.entries().size(), 2u);
    EXPECT_EQ(host.messages.entries()[0].kind, RecordingSink::Kind::ParseError);
    EXPECT_EQ(host.messages.entries()[0].text.substr(0, 24), "Error type: syntax error");
    EXPECT_EQ(host.messages.texts()[1], "Parsing error - aborting.");
    EXPECT_TRUE(host.events.empty());
    host.messages.clear();

    const std::string before = contents(source);
    EXPECT_FALSE(FilterFile(host, source, source, "[rw = 0]").completed);
    EXPECT_EQ(contents(source), before);
    EXPECT_FALSE(FilterFile(host, path("none.osl"), path("c.osl"), "[rw = 0]").completed);
    EXPECT_FALSE(FileExists(path("c.osl")));
    EXPECT_FALSE(FilterFile(host, source, path("no/such/c.osl"), "[rw = 0]").completed);
    outcome = FilterFile(host, source, "/dev/full", "[rw = 0]");
    EXPECT_FALSE(outcome.completed);
    EXPECT_EQ(host.messages.texts(),
              (std::vector<std::string>{
                  DestinationIsSourceText(source), "Cannot open " + path("none.osl") + ".",
                  "Cannot create destination file (" + path("no/such/c.osl") + ").",
                  "Error writing /dev/full."}));
}

}  // namespace
