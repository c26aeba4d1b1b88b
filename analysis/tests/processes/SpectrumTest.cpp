#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "TestFiles.h"
#include "processes/ProcessFiles.h"
#include "processes/RecordProcesses.h"

using brisal_test::Rec;
using brisal_test::SpectrumText;

namespace {

class SpectrumTest : public brisal_test::ScratchDir {};

TEST_F(SpectrumTest, ChannelsTiesToEvenAndLimits) {
    std::string source =
        writeRecords("a.osl", {Rec(2.5f), Rec(7.5f), Rec(-2.5f), Rec(102.5f), Rec(0), Rec(100),
                               Rec(50), Rec(49.9f), Rec(-2.4f), Rec(102.4f)});
    ASSERT_TRUE(MakeSpectrum(host, source, path("s.dat"), "rx", 21, 100, 0));
    std::vector<int> counts(21, 0);
    counts[0] = 3;   // 2.5 (tie to even), 0 and -2.4
    counts[2] = 1;   // 7.5 (tie to even)
    counts[10] = 2;  // 50 and 49.9
    counts[20] = 2;  // 100 and 102.4
    EXPECT_EQ(contents(path("s.dat")), SpectrumText(5, counts));
    EXPECT_EQ(contents(path("s.dat")).substr(0, 49),
              " 0.00000000000000E+0000  3.00000000000000E+0000\r\n");
    EXPECT_TRUE(host.messages.entries().empty());
}

// An empty source or expression counts nothing (no stale value is binned), an integer statement
// is binned like a real one, and equal limits count nothing.
TEST_F(SpectrumTest, EmptySourceEmptyExpressionAndEqualLimits) {
    ASSERT_TRUE(MakeSpectrum(host, writeRecords("e.osl", {}), path("e.dat"), "ke/ep", 3, 2, 0));
    EXPECT_EQ(contents(path("e.dat")), SpectrumText(1, {0, 0, 0}));
    std::string source = writeRecords("a.osl", {Rec(1), Rec(1), Rec(2)});
    for (const char* nothing : {"", "{ nothing }"}) {
        ASSERT_TRUE(MakeSpectrum(host, source, path("n.dat"), nothing, 3, 2, 0));
        EXPECT_EQ(contents(path("n.dat")), SpectrumText(1, {0, 0, 0}));
    }
    std::string atoms = writeRecords("b.osl", {Rec(0, 0), Rec(0, 2), Rec(0, 2)});
    ASSERT_TRUE(MakeSpectrum(host, atoms, path("i.dat"), "rw", 3, 2, 0));
    EXPECT_EQ(contents(path("i.dat")), SpectrumText(1, {1, 0, 2}));
    ASSERT_TRUE(MakeSpectrum(host, source, path("q.dat"), "rx", 2, 1, 1));
    EXPECT_EQ(contents(path("q.dat")), SpectrumText(0, {0, 0}, 1));
    EXPECT_TRUE(host.messages.entries().empty());
}

TEST_F(SpectrumTest, ChannelRoundingPastTheLastIsClamped) {
    // The largest value below high + w/2 whose channel rounds to one past the last.
    const long double high = 1.1L, width = high;
    const long double v = std::nextafter(high + width / 2, 0.0L);
    ASSERT_EQ(std::nearbyint(v / width), 2.0L);
    char text[64];
    std::snprintf(text, sizeof text, "%.25Lg", v);
    ASSERT_TRUE(
        MakeSpectrum(host, writeRecords("a.osl", {Rec(0)}), path("c.dat"), text, 2, high, 0));
    EXPECT_EQ(contents(path("c.dat")), SpectrumText(high, {0, 1}));
}

TEST_F(SpectrumTest, BadParametersAndExpressionsWriteNothing) {
    std::string source = writeRecords("a.osl", {Rec(1), Rec(-1), Rec(2)});
    EXPECT_FALSE(MakeSpectrum(host, source, path("p.dat"), "rx", 1, 1, 0));
    EXPECT_FALSE(MakeSpectrum(host, source, path("p.dat"), "rx", 100001, 1, 0));
    EXPECT_FALSE(MakeSpectrum(host, source, path("p.dat"), "rx", 10, 0, 1));
    EXPECT_FALSE(FileExists(path("p.dat")));
    EXPECT_EQ(host.messages.texts(), std::vector<std::string>(3, "Parameter(s) out of range. "));
    host.messages.clear();

    // A semantic error shows its report once and writes nothing.
    EXPECT_FALSE(MakeSpectrum(host, source, path("l.dat"), "ln(rx)", 10, 1, 0));
    EXPECT_EQ(contents(path("l.dat")), "");
    EXPECT_EQ(host.messages.texts(),
              std::vector<std::string>{"Error type: negative logarithm.\rLN(RX)\r     ^\r"
                                       "(near char. #6)."});
    // A syntax error stops before the first record.
    host.events.clear();
    EXPECT_FALSE(MakeSpectrum(host, source, path("x.dat"), "2^3", 10, 1, 0));
    EXPECT_FALSE(FileExists(path("x.dat")));
    EXPECT_EQ(host.messages.count(RecordingSink::Kind::ParseError), 2);
    EXPECT_TRUE(host.events.empty());
}

TEST_F(SpectrumTest, StatusBeforeEachCountAndPumpEvery2000) {
    std::string source = writeRecords("a.osl", std::vector<TOslRecord>(4001, Rec(1)));
    ASSERT_TRUE(MakeSpectrum(host, source, path("s.dat"), "rx", 2, 1, 0));
    std::vector<std::string> expected;
    for (int n = 0; n <= 4000; n += 500) {
        expected.push_back("status: " + ProgressText(n));
        if (n % 2000 == 0) expected.push_back("pump");
    }
    EXPECT_EQ(host.events, expected);
}

}  // namespace
