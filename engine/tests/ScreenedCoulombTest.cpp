// Screening lengths and screened-Coulomb values against the formulas written out here with
// std::pow and against numbers computed once with Python's math module.
#include "ScreenedCoulomb.h"

#include <gtest/gtest.h>

#include <cmath>

namespace halvern {
namespace {

constexpr double kA0 = 4.685e-11;  // 0.8853 Bohr radii, m

struct ScreeningCase {
    int32_t Z1, Z2;
    double factor;
};

class ScreeningLengths : public ::testing::TestWithParam<ScreeningCase> {};

TEST_P(ScreeningLengths, FollowTheirFormulas) {
    const auto c = GetParam();
    const double zbl = c.factor * kA0 / (std::pow(c.Z1, 0.23) + std::pow(c.Z2, 0.23));
    const double lind =
        c.factor * kA0 / std::sqrt(std::pow(c.Z1, 2.0 / 3.0) + std::pow(c.Z2, 2.0 / 3.0));
    const double firs = c.factor * kA0 / std::pow(std::sqrt(c.Z1) + std::sqrt(c.Z2), 2.0 / 3.0);
    EXPECT_NEAR(ZblScreeningLength(c.Z1, c.Z2, c.factor), zbl, 1e-14 * zbl);
    EXPECT_NEAR(LindhardScreeningLength(c.Z1, c.Z2, c.factor), lind, 1e-14 * lind);
    EXPECT_NEAR(FirsovScreeningLength(c.Z1, c.Z2, c.factor), firs, 1e-14 * firs);
}

INSTANTIATE_TEST_SUITE_P(Pairs, ScreeningLengths,
                         ::testing::Values(ScreeningCase{18, 29, 1.0},
                                           ScreeningCase{29, 29, 0.890869},
                                           ScreeningCase{1, 79, 1.2}, ScreeningCase{2, 8, 0.95}));

TEST(ScreeningLengths, MatchValuesComputedOnceInPython) {
    // 4.685e-11 / (18**0.23 + 29**0.23) and its two siblings, Python 3 math module.
    EXPECT_NEAR(ZblScreeningLength(18, 29, 1.0), 1.138923661019477e-11, 1e-24);
    EXPECT_NEAR(LindhardScreeningLength(29, 29, 0.890869), 9.605996961609489e-12, 1e-24);
    EXPECT_NEAR(FirsovScreeningLength(18, 29, 1.0), 1.0352010964599416e-11, 1e-24);
}

TEST(ScreeningLengths, KindOutsideTheThreeIsRefused) {
    double a = 1;
    EXPECT_TRUE(ScreeningLengthOfKind(2, 18, 29, 1.0, a));
    EXPECT_DOUBLE_EQ(a, FirsovScreeningLength(18, 29, 1.0));
    EXPECT_FALSE(ScreeningLengthOfKind(3, 18, 29, 1.0, a));
    EXPECT_EQ(a, 0.0);
    EXPECT_FALSE(ScreeningLengthOfKind(-1, 18, 29, 1.0, a));
}

TEST(ScreenedCoulomb, ArOnCuAtOneAngstrom) {
    // K Z1 Z2 Phi4(r / a) / r at 1 A for Ar-Cu with a = 1.1389e-11 m and K = 2.30712e-28 J m,
    // Python 3 math module.
    const double a = ZblScreeningLength(18, 29, 1.0);
    const double r = 1e-10;
    const double V = kCoulombK * 18 * 29 * UniversalScreening(r / a) / r;
    EXPECT_NEAR(V / 1.602192e-19, 98.20923822792257, 98.2 * 1e-12);
}

TEST(ScreenedCoulomb, ScreeningFunctionsSumToOneAtZero) {
    EXPECT_NEAR(UniversalScreening(0), 1.0, 1e-15);
    EXPECT_NEAR(MoliereScreening(0), 1.0, 1e-15);
    const double x = 0.7;
    const double phi3 =
        0.35 * std::exp(-0.3 * x) + 0.55 * std::exp(-1.2 * x) + 0.1 * std::exp(-6 * x);
    EXPECT_NEAR(MoliereScreening(x), phi3, 1e-15);
}

TEST(ScreenedCoulomb, ForcesAreMinusSlopeOverR) {
    // g = -(dV/dr) / r with V = K zz Phi(r / a) / r, slope by central differences.
    const double a = 1.2e-11, zz = 18.0 * 29.0;
    double beta4[4], beta3[3];
    for (int k = 0; k < 4; ++k) beta4[k] = kUniversalB[k] / a;
    for (int k = 0; k < 3; ++k) beta3[k] = kMoliereB[k] / a;
    auto V4 = [&](double r) { return kCoulombK * zz * UniversalScreening(r / a) / r; };
    auto V3 = [&](double r) { return kCoulombK * zz * MoliereScreening(r / a) / r; };
    for (double r : {0.2e-10, 0.8e-10, 2.0e-10, 3.6e-10}) {
        const double h = r * 1e-5;
        const double g4 = -(V4(r + h) - V4(r - h)) / (2 * h) / r;
        const double g3 = -(V3(r + h) - V3(r - h)) / (2 * h) / r;
        EXPECT_NEAR(UniversalForce(zz, beta4, r), g4, 1e-8 * std::fabs(g4)) << r;
        EXPECT_NEAR(MoliereForce(zz, beta3, r), g3, 1e-8 * std::fabs(g3)) << r;
    }
}

}  // namespace
}  // namespace halvern
