// Scattering relations against the binary-collision kinematics written out here: with
// A = M2 / M1, tan theta1 = sin thetaC / (cos thetaC + 1 / A) (so thetaC = theta1 + asin(sin
// theta1 / A)), recoil = (180 - thetaC) / 2, E2/E0 = 4 A / (A + 1)^2 sin^2(thetaC / 2).
#include "ScatteringRelations.h"

#include <gtest/gtest.h>

#include <cmath>

#include "MessageSink.h"
#include "NumberText.h"

namespace halvern {
namespace {

struct Evaluation {
    TScatterInput input;
    TScatterMasses masses;
    TScatterResults results;
    RecordingSink sink;
    bool ok = false;

    Evaluation(const char* m1, const char* m2, const char* angle) : input{m1, m2, angle} {
        ok = EvaluateScattering(input, masses, results, sink);
    }
};

TEST(ScatteringRelations, ResultsOfTheWindowsDefaultsAndOfEqualMasses) {
    struct Case {
        const char *m1, *m2, *angle;
        TScatterResults expected;
    };
    const Case cases[] = {
        // He on Cu at 90 degrees: one solution, 90 + asin(4.0026 / 63.546) in degrees.
        {"4.00260",
         "63.546",
         "90",
         {"93.6113052", "0.88148977", "0.11851022", "43.1943474", "<None>", "<None>", "<None>"}},
        // Equal masses at 45 degrees: thetaC = 90, the target takes half the energy.
        {"1", "1", "45", {"90", "0.5", "0.5", "45", "<None>", "<None>", "<None>"}},
    };
    for (const Case& c : cases) {
        Evaluation e(c.m1, c.m2, c.angle);
        ASSERT_TRUE(e.ok) << c.m1;
        EXPECT_EQ(e.results.comAngle1, c.expected.comAngle1);
        EXPECT_EQ(e.results.e1Ratio1, c.expected.e1Ratio1);
        EXPECT_EQ(e.results.e2Ratio1, c.expected.e2Ratio1);
        EXPECT_EQ(e.results.recoilAngle, c.expected.recoilAngle);
        EXPECT_EQ(e.results.comAngle2, c.expected.comAngle2);
        EXPECT_EQ(e.results.e1Ratio2, c.expected.e1Ratio2);
        EXPECT_EQ(e.results.e2Ratio2, c.expected.e2Ratio2);
        EXPECT_TRUE(e.sink.entries().empty());
    }
}

// Ar on C at 10 degrees: two centre-of-mass angles whose lab angles are both 10 degrees.
TEST(ScatteringRelations, AHeavyProjectileHasTwoSolutionsOfTheSameLabAngle) {
    Evaluation e("39.948", "12.011", "10");
    ASSERT_TRUE(e.ok);
    const double A = 12.011 / 39.948;
    for (const std::string* com : {&e.results.comAngle1, &e.results.comAngle2}) {
        long double degrees = 0;
        ASSERT_TRUE(ParseReal(*com, degrees)) << *com;
        const double tc = static_cast<double>(degrees) * M_PI / 180;
        EXPECT_NEAR(std::atan2(std::sin(tc), std::cos(tc) + 1 / A) * 180 / M_PI, 10, 1e-6);
        EXPECT_LE(com->size(), 10u);
    }
    EXPECT_NE(e.results.comAngle1, e.results.comAngle2);
    long double e1 = 0, e2 = 0;
    ASSERT_TRUE(ParseReal(e.results.e1Ratio2, e1));
    ASSERT_TRUE(ParseReal(e.results.e2Ratio2, e2));
    EXPECT_NEAR(static_cast<double>(e1 + e2), 1, 2e-8);
}

// A tiny transfer keeps its exponent in 10 characters, and the fractions are read from it.
TEST(ScatteringRelations, ASmallResultKeepsItsExponent) {
    Evaluation e("1", "100000", "0.03");
    ASSERT_TRUE(e.ok);
    EXPECT_LE(e.results.e2Ratio1.size(), 10u);
    EXPECT_NE(e.results.e2Ratio1.find("E-"), std::string::npos) << e.results.e2Ratio1;
    long double value = 0;
    ASSERT_TRUE(ParseReal(e.results.e2Ratio1, value));
    const double A = 100000.0,
                 tc = (0.03 + std::asin(std::sin(0.03 * M_PI / 180) / A) * 180 / M_PI) * M_PI / 180;
    EXPECT_NEAR(static_cast<double>(value),
                4 * A / ((A + 1) * (A + 1)) * std::pow(std::sin(tc / 2), 2), 1e-13);
}

TEST(ScatteringRelations, AnImpossibleAngleKeepsTheOldResults) {
    for (const char* angle : {"60", "100"}) {  // sin 60 > 12/39.9; 100 > 90 for M1 >= M2
        Evaluation e("39.948", "12.011", "10");
        const TScatterResults before = e.results;
        e.input.labAngle = angle;
        EXPECT_FALSE(EvaluateScattering(e.input, e.masses, e.results, e.sink));
        EXPECT_EQ(e.sink.texts(),
                  std::vector<std::string>{
                      "Lab theta is not possible (too large) for this M1/M2 ratio. "});
        EXPECT_EQ(e.results.comAngle1, before.comAngle1);
        EXPECT_EQ(e.results.e2Ratio2, before.e2Ratio2);
    }
}

// A mass that is no number, or lies outside 1e-5 .. 100000, is the last good one again.
TEST(ScatteringRelations, ABadMassComesBackWithABeep) {
    for (const char* bad : {"abc", "", "0", "200000", "-4"}) {
        Evaluation e("20.179", "63.546", "90");
        e.input.m1 = bad;
        EXPECT_TRUE(EvaluateScattering(e.input, e.masses, e.results, e.sink)) << bad;
        EXPECT_EQ(e.input.m1, "20.179");
        EXPECT_EQ(e.sink.count(RecordingSink::Kind::Beep), 1) << bad;
        EXPECT_TRUE(e.sink.texts().empty());
        EXPECT_EQ(e.masses.m1, 20.179L);
    }
}

TEST(ScatteringRelations, TheAngleIsCheckedBeforeAnything) {
    struct Case {
        const char* angle;
        std::string message;
    };
    const Case cases[] = {
        {"abc", "'abc' is not a valid floating point value"},
        {"180.5",
         "Input value must be number in range:\r\rMinimum:   0.00E+0000\rMaximum:  "
         "1.80E+0002\r"},
        {"-1",
         "Input value must be number in range:\r\rMinimum:   0.00E+0000\rMaximum:  "
         "1.80E+0002\r"},
    };
    for (const Case& c : cases) {
        Evaluation e("4.0026", "63.546", c.angle);
        EXPECT_FALSE(e.ok);
        EXPECT_EQ(e.sink.texts(), std::vector<std::string>{c.message});
        EXPECT_TRUE(e.results.comAngle1.empty());
    }
}

}  // namespace
}  // namespace halvern
