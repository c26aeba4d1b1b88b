#include "apsis/PairPotentialCalculator.h"

#include <gtest/gtest.h>

#include "MessageSink.h"

namespace velkor {
namespace {

using halvern::RecordingSink;

TEST(PairPotentialCalculator, TheDefaultsGiveTheReadOuts) {
    const TPairPotentialInput in;  // Ar on Cu, ZBL, r = 1 A, c = 1, p = 0.1 A, 1 keV
    TPairPotentialOutput out;
    RecordingSink sink;
    ASSERT_TRUE(EvaluatePairPotential(in, out, sink));
    EXPECT_EQ(out.comEnergy, "614.006609");  // 1000 x 63.546 / 103.494
    EXPECT_EQ(out.screeningLabel, "Screening len. = 0.113892 A");
    // V(1 A) = 18 x 29 x 14.399766 x Phi(1 / 0.11389236610) = 98.2091203976 eV.
    EXPECT_EQ(out.potential, "98.209120");
    EXPECT_LE(out.potential.size(), 10u);
    EXPECT_EQ(out.apsis.size(), 8u);
    EXPECT_TRUE(sink.entries().empty());
}

TEST(PairPotentialCalculator, ParametersOutsideTheirRangeAreRefused) {
    struct Case {
        void (*change)(TPairPotentialInput&);
        std::vector<std::string> messages;
    };
    const std::string range = "Parameter range error - cannot evaluate potential.";
    const Case cases[] = {
        {[](TPairPotentialInput& in) { in.distance = "0"; }, {range}},
        {[](TPairPotentialInput& in) { in.correction = "x"; },
         {"Numeric conversion error (x)", range}},
        {[](TPairPotentialInput& in) { in.Z2 = "-29"; }, {range}},
        {[](TPairPotentialInput& in) { in.M1 = "0"; }, {range}},
        {[](TPairPotentialInput& in) { in.labEnergy = "-5"; }, {range}},
        {[](TPairPotentialInput& in) { in.impactParameter = "-0.1"; }, {range}},
        {[](TPairPotentialInput& in) { in.M2 = "heavy"; },
         {"'heavy' is not a valid floating point value"}},
    };
    for (const Case& c : cases) {
        TPairPotentialInput in;
        c.change(in);
        TPairPotentialOutput out{"old", "old", "old", "old"};
        RecordingSink sink;
        EXPECT_FALSE(EvaluatePairPotential(in, out, sink));
        EXPECT_EQ(sink.texts(), c.messages);
        EXPECT_EQ(out.potential, "old");
        EXPECT_EQ(out.apsis, "old");
    }
}

TEST(PairPotentialCalculator, NoApsisIsShownWhenTheSolverFindsNone) {
    TPairPotentialInput in;
    in.labEnergy = "0.001";
    in.impactParameter = "0";
    TPairPotentialOutput out{"old", "old", "old", "old"};
    RecordingSink sink;
    ASSERT_TRUE(EvaluatePairPotential(in, out, sink));
    EXPECT_EQ(sink.texts(), std::vector<std::string>{"Solution outside maximum range (5 A)."});
    EXPECT_EQ(out.apsis, "");
    EXPECT_EQ(out.comEnergy, "0.000614");
}

// Close in, the potential grows past 10 characters of fixed text: its integer digits stay, and
// beyond ten of them it is written in scientific notation (V(1e-7 A) = 7.51667005898E10 eV, V(1e-6
// A) = 7516599922.39 eV, V(1e-3 A) = 7439426.243 eV).
TEST(PairPotentialCalculator, ALargePotentialKeepsItsIntegerDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"1e-06", "7516599922"}, {"1e-07", "7.5166E+10"}, {"0.001", "7439426.24"}};
    for (const auto& [distance, potential] : cases) {
        TPairPotentialInput in;
        in.distance = distance;
        TPairPotentialOutput out;
        RecordingSink sink;
        ASSERT_TRUE(EvaluatePairPotential(in, out, sink));
        EXPECT_EQ(out.potential, potential);
    }
}

TEST(PairPotentialCalculator, TheChartNeedsAUsableCorrectionAndAtomicNumbers) {
    TPairPotentialInput in;
    const auto series = PlotPotentials(in);
    ASSERT_TRUE(series);
    for (const auto& s : *series) EXPECT_EQ(s.size(), 121u);
    // ZBL, Moliere-Lindhard and Moliere-Firsov differ.
    EXPECT_NE((*series)[0][60].keV, (*series)[1][60].keV);
    EXPECT_NE((*series)[1][60].keV, (*series)[2][60].keV);
    for (auto change : {+[](TPairPotentialInput& i) { i.correction = "0"; },
                        +[](TPairPotentialInput& i) { i.Z1 = "abc"; },
                        +[](TPairPotentialInput& i) { i.Z2 = "-1"; }}) {
        TPairPotentialInput bad;
        change(bad);
        EXPECT_FALSE(PlotPotentials(bad));
    }
}

}  // namespace
}  // namespace velkor
