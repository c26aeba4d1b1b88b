// The spline join: value and slope continuous at both radii, the range check and the
// unknown-kind box.
#include "Spline.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ScreenedCoulomb.h"

namespace halvern {
namespace {

constexpr double kA = 1e-10;
constexpr double kEv = 1.602192e-19;

// Independent forms: the repulsion K Z1 Z2 Phi(r / a) / r and the Morse potential.
double Repulsion(int kind, double zz, double a, double r) {
    double phi = 0;
    if (kind == 0) {
        const double c[4] = {0.0281, 0.2802, 0.5099, 0.1818}, b[4] = {0.2016, 0.4029, 0.9423, 3.2};
        for (int k = 0; k < 4; ++k) phi += c[k] * std::exp(-b[k] * r / a);
    } else {
        const double c[3] = {0.35, 0.55, 0.1}, b[3] = {0.3, 1.2, 6.0};
        for (int k = 0; k < 3; ++k) phi += c[k] * std::exp(-b[k] * r / a);
    }
    return 2.3071217567660206e-28 * zz * phi / r;
}

double Morse(double D, double alpha, double r0, double r) {
    const double u = std::exp(-alpha * (r - r0));
    return D * (u * u - 2 * u);
}

template <class F>
double Slope(F f, double r) {
    const double h = r * 1e-6;
    return (f(r + h) - f(r - h)) / (2 * h);
}

struct JoinCase {
    const char* name;
    int16_t Z1, Z2, kind;
    double a;
};

class SplineJoin : public ::testing::TestWithParam<JoinCase> {};

TEST_P(SplineJoin, MeetsRepulsionAndMorseInValueAndSlope) {
    const JoinCase c = GetParam();
    const double D = 0.480 * kEv, alpha = 1.405e10, r0 = 2.628 * kA;
    const double lo = 1.5 * kA, hi = 2.1 * kA;
    double k[4];
    RecordingSink sink;
    ASSERT_TRUE(FitPotentialSpline(c.Z1, c.Z2, c.kind, c.a, lo, hi, D, alpha, r0, k[0], k[1], k[2],
                                   k[3], &sink));
    EXPECT_TRUE(sink.entries().empty());
    const double zz = double(c.Z1) * c.Z2;
    auto S = [&](double r) { return k[0] + k[1] * r + k[2] * r * r + k[3] * r * r * r; };
    auto V = [&](double r) { return Repulsion(c.kind, zz, c.a, r); };
    auto M = [&](double r) { return Morse(D, alpha, r0, r); };
    const double scaleV = std::fabs(V(lo)), scaleM = std::fabs(M(hi));
    EXPECT_NEAR(S(lo), V(lo), 1e-9 * scaleV);
    EXPECT_NEAR(Slope(S, lo), Slope(V, lo), 1e-6 * std::fabs(Slope(V, lo)));
    EXPECT_NEAR(S(hi), M(hi), 1e-9 * std::max(scaleM, scaleV));
    EXPECT_NEAR(Slope(S, hi), Slope(M, hi), 1e-6 * std::fabs(Slope(V, lo)));
    // The routines of the fit agree with the forms above.
    TSplineFit fit{c.Z1, c.Z2, c.kind, c.a, D, alpha, r0, false, nullptr};
    EXPECT_NEAR(RepulsiveValue(fit, lo), V(lo), 1e-12 * scaleV);
    EXPECT_NEAR(RepulsiveDerivative(fit, lo), Slope(V, lo), 1e-6 * std::fabs(Slope(V, lo)));
    EXPECT_NEAR(OuterDerivative(fit, hi), Slope(M, hi), 1e-6 * std::fabs(Slope(M, hi)));
}

INSTANTIATE_TEST_SUITE_P(
    Models, SplineJoin,
    ::testing::Values(
        // The default copper model: Moliere-Lindhard with correction 0.890869.
        JoinCase{"CuCu", 29, 29, 1, 0.890869 * 4.685e-11 / std::sqrt(2 * std::pow(29.0, 2.0 / 3))},
        // An argon-copper pair with ZBL screening.
        JoinCase{"ArCu", 18, 29, 0, 4.685e-11 / (std::pow(18.0, 0.23) + std::pow(29.0, 0.23))}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SplineFit, RefusesAnEmptyOrReversedRange) {
    for (double hi : {1.5 * kA, 1.4 * kA}) {
        RecordingSink sink;
        double k[4] = {7, 7, 7, 7};
        EXPECT_FALSE(FitPotentialSpline(29, 29, 1, 1e-11, 1.5 * kA, hi, kEv, 1.4e10, 2.6e-10, k[0],
                                        k[1], k[2], k[3], &sink));
        ASSERT_EQ(sink.texts().size(), 1u);
        EXPECT_EQ(sink.texts()[0], "Error in spline range parameters");
        EXPECT_EQ(k[0], 7);  // nothing written
    }
}

TEST(SplineFit, UnknownKindShowsItsBoxAtEveryRepulsiveEvaluation) {
    RecordingSink sink;
    double k[4];
    EXPECT_FALSE(FitPotentialSpline(29, 29, 3, 1e-11, 1.5 * kA, 2.1 * kA, kEv, 1.4e10, 2.6e-10,
                                    k[0], k[1], k[2], k[3], &sink));
    EXPECT_EQ(sink.count(RecordingSink::Kind::Error), 8);
    EXPECT_EQ(sink.texts()[0], "Error in potential specification: cannot get spline function.");
}

}  // namespace
}  // namespace halvern
