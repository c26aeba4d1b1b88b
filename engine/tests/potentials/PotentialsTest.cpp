// The pair potentials' parts against formulas written out here: screening lengths, the spline
// join, the Morse force table and its check, and the potentials prepared from a model.
#include "potentials/PairPotentials.h"

#include <gtest/gtest.h>

#include <cmath>

#include "EngineTestRuns.h"
#include "ScreenedCoulomb.h"
#include "Spline.h"
#include "potentials/MorseTable.h"

namespace halvern::test {
namespace {

constexpr double kA = kAngstrom;
constexpr double kA0 = 4.685e-11;  // 0.8853 Bohr radii, m
constexpr double kD = 0.480 * kEv, kAlpha = 1.405e10, kR0 = 2.628 * kA;
constexpr double kTwoDAlpha = 2 * kD * kAlpha;

double Zbl(double Z1, double Z2, double f) {
    return f * kA0 / (std::pow(Z1, 0.23) + std::pow(Z2, 0.23));
}
double Lindhard(double Z1, double Z2, double f) {
    return f * kA0 / std::sqrt(std::pow(Z1, 2.0 / 3.0) + std::pow(Z2, 2.0 / 3.0));
}
double Firsov(double Z1, double Z2, double f) {
    return f * kA0 / std::pow(std::sqrt(Z1) + std::sqrt(Z2), 2.0 / 3.0);
}

// The repulsion K Z1 Z2 Phi(r / a) / r (kind 0 four-term, else three-term) and the Morse form.
double Repulsion(int kind, double zz, double a, double r) {
    const double c4[4] = {0.0281, 0.2802, 0.5099, 0.1818}, b4[4] = {0.2016, 0.4029, 0.9423, 3.2};
    const double c3[3] = {0.35, 0.55, 0.1}, b3[3] = {0.3, 1.2, 6.0};
    double phi = 0;
    for (int k = 0; k < (kind == 0 ? 4 : 3); ++k)
        phi += kind == 0 ? c4[k] * std::exp(-b4[k] * r / a) : c3[k] * std::exp(-b3[k] * r / a);
    return 2.3071217567660206e-28 * zz * phi / r;
}
double Morse(double r) {
    const double u = std::exp(-kAlpha * (r - kR0));
    return kD * (u * u - 2 * u);
}
// -dV/dr / r of the Morse form.
double MorseG(double r) {
    const double u = std::exp(-kAlpha * (r - kR0));
    return 2 * kAlpha * kD * (u * u - u) / r;
}
template <class F>
double Slope(F f, double r) {
    const double h = r * 1e-6;
    return (f(r + h) - f(r - h)) / (2 * h);
}

TEST(ScreeningLengths, FollowTheirFormulas) {
    const struct {
        int32_t Z1, Z2;
        double factor;
    } cases[] = {{18, 29, 1.0}, {29, 29, 0.890869}, {1, 79, 1.2}, {2, 8, 0.95}};
    for (const auto& c : cases) {
        const double zbl = Zbl(c.Z1, c.Z2, c.factor), lind = Lindhard(c.Z1, c.Z2, c.factor),
                     firs = Firsov(c.Z1, c.Z2, c.factor);
        EXPECT_NEAR(ZblScreeningLength(c.Z1, c.Z2, c.factor), zbl, 1e-14 * zbl) << c.Z1;
        EXPECT_NEAR(LindhardScreeningLength(c.Z1, c.Z2, c.factor), lind, 1e-14 * lind) << c.Z1;
        EXPECT_NEAR(FirsovScreeningLength(c.Z1, c.Z2, c.factor), firs, 1e-14 * firs) << c.Z1;
    }
    double a = 1;
    EXPECT_TRUE(ScreeningLengthOfKind(2, 18, 29, 1.0, a));
    EXPECT_DOUBLE_EQ(a, FirsovScreeningLength(18, 29, 1.0));
    EXPECT_FALSE(ScreeningLengthOfKind(3, 18, 29, 1.0, a));
    EXPECT_EQ(a, 0.0);
    EXPECT_FALSE(ScreeningLengthOfKind(-1, 18, 29, 1.0, a));
}

// The default copper model (Moliere-Lindhard with correction 0.890869) and an argon-copper pair
// with ZBL screening, joined to Morse D 0.480 eV, alpha 1.405 1/A, r0 2.628 A over 1.5..2.1 A.
TEST(SplineJoin, MeetsRepulsionAndMorseInValueAndSlope) {
    const struct {
        int16_t Z1, Z2, kind;
        double a;
    } cases[] = {{29, 29, 1, Lindhard(29, 29, 0.890869)}, {18, 29, 0, Zbl(18, 29, 1.0)}};
    const double lo = 1.5 * kA, hi = 2.1 * kA;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Z1);
        double k[4];
        RecordingSink sink;
        ASSERT_TRUE(FitPotentialSpline(c.Z1, c.Z2, c.kind, c.a, lo, hi, kD, kAlpha, kR0, k[0], k[1],
                                       k[2], k[3], &sink));
        EXPECT_TRUE(sink.entries().empty());
        auto S = [&](double r) { return k[0] + k[1] * r + k[2] * r * r + k[3] * r * r * r; };
        auto V = [&](double r) { return Repulsion(c.kind, double(c.Z1) * c.Z2, c.a, r); };
        const double scaleV = std::fabs(V(lo)), slopeV = std::fabs(Slope(V, lo));
        EXPECT_NEAR(S(lo), V(lo), 1e-9 * scaleV);
        EXPECT_NEAR(Slope(S, lo), Slope(V, lo), 1e-6 * slopeV);
        EXPECT_NEAR(S(hi), Morse(hi), 1e-9 * std::max(std::fabs(Morse(hi)), scaleV));
        EXPECT_NEAR(Slope(S, hi), Slope(Morse, hi), 1e-6 * slopeV);
    }
}

TEST(SplineJoin, EmptyOrReversedRangeIsRefusedWithoutWriting) {
    for (double hi : {1.5 * kA, 1.4 * kA}) {
        RecordingSink sink;
        double k[4] = {7, 7, 7, 7};
        EXPECT_FALSE(FitPotentialSpline(29, 29, 1, 1e-11, 1.5 * kA, hi, kEv, 1.4e10, 2.6e-10, k[0],
                                        k[1], k[2], k[3], &sink));
        EXPECT_EQ(sink.texts(), std::vector<std::string>{"Error in spline range parameters"});
        EXPECT_EQ(k[0], 7);
    }
}

class MorseTableTest : public ::testing::Test {
  protected:
    void SetUp() override { FillMorseTable(table, kTwoDAlpha, kAlpha, kR0); }
    bool check(double Rhigh, double Rc) {
        return CheckMorseTable(table, Rhigh, Rc, kTwoDAlpha, kAlpha, kR0, sink);
    }
    std::vector<float> table;
    RecordingSink sink;
};

TEST_F(MorseTableTest, HoldsTheForceAtEveryNodeAndInterpolatesBetween) {
    ASSERT_EQ(table.size(), 43828u);
    EXPECT_NEAR(6173 * kMorseTableStep, 1e-10, 1e-22);  // node 6173 is 1 A
    for (int k : {6173, 10000, 42571, 50000}) {
        const double r = k / 6.173e13;
        EXPECT_NEAR(table[k - 6173], MorseG(r), 1e-7 * std::fabs(MorseG(r)) + 1e-12) << k;
    }
    for (double r = 1.05 * kA; r < 8.05 * kA; r += 0.37 * kA)
        EXPECT_NEAR(MorseTableLookup(table.data(), r), MorseG(r),
                    1e-6 * std::fabs(MorseG(r)) + 1e-9)
            << r;
    // Reads out of range stay inside the table.
    EXPECT_TRUE(std::isfinite(MorseTableLookup(table.data(), 9 * kA)));
    EXPECT_TRUE(std::isfinite(MorseTableLookup(table.data(), 0.5 * kA)));
    (void)MorseTableLookup(table.data(), std::nan(""));
}

TEST_F(MorseTableTest, PassesItsCheckForTheDefaultModel) {
    EXPECT_TRUE(check(2.1 * kA, 3.7 * kA));
    EXPECT_TRUE(check(2.1 * kA, 8.0 * kA));
    EXPECT_TRUE(sink.entries().empty());
}

TEST_F(MorseTableTest, RefusesRadiiOutsideItsRange) {
    EXPECT_FALSE(check(2.1 * kA, 8.01 * kA));
    EXPECT_FALSE(check(0.99 * kA, 3.7 * kA));
    EXPECT_FALSE(check(2.1 * kA, std::nan("")));
    EXPECT_EQ(sink.texts(), std::vector<std::string>(3,
                                                     "Allowed Morse potential limits are: \r1 A "
                                                     "< R < 8 A.\rChange potential cut-off "
                                                     "in .RUN file."));
    // An outer radius whose first checked point lies past the table.
    EXPECT_TRUE(SplineEndInsideMorseTable(7.9997 * kA));
    EXPECT_FALSE(SplineEndInsideMorseTable(7.9999 * kA));
    EXPECT_FALSE(check(7.9999 * kA, 8.0 * kA));
    EXPECT_EQ(sink.texts().back(), kSplineEndBeyondTableText);
}

TEST_F(MorseTableTest, FindsACorruptedEntryAndChecksOnePointNearTheCutOff) {
    // The check runs from Rhigh + 0.1 A in steps of 0.1 A while below Rc - 0.2 A.
    const int k = static_cast<int>(2.6 * kA * 6.173e13);
    table[k - 6173] *= 1.5f;
    table[k - 6172] *= 1.5f;
    EXPECT_FALSE(check(2.1 * kA, 3.7 * kA));
    EXPECT_EQ(sink.texts(),
              std::vector<std::string>{"Morse precision error detected in look-up tables.\rPlease "
                                       "report error to author."});
    // With Rhigh >= Rc - 0.2 A only Rhigh + 0.1 A is tested: 2.5 + 0.1 hits the bad entry,
    // 2.45 + 0.1 does not.
    EXPECT_FALSE(check(2.5 * kA, 2.6 * kA));
    EXPECT_TRUE(check(2.45 * kA, 2.6 * kA));
}

TEST(PreparePotentials, DefaultCopperModel) {
    RecordingHost host;
    TPairPotentials pot;
    TPotentialInputs in = DefaultCuModel();
    in.Verbose = true;
    ASSERT_TRUE(PreparePotentials(in, pot, host));
    EXPECT_TRUE(host.messages.entries().empty());
    const double aPT = Zbl(29, 18, 1.0), aTT = Lindhard(29, 29, 0.890869);
    EXPECT_NEAR(pot.aPT, aPT, 1e-14 * aPT);
    EXPECT_NEAR(pot.aTT, aTT, 1e-14 * aTT);
    // |2 D a (e^2 - e)| with e = exp(a (r0 - Rc)), eV/A.
    const double e = std::exp(1.405 * (2.628 - 3.7));
    EXPECT_NEAR(pot.ForceAtCutoff / kEv * kAngstrom, 2 * 0.480 * 1.405 * (e - e * e), 1e-9);
    EXPECT_EQ(pot.MorseTable.size(), 43828u);
    ASSERT_EQ(host.lines.size(), 2u);
    EXPECT_EQ(host.lines[0].text.rfind("  Force at cut-off distance: ", 0), 0u);
    EXPECT_EQ(host.lines[0].text.substr(host.lines[0].text.size() - 5), " eV/A");
    EXPECT_EQ(host.lines[0].colour, colour::Blue);
    EXPECT_EQ(host.lines[1].text.rfind("  Minimum force parameter: ", 0), 0u);
}

TEST(PreparePotentials, MinimumForceIsNoneATenthOrAHundredthOfTheCutOffForce) {
    const double share[3] = {0, 0.1, 0.01};
    for (int32_t choice : {0, 1, 2}) {
        RecordingHost host;
        TPairPotentials pot;
        TPotentialInputs in = DefaultCuModel();
        in.MinForce = choice;
        ASSERT_TRUE(PreparePotentials(in, pot, host));
        EXPECT_DOUBLE_EQ(pot.Fmin, share[choice] * pot.ForceAtCutoff);
        EXPECT_TRUE(host.lines.empty());  // not verbose
    }
}

TEST(PreparePotentials, UnknownKindsAndBadRadiiFailWithTheirMessages) {
    // The fit meets an unknown target kind at each of its eight repulsive evaluations.
    const std::string fit = Joined(std::vector<std::string>(
        8, "Error in potential specification: cannot get spline function."));
    const struct {
        void (*change)(TPotentialInputs&);
        std::string red, boxes;
    } cases[] = {
        {[](TPotentialInputs& in) { in.ptKind = 3; }, "  Error in heteronuclear screening length.",
         ""},
        {[](TPotentialInputs& in) { in.ttKind = 5; }, "  Error in homonuclear screening length.",
         fit},
        {[](TPotentialInputs& in) { in.MorseOption = 2; }, "  Error in Morse option.", ""},
        {[](TPotentialInputs& in) { in.Rlow = in.Rhigh = 2.1e-10; }, "", kSplineRangeErrorText},
        {[](TPotentialInputs& in) { in.Rc = 8.5e-10; }, "", kMorseLimitsText},
        {[](TPotentialInputs& in) { in.Rlow = 7e-10, in.Rhigh = 7.9999e-10, in.Rc = 8e-10; }, "",
         kSplineEndBeyondTableText},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.red + c.boxes);
        RecordingHost host;
        TPairPotentials pot;
        TPotentialInputs in = DefaultCuModel();
        c.change(in);
        EXPECT_FALSE(PreparePotentials(in, pot, host));
        EXPECT_EQ(Joined(host.texts()), c.red);
        for (const auto& l : host.lines) EXPECT_EQ(l.colour, colour::Red);
        EXPECT_EQ(Joined(host.messages.texts()), c.boxes);
    }
}

}  // namespace
}  // namespace halvern::test
