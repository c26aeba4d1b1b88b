#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "miscutil.h"

using namespace halvern;

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

TEST(TrimExponent, Table) {
    const std::pair<const char*, const char*> cases[] = {{" 1.2345678E+0002", "1.2345678E+2"},
                                                         {" 1.0000000E+0000", "1.0000000E+0"},
                                                         {"-5.5E-0010", "-5.5E-10"},
                                                         {" 2.5E+0100", "2.5E+100"},
                                                         {"12.5", "12.5"}};
    for (const auto& [in, out] : cases) EXPECT_EQ(TrimExponent(in), out) << in;
}

TEST(NumberTexts, FixedScientificAndOverlongFixed) {
    EXPECT_EQ(FloatToText(3.14159L, 2), "3.14");
    EXPECT_EQ(FloatToText(-0.5L, 0), "-1");
    EXPECT_EQ(FloatToText(123.457L, 14), "1.23457E+2");
    EXPECT_EQ(FloatToText(1e25L, 3), "1.00000000000000E+25");  // fixed would exceed 20 characters
    EXPECT_EQ(RealToText8(39.948L), "39.94800");
    EXPECT_EQ(RealToText8(1.0L / 3), "0.333333");
    EXPECT_EQ(RealToTextDigits(1.0L, 3), "1.000");
    EXPECT_EQ(RealToTextDigits(123456789.0L, 3), "123456789.");
    EXPECT_EQ(IntToText(-17), "-17");
}

TEST(FullAtan2, QuadrantsAndAxes) {
    struct Case {
        long double x, y, angle;
    };
    const Case cases[] = {
        {1, 0, 0},    {1, 1, kPi / 4},       {0, 1, kPi / 2},      {-1, 1, 3 * kPi / 4},
        {-1, 0, kPi}, {-1, -1, 5 * kPi / 4}, {0, -1, 3 * kPi / 2}, {1, -1, 7 * kPi / 4},
        {0, 0, 0}};
    for (const auto& c : cases) {
        long double a = FullAtan2(c.x, c.y);
        EXPECT_NEAR(static_cast<double>(a), static_cast<double>(c.angle), 1e-15)
            << "x=" << static_cast<double>(c.x) << " y=" << static_cast<double>(c.y);
        EXPECT_GE(a, 0);
        EXPECT_LT(a, 2 * kPi);
    }
}

TEST(RoundAxisRange, Cases) {
    struct Case {
        long double lo0, hi0, lo, hi;
    };
    const Case cases[] = {
        {0, 3.7L, 0, 4}, {-5, 0.12L, -6, 0.125L}, {0, 1.2L, 0, 1.2L}, {-3, 0, -4, 0}};
    for (const auto& c : cases) {
        long double lo = c.lo0, hi = c.hi0;
        RoundAxisRange(lo, hi);
        EXPECT_NEAR(static_cast<double>(lo), static_cast<double>(c.lo), 1e-12);
        EXPECT_NEAR(static_cast<double>(hi), static_cast<double>(c.hi), 1e-12);
        EXPECT_LE(lo, c.lo0);
        EXPECT_GE(hi, c.hi0);
    }
}

TEST(RoundAxisRange, DegenerateRangesAreLeftAlone) {
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const std::pair<long double, long double> ranges[] = {{1, 1},    {2, 1},   {0, inf},
                                                          {-inf, 0}, {nan, 1}, {0, nan}};
    for (auto [lo0, hi0] : ranges) {
        long double lo = lo0, hi = hi0;
        RoundAxisRange(lo, hi);
        EXPECT_TRUE((lo == lo0 || (std::isnan(lo) && std::isnan(lo0))));
        EXPECT_TRUE((hi == hi0 || (std::isnan(hi) && std::isnan(hi0))));
    }
    // A span far beyond the integer range: truncations stay in floating point.
    long double lo = 0, hi = 3.7e30L;
    RoundAxisRange(lo, hi);
    EXPECT_NEAR(static_cast<double>(hi / 4e30L), 1.0, 1e-9);  // 10^n via exp(n * 2.302585093)
}

TEST(FileNameHelpers, PatternsAreNeverFilesAndProgramFilesLieBesideTheProgram) {
    EXPECT_FALSE(InputFileExists("*.prj"));
    EXPECT_FALSE(InputFileExists("a?.prj"));
    EXPECT_TRUE(HasWildcards("*.prj"));
    EXPECT_FALSE(HasWildcards("a.prj"));
    const std::string p = ProgramDirFile("ostrel.cfg");
    ASSERT_GT(p.size(), 11u);
    EXPECT_EQ(p.substr(p.size() - 11), "/ostrel.cfg");
}

}  // namespace
