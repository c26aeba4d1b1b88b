#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "NumberText.h"
#include "ProcessFiles.h"
#include "RecordProcesses.h"
#include "TestFiles.h"

using namespace halvern;
using brisal_test::Rec;

namespace {

class SpectrumTest : public brisal_test::ScratchDir {
  protected:
    // The expected file: channel values 0, step, 2 step ... with the given counts.
    static std::string Channels(long double step, const std::vector<int>& counts) {
        std::string text;
        long double x = 0;
        for (int c : counts) {
            text += FormatScientific(x, 23) + " " + FormatScientific(c, 23) + "\r\n";
            x += step;
        }
        return text;
    }
    RecordingProcessHost host;
};

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
    EXPECT_EQ(contents(path("s.dat")), Channels(5, counts));
    EXPECT_EQ(contents(path("s.dat")).substr(0, 49),
              " 0.00000000000000E+0000  3.00000000000000E+0000\r\n");
    EXPECT_TRUE(host.messages.entries().empty());
}

TEST_F(SpectrumTest, EmptySourceEmptyExpressionAndEqualLimits) {
    std::string empty = writeRecords("empty.osl", {});
    ASSERT_TRUE(MakeSpectrum(host, empty, path("e.dat"), "ke/ep", 3, 2, 0));
    EXPECT_EQ(contents(path("e.dat")), Channels(1, {0, 0, 0}));

    // An empty expression evaluates nothing, so nothing is counted.
    std::string source = writeRecords("a.osl", {Rec(1), Rec(1), Rec(2)});
    ASSERT_TRUE(MakeSpectrum(host, source, path("n.dat"), "", 3, 2, 0));
    EXPECT_EQ(contents(path("n.dat")), Channels(1, {0, 0, 0}));
    ASSERT_TRUE(MakeSpectrum(host, source, path("n.dat"), "{ nothing }", 3, 2, 0));
    EXPECT_EQ(contents(path("n.dat")), Channels(1, {0, 0, 0}));

    // An integer statement is binned like a real one.
    std::string atoms = writeRecords("b.osl", {Rec(0, 0), Rec(0, 2), Rec(0, 2)});
    ASSERT_TRUE(MakeSpectrum(host, atoms, path("i.dat"), "rw", 3, 2, 0));
    EXPECT_EQ(contents(path("i.dat")), Channels(1, {1, 0, 2}));

    // Equal limits count nothing.
    ASSERT_TRUE(MakeSpectrum(host, source, path("q.dat"), "rx", 2, 1, 1));
    std::string one = FormatScientific(1, 23);
    std::string zero = FormatScientific(0, 23);
    EXPECT_EQ(contents(path("q.dat")), one + " " + zero + "\r\n" + one + " " + zero + "\r\n");
    EXPECT_TRUE(host.messages.entries().empty());
}

TEST_F(SpectrumTest, ChannelRoundingPastTheLastIsClamped) {
    // The largest value below high + w/2 whose channel rounds to one past the last.
    const long double high = 1.1L, width = high;
    const long double v = std::nextafter(high + width / 2, 0.0L);
    ASSERT_EQ(std::nearbyint(v / width), 2.0L);
    char text[64];
    std::snprintf(text, sizeof text, "%.25Lg", v);
    std::string source = writeRecords("a.osl", {Rec(0)});
    ASSERT_TRUE(MakeSpectrum(host, source, path("c.dat"), text, 2, high, 0));
    EXPECT_EQ(contents(path("c.dat")), FormatScientific(0, 23) + " " + FormatScientific(0, 23) +
                                           "\r\n" + FormatScientific(high, 23) + " " +
                                           FormatScientific(1, 23) + "\r\n");
}

TEST_F(SpectrumTest, RefusalsAndFailures) {
    std::string source = writeRecords("a.osl", {Rec(1), Rec(-1), Rec(2)});
    EXPECT_FALSE(MakeSpectrum(host, source, path("p.dat"), "rx", 1, 1, 0));
    EXPECT_FALSE(MakeSpectrum(host, source, path("p.dat"), "rx", 100001, 1, 0));
    EXPECT_FALSE(MakeSpectrum(host, source, path("p.dat"), "rx", 10, 0, 1));
    EXPECT_FALSE(FileExists(path("p.dat")));
    EXPECT_EQ(host.messages.texts(), std::vector<std::string>(3, "Parameter(s) out of range. "));
    host.messages.clear();

    // The source as destination is refused before anything is opened: it stays as it was.
    const std::string before = contents(source);
    EXPECT_FALSE(MakeSpectrum(host, source, path("./a.osl"), "rx", 10, 1, 0));
    EXPECT_EQ(contents(source), before);
    EXPECT_EQ(host.messages.texts(),
              std::vector<std::string>{DestinationIsSourceText(path("./a.osl"))});
    host.messages.clear();

    // A missing source leaves the destination empty.
    EXPECT_FALSE(MakeSpectrum(host, path("none.osl"), path("m.dat"), "rx", 10, 1, 0));
    EXPECT_EQ(contents(path("m.dat")), "");
    EXPECT_EQ(host.messages.texts(),
              std::vector<std::string>{"Cannot open " + path("none.osl") + "."});
    host.messages.clear();

    EXPECT_FALSE(MakeSpectrum(host, source, path("no/such/s.dat"), "rx", 10, 1, 0));
    EXPECT_EQ(host.messages.texts(), std::vector<std::string>{"Cannot create destination file (" +
                                                              path("no/such/s.dat") + ")."});
    host.messages.clear();

    // A semantic error shows its report once and writes nothing.
    EXPECT_FALSE(MakeSpectrum(host, source, path("l.dat"), "ln(rx)", 10, 1, 0));
    EXPECT_EQ(contents(path("l.dat")), "");
    EXPECT_EQ(host.messages.texts(),
              std::vector<std::string>{"Error type: negative logarithm.\rLN(RX)\r     ^\r"
                                       "(near char. #6)."});
    host.messages.clear();

    // A syntax error stops before the first record.
    host.events.clear();
    EXPECT_FALSE(MakeSpectrum(host, source, path("x.dat"), "2^3", 10, 1, 0));
    EXPECT_EQ(contents(path("x.dat")), "");
    EXPECT_EQ(host.messages.count(RecordingSink::Kind::ParseError), 1);
    EXPECT_TRUE(host.events.empty());

    EXPECT_FALSE(MakeSpectrum(host, source, "/dev/full", "rx", 10, 1, 0));
    EXPECT_EQ(host.messages.texts().back(), "Error writing /dev/full.");
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
