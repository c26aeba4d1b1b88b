// Crystal axes against the angles between cubic directions (cos = n1 . n2 / |n1| |n2|) and the
// velocity reckoner against v = sqrt(2 E / m).
#include <gtest/gtest.h>

#include <cmath>

#include "MessageSink.h"
#include "calculators/CrystalAxes.h"
#include "calculators/VelocityReckoner.h"

namespace velkor {
namespace {

TEST(CrystalAxes, AnglesOfSurfaceNormals) {
    struct Case {
        TMillerIndices a, b;
        const char *theta1, *phi1, *theta2, *phi2, *between;
    };
    const Case cases[] = {
        {{0, 0, 1}, {0, 0, 1}, "0", "0", "0", "0", "0"},
        {{1, 1, 1}, {0, 0, 1}, "54.7356103172453", "45", "0", "0", "54.7356103172453"},
        {{1, 0, 0}, {1, 1, 1}, "90", "0", "54.7356103172453", "45", "54.7356103172453"},
        {{1, 1, 0}, {1, 1, 1}, "90", "45", "54.7356103172453", "45", "35.2643896827547"},
        {{1, 1, 1},
         {1, -1, 1},
         "54.7356103172453",
         "45",
         "54.7356103172453",
         "-45",
         "70.5287793655093"},
        {{1, 1, 2},
         {1, 1, 1},
         "35.2643896827547",
         "45",
         "54.7356103172453",
         "45",
         "19.4712206344907"},
        {{1, 1, 0}, {0, 0, 1}, "90", "45", "0", "0", "90"},
        {{0, 0, -1}, {0, 1, 0}, "180", "0", "90", "90", "90"},
        {{0, -1, 0}, {-1, 0, 0}, "90", "-90", "90", "180", "90"},
        {{1, 0, 0}, {-1, 0, 0}, "90", "0", "90", "180", "180"},
        {{-30, 0, 0}, {-10, -10, 0}, "90", "180", "90", "-135", "45"},
    };
    for (const Case& c : cases) {
        TAxesAngles out;
        halvern::RecordingSink sink;
        ASSERT_TRUE(EvaluateAxes(c.a, c.b, out, sink));
        EXPECT_EQ(out.theta1, c.theta1);
        EXPECT_EQ(out.phi1, c.phi1);
        EXPECT_EQ(out.theta2, c.theta2);
        EXPECT_EQ(out.phi2, c.phi2);
        EXPECT_EQ(out.interPlane, c.between) << c.a.h << c.a.k << c.a.l;
        EXPECT_TRUE(sink.entries().empty());
    }
    // The 54.7... above is acos(1 / sqrt 3) in degrees.
    EXPECT_NEAR(InterPlaneAngle({1, 0, 0}, {1, 1, 1}), std::acos(1 / std::sqrt(3.0)) * 180 / M_PI,
                1e-12);
}

TEST(CrystalAxes, ParallelNormalsOfAnyLengthGiveZeroOrHalfTurnExactly) {
    for (int h = -10; h <= 10; ++h)
        for (int k = -10; k <= 10; ++k)
            for (int l = -10; l <= 10; ++l) {
                if (h == 0 && k == 0 && l == 0) continue;
                for (int m : {1, 2, 3}) {
                    const TMillerIndices a{h, k, l}, b{m * h, m * k, m * l};
                    ASSERT_EQ(InterPlaneAngle(a, b), 0) << h << " " << k << " " << l << " x" << m;
                    ASSERT_EQ(InterPlaneAngle(a, {-b.h, -b.k, -b.l}), 180);
                }
            }
}

TEST(CrystalAxes, ANullIndexIsRefusedAndTheAnglesStay) {
    TAxesAngles out{"1", "2", "3", "4", "5"};
    halvern::RecordingSink sink;
    EXPECT_FALSE(EvaluateAxes({0, 0, 0}, {0, 0, 1}, out, sink));
    EXPECT_FALSE(EvaluateAxes({1, 0, 0}, {0, 0, 0}, out, sink));
    EXPECT_EQ(sink.texts(),
              std::vector<std::string>(2, "Miller index cannot be a null vector [000]."));
    EXPECT_EQ(out.interPlane, "5");
    EXPECT_EQ(kMillerIndexField.width, 3);  // "-30" fits
}

TEST(VelocityReckoner, SpeedAndTimeStepOfAProjectile) {
    struct Case {
        const char *energy, *mass, *velocity, *timestep;
    };
    const Case cases[] = {
        {"1.0", "4.0026", "2.19570", "0.04554"},  // sqrt(2 x 1 keV / 4.0026 amu)
        {"0", "4.0026", "0.0", "?"},
        {"1.0", "abc", "0.0", "?"},
        {"", "", "0.0", "?"},
        {"1000000", "1", "4392.83327", "0.00002"},
    };
    for (const Case& c : cases) {
        const TReckoning r = ReckonVelocity(c.energy, c.mass);
        EXPECT_EQ(r.velocity, c.velocity) << c.energy << " " << c.mass;
        EXPECT_EQ(r.timestep, c.timestep);
    }
    // sqrt(2 E / m) in A/fs: 1 keV, 4.0026 amu.
    EXPECT_NEAR(std::sqrt(2 * 1.602192e-16 / (4.0026 * 1.66056e-27)) * 1e-5, 2.19570, 5e-6);
}

}  // namespace
}  // namespace velkor
