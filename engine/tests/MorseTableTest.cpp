// The Morse force table: entries, interpolation, the precision check and its limits.
#include "MorseTable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace halvern {
namespace {

constexpr double kA = 1e-10;
constexpr double kEv = 1.602192e-19;
constexpr double D = 0.480 * kEv, kAlpha = 1.405e10, kR0 = 2.628 * kA;
constexpr double kTwoDAlpha = 2 * D * kAlpha;

// -dV/dr / r of D (u^2 - 2u), u = exp(-alpha (r - r0)), written out here.
double ExactForce(double r) {
    const double u = std::exp(-kAlpha * (r - kR0));
    return 2 * kAlpha * D * (u * u - u) / r;
}

class MorseTableTest : public ::testing::Test {
  protected:
    void SetUp() override { FillMorseTable(table, kTwoDAlpha, kAlpha, kR0); }
    std::vector<float> table;
    RecordingSink sink;
};

TEST_F(MorseTableTest, HoldsTheForceAtEveryNode) {
    ASSERT_EQ(table.size(), 43828u);
    for (int k : {6173, 10000, 42571, 50000}) {
        const double r = k / 6.173e13;
        EXPECT_NEAR(table[k - 6173], ExactForce(r), 1e-7 * std::fabs(ExactForce(r)) + 1e-12) << k;
    }
    // r_6173 is 1 Angstrom.
    EXPECT_NEAR(6173 * kMorseTableStep, 1e-10, 1e-22);
}

TEST_F(MorseTableTest, InterpolatesBetweenNodes) {
    for (double r = 1.05 * kA; r < 8.05 * kA; r += 0.37 * kA)
        EXPECT_NEAR(MorseTableLookup(table.data(), r), ExactForce(r),
                    1e-6 * std::fabs(ExactForce(r)) + 1e-9)
            << r;
    // Out of range reads stay inside the table.
    EXPECT_TRUE(std::isfinite(MorseTableLookup(table.data(), 9 * kA)));
    EXPECT_TRUE(std::isfinite(MorseTableLookup(table.data(), 0.5 * kA)));
    EXPECT_TRUE(std::isfinite(MorseTableLookup(table.data(), std::nan(""))) ||
                std::isnan(MorseTableLookup(table.data(), std::nan(""))));
}

TEST_F(MorseTableTest, PassesItsCheckForTheDefaultModel) {
    EXPECT_TRUE(CheckMorseTable(table, 2.1 * kA, 3.7 * kA, kTwoDAlpha, kAlpha, kR0, sink));
    EXPECT_TRUE(CheckMorseTable(table, 2.1 * kA, 8.0 * kA, kTwoDAlpha, kAlpha, kR0, sink));
    EXPECT_TRUE(sink.entries().empty());
}

TEST_F(MorseTableTest, RefusesCutOffAbove8AOrOuterRadiusBelow1A) {
    EXPECT_FALSE(CheckMorseTable(table, 2.1 * kA, 8.01 * kA, kTwoDAlpha, kAlpha, kR0, sink));
    EXPECT_FALSE(CheckMorseTable(table, 0.99 * kA, 3.7 * kA, kTwoDAlpha, kAlpha, kR0, sink));
    EXPECT_FALSE(CheckMorseTable(table, 2.1 * kA, std::nan(""), kTwoDAlpha, kAlpha, kR0, sink));
    ASSERT_EQ(sink.texts().size(), 3u);
    for (const auto& t : sink.texts())
        EXPECT_EQ(t,
                  "Allowed Morse potential limits are: \r1 A < R < 8 A.\rChange potential cut-off "
                  "in .RUN file.");
}

TEST_F(MorseTableTest, RefusesAnOuterRadiusWhoseFirstPointLiesPastTheTable) {
    EXPECT_TRUE(SplineEndInsideMorseTable(7.9997 * kA));
    EXPECT_FALSE(SplineEndInsideMorseTable(7.9999 * kA));
    EXPECT_FALSE(CheckMorseTable(table, 7.9999 * kA, 8.0 * kA, kTwoDAlpha, kAlpha, kR0, sink));
    ASSERT_EQ(sink.texts().size(), 1u);
    EXPECT_EQ(sink.texts()[0], kSplineEndBeyondTableText);
}

TEST_F(MorseTableTest, FindsACorruptedEntryAndChecksOnePointNearTheCutOff) {
    // The check runs from Rhigh + 0.1 A in steps of 0.1 A while below Rc - 0.2 A.
    const int k = static_cast<int>(2.6 * kA * 6.173e13);
    table[k - 6173] *= 1.5f;
    table[k - 6172] *= 1.5f;
    EXPECT_FALSE(CheckMorseTable(table, 2.1 * kA, 3.7 * kA, kTwoDAlpha, kAlpha, kR0, sink));
    ASSERT_EQ(sink.texts().size(), 1u);
    EXPECT_EQ(sink.texts()[0],
              "Morse precision error detected in look-up tables.\rPlease report error to author.");
    // With Rhigh >= Rc - 0.2 A only Rhigh + 0.1 A is tested: 2.5 + 0.1 hits the bad entry,
    // 2.45 + 0.1 does not.
    EXPECT_FALSE(CheckMorseTable(table, 2.5 * kA, 2.6 * kA, kTwoDAlpha, kAlpha, kR0, sink));
    EXPECT_TRUE(CheckMorseTable(table, 2.45 * kA, 2.6 * kA, kTwoDAlpha, kAlpha, kR0, sink));
}

TEST(MorseForm, EnergyAndForceAgree) {
    for (double r : {1.2 * kA, 2.628 * kA, 3.7 * kA}) {
        const double h = r * 1e-6;
        const double g =
            -(MorseEnergy(D, kAlpha, kR0, r + h) - MorseEnergy(D, kAlpha, kR0, r - h)) / (2 * h) /
            r;
        EXPECT_NEAR(MorseForce(kTwoDAlpha, kAlpha, kR0, r), g,
                    1e-7 * std::fabs(ExactForce(1.2 * kA)));
        EXPECT_NEAR(MorseForce(kTwoDAlpha, kAlpha, kR0, r), ExactForce(r),
                    1e-14 * std::fabs(ExactForce(1.2 * kA)));
    }
    EXPECT_NEAR(MorseEnergy(D, kAlpha, kR0, kR0), -D, 1e-12 * D);
}

}  // namespace
}  // namespace halvern
