#include <gtest/gtest.h>

#include <limits>

#include "RangeCheck.h"

using namespace halvern;

namespace {

TEST(RangeMessage, RealBoundsInScientificNotation) {
    EXPECT_EQ(RangeMessageReal(1e-19L, 1e-12L),
              "Input value must be number in range:\r\r"
              "Minimum:   1.00E-0019\r"
              "Maximum:  1.00E-0012\r");
    EXPECT_EQ(RangeMessageReal(-2.5L, 100),
              "Input value must be number in range:\r\r"
              "Minimum:  -2.50E+0000\r"
              "Maximum:  1.00E+0002\r");
}

TEST(RangeMessage, IntegerEditPadsAndComboDoesNot) {
    EXPECT_EQ(RangeMessageInt(1, 100000, IntBoundText::RightAligned),
              "Input value must be integer in range:\r\r"
              "Minimum:            1\r"
              "Maximum:      100000\r");
    EXPECT_EQ(RangeMessageInt(1, 100000, IntBoundText::Bare),
              "Input value must be integer in range:\r\r"
              "Minimum:  1\r"
              "Maximum: 100000\r");
    // The widest bounds still fit the 11 characters and the 100-character message.
    const std::string widest =
        RangeMessageInt(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(),
                        IntBoundText::RightAligned);
    EXPECT_EQ(widest,
              "Input value must be integer in range:\r\r"
              "Minimum:  -2147483648\r"
              "Maximum:  2147483647\r");
    EXPECT_LE(widest.size(), kRangeMessageMax);
}

struct RealCase {
    const char* text;
    long double minValue, maxValue;
    bool accepted;
};

TEST(AcceptsRealText, Table) {
    const RealCase cases[] = {
        {"", 0, 100000, false},  // empty text is no number
        {"   ", 0, 100000, false},
        {"1e3", 0, 100000, true},
        {"  42", 0, 100000, true},  // leading blanks allowed
        {"42 ", 0, 100000, false},  // nothing after the number
        {"12,5", 0, 100000, false},
        {"inf", 0, 100000, false},
        {"0", 0, 0, true},  // default bounds pass only zero
        {"0.0", 0, 0, true},
        {"1", 0, 0, false},
        {"1e-19", 1e-19L, 1e-12L, true},  // both bounds included
        {"1e-12", 1e-19L, 1e-12L, true},
        {"1.1e-12", 1e-19L, 1e-12L, false},
        {"9e-20", 1e-19L, 1e-12L, false},
        {"-5", -5, -1, true},
    };
    for (const RealCase& c : cases)
        EXPECT_EQ(AcceptsRealText(c.text, c.minValue, c.maxValue), c.accepted)
            << '"' << c.text << '"';
}

struct IntCase {
    const char* text;
    int32_t minValue, maxValue;
    bool accepted;
};

TEST(AcceptsIntText, Table) {
    const IntCase cases[] = {
        {"", 1, 100000, false},
        {"12.5", 1, 100000, false},  // refused, not truncated
        {"1e3", 1, 100000, false},
        {"1", 1, 100000, true},
        {"100000", 1, 100000, true},
        {"100001", 1, 100000, false},
        {"0", 1, 100000, false},
        {" 7", 1, 100000, true},
        {"2147483648", std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(),
         false},  // beyond 32 bits
        {"-2147483648", std::numeric_limits<int32_t>::min(), 0, true},
    };
    for (const IntCase& c : cases)
        EXPECT_EQ(AcceptsIntText(c.text, c.minValue, c.maxValue), c.accepted)
            << '"' << c.text << '"';
}

}  // namespace
