#include "composite/SplineDataFile.h"

#include <gtest/gtest.h>

#include "MessageSink.h"
#include "ScratchDir.h"

namespace velkor {
namespace {

std::string Lines(int n) {
    std::string text;
    for (int i = 1; i <= n; ++i) text += std::to_string(i) + " " + std::to_string(-i) + " 0.0\r\n";
    return text;
}

TEST(SplineDataFile, PairsAreReadUpToABlankLineOrFiveHundred) {
    struct Case {
        std::string bytes;
        size_t count;
        float lastR, lastValue;
    };
    const Case cases[] = {
        {" 1.20000000000000E+0000  7.5E+0000 0.0\r\n 1.21E+0000 -2.5E-0001 0.0\r\n", 2, 1.21f,
         -0.25f},
        {"1 2\n3 4", 2, 3, 4},         // LF line ends, no last line end, no third column
        {"1 2 0.0\r\n\r\n", 1, 1, 2},  // a trailing blank line is no (0, 0) point
        {"1 2\r\n   \r\n3 4\r\n", 1, 1, 2},
        {Lines(501), 500, 500, -500},
        {"", 0, 0, 0},
    };
    for (const Case& c : cases) {
        TPotentialCurve curve;
        ASSERT_TRUE(ParsePotentialData(c.bytes, curve)) << c.bytes;
        ASSERT_EQ(curve.count(), c.count);
        ASSERT_EQ(curve.value.size(), c.count);
        if (c.count > 0) {
            EXPECT_EQ(curve.r.back(), c.lastR);
            EXPECT_EQ(curve.value.back(), c.lastValue);
        }
    }
}

class SplineDataFiles : public halvern::test::ScratchDir {};

TEST_F(SplineDataFiles, AFileThatCannotBeReadLeavesNoPoints) {
    const std::pair<const char*, const char*> files[] = {
        {"one.spl", "1 2\r\n3\r\n"},
        {"word.spl", "1 2\r\nr v\r\n"},
        {"huge.spl", "1 2\r\n3 4e38\r\n"},  // beyond a single
        {"missing.spl", nullptr},
    };
    for (const auto& [name, bytes] : files) {
        if (bytes) {
            ASSERT_TRUE(halvern::WriteFileReplacing(path(name), bytes));
        }
        TPotentialCurve curve;
        curve.r = {1};
        curve.value = {1};
        halvern::RecordingSink sink;
        EXPECT_FALSE(LoadPotentialData(path(name), curve, sink));
        EXPECT_EQ(curve.count(), 0u);
        EXPECT_EQ(sink.texts(), std::vector<std::string>{"Error reading " + path(name) + "."});
    }
    ASSERT_TRUE(halvern::WriteFileReplacing(path("ok.spl"), SplineDataLine(1.5, -2.25)));
    TPotentialCurve curve;
    halvern::RecordingSink sink;
    EXPECT_TRUE(LoadPotentialData(path("ok.spl"), curve, sink));
    EXPECT_EQ(curve.r, std::vector<float>{1.5f});
    EXPECT_EQ(curve.value, std::vector<float>{-2.25f});
    EXPECT_EQ(SplineDataLine(1.5, -2.25),
              " 1.50000000000000E+0000 -2.25000000000000E+0000 0.0\r\n");
}

}  // namespace
}  // namespace velkor
