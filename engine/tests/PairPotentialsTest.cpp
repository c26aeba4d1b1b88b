// Preparing the potentials from the model values: screening, reduced exponents, force at the
// cut-off, Fmin, the join, the table, and the messages of a bad model.
#include "PairPotentials.h"

#include <gtest/gtest.h>

#include <cmath>

#include "KernelTestDriver.h"

namespace halvern {
namespace {

using test::DefaultCuModel;
using test::kAngstrom;
using test::kEv;

TEST(PreparePotentials, DefaultCopperModel) {
    RecordingHost host;
    TPairPotentials pot;
    TPotentialInputs in = DefaultCuModel();
    in.Verbose = true;
    ASSERT_TRUE(PreparePotentials(in, pot, host));
    EXPECT_TRUE(host.messages.entries().empty());

    const double aPT = 4.685e-11 / (std::pow(29.0, 0.23) + std::pow(18.0, 0.23));
    const double aTT = 0.890869 * 4.685e-11 / std::sqrt(2 * std::pow(29.0, 2.0 / 3));
    EXPECT_NEAR(pot.aPT, aPT, 1e-14 * aPT);
    EXPECT_NEAR(pot.aTT, aTT, 1e-14 * aTT);
    const double b[7] = {0.2016, 0.4029, 0.9423, 3.2, 0.3, 1.2, 6.0};
    for (int k = 0; k < 7; ++k) {
        EXPECT_NEAR(pot.ReducedExponents[k], b[k] / aPT, 1e-12 * b[k] / aPT);
        EXPECT_NEAR(pot.ReducedExponents[7 + k], b[k] / aTT, 1e-12 * b[k] / aTT);
    }
    EXPECT_DOUBLE_EQ(pot.twoDAlpha, 2 * 0.480 * kEv * 1.405e10);
    // |2 D a (e^2 - e)| with e = exp(a (r0 - Rc)) = exp(-1.49813): 0.2341 eV/A x 0.7765 ...
    const double e = std::exp(1.405 * (2.628 - 3.7));
    const double fRc = 2 * 0.480 * 1.405 * (e - e * e);  // eV/A
    EXPECT_NEAR(pot.ForceAtCutoff / kEv * kAngstrom, fRc, 1e-9);
    EXPECT_NEAR(pot.Fmin, 0.1 * pot.ForceAtCutoff, 1e-25);
    EXPECT_EQ(pot.MorseTable.size(), 43828u);
    ASSERT_EQ(host.lines.size(), 2u);
    EXPECT_EQ(host.lines[0].text.rfind("  Force at cut-off distance: ", 0), 0u);
    EXPECT_EQ(host.lines[0].text.substr(host.lines[0].text.size() - 5), " eV/A");
    EXPECT_EQ(host.lines[0].colour, colour::Blue);
    EXPECT_EQ(host.lines[1].text.rfind("  Minimum force parameter: ", 0), 0u);
}

TEST(PreparePotentials, MinimumForceIsATenthOrAHundredth) {
    for (int32_t choice : {0, 1, 2}) {
        RecordingHost host;
        TPairPotentials pot;
        TPotentialInputs in = DefaultCuModel();
        in.MinForce = choice;
        ASSERT_TRUE(PreparePotentials(in, pot, host));
        const double expected[3] = {0, 0.1, 0.01};
        EXPECT_DOUBLE_EQ(pot.Fmin, expected[choice] * pot.ForceAtCutoff);
        EXPECT_TRUE(host.lines.empty());  // not verbose
    }
}

TEST(PreparePotentials, RepulsiveOnlyMovesTheJoinOutAndFillsNoTable) {
    RecordingHost host;
    TPairPotentials pot;
    TPotentialInputs in = DefaultCuModel();
    in.MorseOption = 1;
    in.Rc = 9e-10;  // no table limits apply
    ASSERT_TRUE(PreparePotentials(in, pot, host));
    EXPECT_DOUBLE_EQ(pot.Rlow, 2 * in.Rc);
    EXPECT_DOUBLE_EQ(pot.Rhigh, 3 * in.Rc);
    EXPECT_EQ(pot.twoDAlpha, 0);
    EXPECT_EQ(pot.Fmin, 0);
    EXPECT_EQ(pot.SplineCoefficients[0], 0);
    EXPECT_TRUE(pot.MorseTable.empty());
    EXPECT_TRUE(host.messages.entries().empty());
}

struct BadModel {
    int32_t ptKind, ttKind, morseOption;
    std::vector<std::string> lines;
    int boxes;
};

class PreparePotentialsBad : public ::testing::TestWithParam<BadModel> {};

TEST_P(PreparePotentialsBad, FailsWithItsMessages) {
    const BadModel c = GetParam();
    RecordingHost host;
    TPairPotentials pot;
    TPotentialInputs in = DefaultCuModel();
    in.ptKind = c.ptKind;
    in.ttKind = c.ttKind;
    in.MorseOption = c.morseOption;
    EXPECT_FALSE(PreparePotentials(in, pot, host));
    EXPECT_EQ(host.texts(), c.lines);
    for (const auto& l : host.lines) EXPECT_EQ(l.colour, colour::Red);
    EXPECT_EQ(host.messages.count(RecordingSink::Kind::Error), c.boxes);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PreparePotentialsBad,
    ::testing::Values(BadModel{3, 1, 0, {"  Error in heteronuclear screening length."}, 0},
                      // The fit then meets the unknown kind at its eight repulsive evaluations.
                      BadModel{0, 5, 0, {"  Error in homonuclear screening length."}, 8},
                      BadModel{0, 1, 2, {"  Error in Morse option."}, 0}));

TEST(PreparePotentials, BadRadiiAreRefusedByTheFitOrTheTableCheck) {
    struct Case {
        double Rlow, Rhigh, Rc;
        const char* box;
    };
    const Case cases[] = {
        {2.1e-10, 2.1e-10, 3.7e-10, kSplineRangeErrorText},
        {1.5e-10, 2.1e-10, 8.5e-10, kMorseLimitsText},
        {7.0e-10, 7.9999e-10, 8e-10, kSplineEndBeyondTableText},
    };
    for (const Case& c : cases) {
        RecordingHost host;
        TPairPotentials pot;
        TPotentialInputs in = DefaultCuModel();
        in.Rlow = c.Rlow;
        in.Rhigh = c.Rhigh;
        in.Rc = c.Rc;
        EXPECT_FALSE(PreparePotentials(in, pot, host));
        ASSERT_EQ(host.messages.texts().size(), 1u);
        EXPECT_EQ(host.messages.texts()[0], c.box);
    }
}

TEST(PairTables, HoldEachPairsOwnFitAndScreening) {
    TPairPotentials pot;
    ASSERT_TRUE(test::Prepare(DefaultCuModel(), pot));
    pot.ComplexTarget = 1;
    const int32_t Z[] = {18, 29, 8, 29, 8};
    PreparePairTables(pot, Z, 4);
    const int32_t e = pot.pairs.index(29, 8);
    ASSERT_GE(e, 0);
    EXPECT_LT(pot.pairs.index(29, 79), 0);
    double k[4];
    const double a = ZblScreeningLength(29, 8, pot.ttFactor);
    ASSERT_TRUE(FitPotentialSpline(29, 8, 1, a, pot.Rlow, pot.Rhigh, pot.D, pot.alpha, pot.r0, k[0],
                                   k[1], k[2], k[3], nullptr));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(pot.pairs.spline[size_t(e) * 4 + i], k[i]);
    EXPECT_EQ(pot.pairs.betaPT[size_t(e) * 4 + 3], 3.2 / ZblScreeningLength(29, 8, 1.0));
}

}  // namespace
}  // namespace halvern
