#include <gtest/gtest.h>

#include <limits>

#include "NumberText.h"

using namespace halvern;

namespace {

// Ties round away from zero, carries add a digit, a field too small is widened, a negative
// that rounds to zero keeps its sign.
TEST(FormatFixed, Table) {
    struct Case {
        long double x;
        int width, decimals;
        const char* text;
    };
    // clang-format off
    const Case cases[] = {
        {0.125L, 0, 2, "0.13"},            {-0.125L, 0, 2, "-0.13"},
        {-0.001L, 0, 2, "-0.00"},          {0.001L, 0, 2, "0.00"},
        {0.0L, 0, 3, "0.000"},             {0.0L, 5, 0, "    0"},
        {1.0L, 10, 3, "     1.000"},       {63.546L, 8, 5, "63.54600"},
        {183.85001L, 8, 5, "183.85001"},   {-12.3456L, 12, 5, "   -12.34560"},
        {9.9999996L, 0, 3, "10.000"},      {0.995L, 0, 2, "1.00"},
        {2.5L, 0, 0, "3"},                 {-2.5L, 0, 0, "-3"},
        {123456789.0L, 3, 1, "123456789.0"}, {1e20L, 0, 0, "100000000000000000000"},
        {0.1f, 0, 9, "0.100000001"}};
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(FormatFixed(c.x, c.width, c.decimals), c.text)
            << static_cast<double>(c.x) << ":" << c.width << ":" << c.decimals;
}

// A carry raises the exponent; a width too small keeps one digit after the point, a wide one
// at most 17.
TEST(FormatScientific, Table) {
    struct Case {
        long double x;
        int width;
        const char* text;
    };
    // clang-format off
    const Case cases[] = {
        {123.457L, 14, " 1.23457E+0002"},   {-123.457L, 14, "-1.23457E+0002"},
        {9.9999996L, 14, " 1.00000E+0001"}, {0.0L, 14, " 0.00000E+0000"},
        {1e-19L, 11, " 1.00E-0019"},        {100.0L, 11, " 1.00E+0002"},
        {123.457L, 5, " 1.2E+0002"},        {1.5L, 10, " 1.5E+0000"},
        {123.457L, 30, "     1.23457000000000000E+0002"}};
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(FormatScientific(c.x, c.width), c.text)
            << static_cast<double>(c.x) << ":" << c.width;
    EXPECT_EQ(FormatScientific(1.0L), " 1.00000000000000E+0000");  // no width: 23
}

TEST(FormatNumbers, IntegersAndNonFiniteValues) {
    EXPECT_EQ(FormatInt(1, 11), "          1");
    EXPECT_EQ(FormatInt(-42), "-42");
    EXPECT_EQ(FormatInt(12345, 3), "12345");
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_EQ(FormatFixed(inf, 0, 2), "INF");
    EXPECT_EQ(FormatFixed(-inf, 6, 2), "  -INF");
    EXPECT_EQ(FormatScientific(nan, 14), "           NAN");
    EXPECT_EQ(ShortestRealText(nan), "NAN");
}

TEST(ShortestRealText, Table) {
    // clang-format off
    const std::pair<long double, const char*> cases[] = {
        {static_cast<long double>(0.1f), "0.100000001490116"}, {1e15L, "1E15"},
        {54.7356103172453L, "54.7356103172453"}, {4.79672639178497e-6L, "4.79672639178497E-6"},
        {999999999999999.0L, "999999999999999"}, {1e-5L, "0.00001"}, {0.0L, "0"}, {-1.5L, "-1.5"},
        {100.0L, "100"}, {1.25e20L, "1.25E20"}, {-3e-7L, "-3E-7"}};
    // clang-format on
    for (const auto& [x, text] : cases) EXPECT_EQ(ShortestRealText(x), text);
}

TEST(FormatGeneral, FewerDigitsAndTheScientificForm) {
    EXPECT_EQ(FormatGeneral(9.509670314123L, 10), "9.509670314");
    EXPECT_EQ(FormatGeneral(0.00112334197812L, 10), "0.001123341978");
    EXPECT_EQ(FormatGeneral(123456.75L, 6), "123457");
    EXPECT_EQ(FormatGeneral(999.96L, 4), "1000");
    EXPECT_EQ(FormatGeneral(-2.5e-9L, 3), "-2.5E-9");
    EXPECT_EQ(FormatGeneralScientific(123456.75L, 3), "1.23E5");
    EXPECT_EQ(FormatGeneralScientific(0.000012L, 15), "1.2E-5");
    EXPECT_EQ(FormatGeneralScientific(0.0L, 3), "0");
}

TEST(ParseReal, AcceptAndRefuse) {
    const std::pair<const char*, long double> accepted[] = {
        {"1", 1},        {"  2.5", 2.5L},        {"-3", -3}, {"+4.25", 4.25L}, {"1e3", 1000},
        {"1E-2", 0.01L}, {"07.0e-17", 7.0e-17L}, {"0", 0},   {"5e+2", 500}};
    for (const auto& [text, value] : accepted) {
        long double v = -999;
        EXPECT_TRUE(ParseReal(text, v)) << text;
        EXPECT_EQ(v, value) << text;
    }
    for (const char* text : {"", " ", "inf", "nan", "0x10", "1,5", "1.5 ", "1.", ".5", "1e", "e5",
                             "--1", "1e+", "12a", "+", "1.2.3", "1e5000"}) {
        long double v = 7;
        EXPECT_FALSE(ParseReal(text, v)) << "'" << text << "'";
        EXPECT_EQ(v, 7) << "value untouched for '" << text << "'";
    }
    // Tokens of input files may have a one-sided mantissa.
    long double v = 0;
    EXPECT_TRUE(ParseRealToken("1.", v) && v == 1);
    EXPECT_TRUE(ParseRealToken(".5", v) && v == 0.5L);
    EXPECT_FALSE(ParseRealToken(".", v));
    EXPECT_FALSE(ParseRealToken(" 1", v));
}

TEST(ParseInt32, AcceptAndRefuse) {
    // clang-format off
    const std::pair<const char*, int32_t> accepted[] = {
        {"0", 0}, {"  17", 17}, {"-5", -5}, {"+100000", 100000}, {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1}};
    // clang-format on
    for (const auto& [text, value] : accepted) {
        int32_t v = -1;
        EXPECT_TRUE(ParseInt32(text, v)) << text;
        EXPECT_EQ(v, value);
    }
    for (const char* text :
         {"", "12.5", "1e3", "2147483648", "-2147483649", "$1F", "0x1F", "1 ", "abc", "-"}) {
        int32_t v = 3;
        EXPECT_FALSE(ParseInt32(text, v)) << text;
    }
}

}  // namespace
