// The refusal texts of the numeric controls for the bounds the controls' own tests do not use,
// and which texts pass.
#include <gtest/gtest.h>

#include <limits>

#include "RangeCheck.h"

using namespace halvern;

namespace {

constexpr int32_t kIntMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kIntMax = std::numeric_limits<int32_t>::max();

TEST(RangeMessage, NegativeAndWidestBounds) {
    EXPECT_EQ(RangeMessageReal(-2.5L, 100),
              "Input value must be number in range:\r\r"
              "Minimum:  -2.50E+0000\r"
              "Maximum:  1.00E+0002\r");
    // The widest integer bounds still fit the 11 characters and the 100-character message.
    const std::string widest = RangeMessageInt(kIntMin, kIntMax, IntBoundText::RightAligned);
    EXPECT_EQ(widest,
              "Input value must be integer in range:\r\r"
              "Minimum:  -2147483648\r"
              "Maximum:  2147483647\r");
    EXPECT_LE(widest.size(), kRangeMessageMax);
}

// Leading blanks pass, nothing may follow the number, both bounds are included, the default
// bounds pass only zero, and an integer text is refused rather than truncated.
TEST(AcceptsText, RealAndIntegerTables) {
    struct RealCase {
        const char* text;
        long double minValue, maxValue;
        bool accepted;
    };
    // clang-format off
    const RealCase reals[] = {
        {"", 0, 100000, false},   {"   ", 0, 100000, false},  {"1e3", 0, 100000, true},
        {"  42", 0, 100000, true}, {"42 ", 0, 100000, false}, {"12,5", 0, 100000, false},
        {"inf", 0, 100000, false}, {"0", 0, 0, true},         {"0.0", 0, 0, true},
        {"1", 0, 0, false},        {"-5", -5, -1, true},
        {"1e-19", 1e-19L, 1e-12L, true},    {"1e-12", 1e-19L, 1e-12L, true},
        {"1.1e-12", 1e-19L, 1e-12L, false}, {"9e-20", 1e-19L, 1e-12L, false}};
    // clang-format on
    for (const RealCase& c : reals)
        EXPECT_EQ(AcceptsRealText(c.text, c.minValue, c.maxValue), c.accepted)
            << '"' << c.text << '"';

    struct IntCase {
        const char* text;
        int32_t minValue, maxValue;
        bool accepted;
    };
    // clang-format off
    const IntCase ints[] = {
        {"", 1, 100000, false},     {"12.5", 1, 100000, false},  {"1e3", 1, 100000, false},
        {"1", 1, 100000, true},     {"100000", 1, 100000, true}, {"100001", 1, 100000, false},
        {"0", 1, 100000, false},    {" 7", 1, 100000, true},     {"-2147483648", kIntMin, 0, true},
        {"2147483648", kIntMin, kIntMax, false}};
    // clang-format on
    for (const IntCase& c : ints)
        EXPECT_EQ(AcceptsIntText(c.text, c.minValue, c.maxValue), c.accepted)
            << '"' << c.text << '"';
}

}  // namespace
