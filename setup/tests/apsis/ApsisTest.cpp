// The pair potential and the apsis against conditions written out here: V(r) = Z1 Z2 x
// 14.399766 x sum c_k exp(-b_k r / a) / r (eV, Angstrom) with the screening lengths of the
// three kinds, and the apsis as the root of 1 - V(r) / Ec - (p / r)^2.
#include "apsis/ApsisSolver.h"

#include <gtest/gtest.h>

#include <cmath>

#include "NumberText.h"
#include "apsis/PairPotential.h"

namespace velkor {
namespace {

// Ar on Cu at 1 keV.
constexpr double kZ1 = 18, kZ2 = 29, kM1 = 39.948, kM2 = 63.546;

double ScreeningLength(int kind) {
    switch (kind) {
        case 0:
            return 0.4685 / (std::pow(kZ1, 0.23) + std::pow(kZ2, 0.23));
        case 1:
            return 0.4685 / std::sqrt(std::pow(kZ1, 2.0 / 3) + std::pow(kZ2, 2.0 / 3));
        default:
            return 0.4685 / std::pow(std::sqrt(kZ1) + std::sqrt(kZ2), 2.0 / 3);
    }
}

double Potential(int kind, double r) {
    const double zbl[4][2] = {{0.0281, 0.2016}, {0.2802, 0.4029}, {0.5099, 0.9423}, {0.1818, 3.2}};
    const double moliere[3][2] = {{0.35, 0.3}, {0.55, 1.2}, {0.1, 6.0}};
    const double a = ScreeningLength(kind);
    double phi = 0;
    if (kind == 0)
        for (const auto& t : zbl) phi += t[0] * std::exp(-t[1] * r / a);
    else
        for (const auto& t : moliere) phi += t[0] * std::exp(-t[1] * r / a);
    return kZ1 * kZ2 * 14.399766 * phi / r;
}

TPairParams Pair(int kind) {
    return {kind, kZ1, kZ2, 1.0};
}

TCollision Collision(double p, double E) {
    return {kM1, kM2, p, E};
}

TEST(PairPotential, ThePotentialAndItsForceAreTheFormsWrittenOut) {
    EXPECT_EQ(halvern::FormatFixed(ApsisScreeningLength(0, kZ1, kZ2), 1, 6), "0.113892");
    for (int kind = 0; kind < 3; ++kind) {
        EXPECT_NEAR(ApsisScreeningLength(kind, kZ1, kZ2), ScreeningLength(kind), 1e-15);
        for (double r : {0.05, 0.25, 1.0, 3.0}) {
            EXPECT_NEAR(PairPotential(Pair(kind), r), Potential(kind, r),
                        1e-12 * Potential(kind, r));
            const double h = 1e-6 * r;
            const double difference = (Potential(kind, r + h) - Potential(kind, r - h)) / (2 * h);
            EXPECT_NEAR(PairForce(Pair(kind), r), -difference, 1e-6 * std::fabs(difference))
                << kind << " " << r;
        }
    }
    EXPECT_EQ(ApsisScreeningLength(3, kZ1, kZ2), 0);
    // The chart's series: 121 points from 1 A down to 0.25 A, in keV.
    const std::vector<TPotentialPoint> series = PotentialSeries(Pair(1));
    ASSERT_EQ(series.size(), 121u);
    EXPECT_EQ(series.front().r, 1.0);
    EXPECT_EQ(series.back().r, 0.25);
    EXPECT_NEAR(series[60].keV, Potential(1, 0.4) / 1000, 1e-12);
}

TEST(Apsis, HeadOnTheApsisIsWhereThePotentialEqualsTheEnergy) {
    const double Ec = CentreOfMassEnergy(Collision(0, 1000));
    EXPECT_EQ(halvern::FormatFixed(Ec, 1, 6), "614.006609");
    for (int kind = 0; kind < 3; ++kind) {
        const TApsis apsis = ApsidalDistance(Pair(kind), Collision(0, 1000));
        ASSERT_EQ(apsis.status, ApsisStatus::Ok);
        EXPECT_NEAR(Potential(kind, apsis.r), Ec, 1e-9 * Ec) << kind;
    }
}

double Bisection(int kind, double p, double E) {
    const double Ec = E * kM2 / (kM1 + kM2);
    auto F = [&](double r) { return 1 - Potential(kind, r) / Ec - (p / r) * (p / r); };
    double lo = 1e-15, hi = 5;
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        (F(mid) < 0 ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

TEST(Apsis, WithAnImpactParameterTheRootAgreesWithAPlainBisection) {
    for (int kind = 0; kind < 3; ++kind)
        for (double p : {0.1, 0.5, 2.0})
            for (double E : {100.0, 1000.0, 1e5}) {
                const TApsis apsis = ApsidalDistance(Pair(kind), Collision(p, E));
                ASSERT_EQ(apsis.status, ApsisStatus::Ok);
                const double Ec = E * kM2 / (kM1 + kM2);
                EXPECT_NEAR(1 - Potential(kind, apsis.r) / Ec, (p / apsis.r) * (p / apsis.r), 1e-8);
                EXPECT_NEAR(apsis.r, Bisection(kind, p, E), 1e-10);
            }
}

TEST(Apsis, AtVeryHighEnergyTheApsisIsTheCoulombDistance) {
    const double Ec = 1e9 * kM2 / (kM1 + kM2);
    const double coulomb = kZ1 * kZ2 * 14.399766 / Ec;
    const TApsis apsis = ApsidalDistance(Pair(0), Collision(0, 1e9));
    ASSERT_EQ(apsis.status, ApsisStatus::Ok);
    EXPECT_NEAR(apsis.r, coulomb, 2e-4 * coulomb);
}

TEST(Apsis, ARootBeyondFiveAngstromIsOutsideTheRange) {
    const TApsis apsis = ApsidalDistance(Pair(0), Collision(0, 1e-3));
    EXPECT_EQ(apsis.status, ApsisStatus::OutsideRange);
    EXPECT_NEAR(apsis.r, 5, 1e-6);
    EXPECT_EQ(ApsidalDistance(Pair(0), Collision(4.99, 1e-3)).status, ApsisStatus::OutsideRange);
}

TEST(Apsis, TheSlopeOfTheApsisFunctionIsItsDerivative) {
    const TCollision c = Collision(0.3, 500);
    for (int kind = 0; kind < 3; ++kind)
        for (double r : {0.1, 0.4, 1.2}) {
            const double h = 1e-6 * r;
            const double difference =
                (ApsisFunction(Pair(kind), c, r + h).f - ApsisFunction(Pair(kind), c, r - h).f) /
                (2 * h);
            EXPECT_NEAR(ApsisFunction(Pair(kind), c, r).slope, difference,
                        1e-6 * std::fabs(difference));
        }
}

}  // namespace
}  // namespace velkor
