// File and display rotations: the axes they map, their senses, and that they keep distances.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "orientation/OrientPoints.h"
#include "orientation/Projection.h"
#include "orientation/Rotations.h"

namespace velkor {
namespace {

struct Vec {
    double x, y, z;
};

Vec Rotated(Vec v, double zRot, double xRot, double yRot) {
    RotatePoint(MakeFileRotation(zRot, xRot, yRot), v.x, v.y, v.z);
    return v;
}

// Exact comparison, and no negative zero (it would be written "-0.00000").
void ExpectExactly(Vec got, Vec want) {
    EXPECT_EQ(got.x, want.x);
    EXPECT_EQ(got.y, want.y);
    EXPECT_EQ(got.z, want.z);
    for (double c : {got.x, got.y, got.z})
        if (c == 0) {
            EXPECT_FALSE(std::signbit(c));
        }
}

TEST(Rotations, QuarterTurnsMapTheAxesExactly) {
    // ZRot turns x towards y, XRot y towards z, YRot z towards x.
    struct Case {
        double zRot, xRot, yRot;
        Vec in, out;
    };
    const Case cases[] = {
        {90, 0, 0, {1, 0, 0}, {0, 1, 0}},   {90, 0, 0, {0, 1, 0}, {-1, 0, 0}},
        {90, 0, 0, {0, 0, 1}, {0, 0, 1}},   {0, 90, 0, {0, 1, 0}, {0, 0, 1}},
        {0, 90, 0, {0, 0, 1}, {0, -1, 0}},  {0, 0, 90, {0, 0, 1}, {1, 0, 0}},
        {0, 0, 90, {1, 0, 0}, {0, 0, -1}},  {-90, 0, 0, {1, 0, 0}, {0, -1, 0}},
        {180, 0, 0, {2.5, 1, 3}, {-2.5, -1, 3}}, {270, 0, 0, {1, 0, 0}, {0, -1, 0}},
        {360, 0, 0, {2.5, 1, 3}, {2.5, 1, 3}},   {-270, 0, 0, {1, 0, 0}, {0, 1, 0}},
        // z first, then x: x -> y -> z.
        {90, 90, 0, {1, 0, 0}, {0, 0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zRot << " " << c.xRot << " " << c.yRot);
        ExpectExactly(Rotated(c.in, c.zRot, c.xRot, c.yRot), c.out);
    }
}

TEST(Rotations, Axis111TurnedOntoZ) {
    // Axes along the cube edges (BCC, rocksalt): 45 degrees about z brings [111] into the
    // yz-plane, then the angle between [011] and [111] (arccos sqrt(2/3), 54.7356103172453
    // degrees) about x lays it on z.
    const Vec v = Rotated({1, 1, 1}, 45, 54.7356103172453, 0);
    EXPECT_NEAR(v.x, 0, 1e-12);
    EXPECT_NEAR(v.y, 0, 1e-12);
    EXPECT_NEAR(v.z, std::sqrt(3.0), 1e-12);
    // x along [110] (FCC, diamond): [111] is (sqrt 2, 0, 1), laid on z about y.
    const Vec w = Rotated({std::sqrt(2.0), 0, 1}, 0, 0, -54.7356103172453);
    EXPECT_NEAR(w.x, 0, 1e-12);
    EXPECT_NEAR(w.y, 0, 1e-12);
    EXPECT_NEAR(w.z, std::sqrt(3.0), 1e-12);
}

TEST(Rotations, ZeroAnglesLeaveCoordinatesUntouched) {
    const Vec v{0.1, -0.30000000000000004, 1e-300};
    const Vec r = Rotated(v, 0, 0, 0);
    EXPECT_EQ(r.x, v.x);
    EXPECT_EQ(r.y, v.y);
    EXPECT_EQ(r.z, v.z);
}

TEST(Rotations, RandomAnglesKeepDistances) {
    std::mt19937 random(19);
    std::uniform_real_distribution<double> angle(-360, 360), coordinate(-50, 50);
    for (int trial = 0; trial < 200; ++trial) {
        const Vec p{coordinate(random), coordinate(random), coordinate(random)};
        const Vec q{coordinate(random), coordinate(random), coordinate(random)};
        const double z = angle(random), x = angle(random), y = angle(random);
        const Vec rp = Rotated(p, z, x, y), rq = Rotated(q, z, x, y);
        auto distance = [](Vec a, Vec b) { return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z); };
        EXPECT_NEAR(distance(rp, rq), distance(p, q), 1e-11);
        EXPECT_NEAR(std::hypot(rp.x, rp.y, rp.z), std::hypot(p.x, p.y, p.z), 1e-11);
    }
}

// The arrows and "Apply Rotation" turn each plane as the file rotation of that plane does.
TEST(Rotations, DisplayTurnsFollowTheFileRotations) {
    const TTurn quarter = DegreeTurn(90);
    const TTurn none{};
    struct Case {
        RotationPlane plane;
        TDisplayTurns turns;
        double zRot, xRot, yRot;
    };
    const Case cases[] = {
        {RotationPlane::XY, {quarter, none, none}, 90, 0, 0},  // x towards y
        {RotationPlane::YZ, {none, quarter, none}, 0, 90, 0},  // y towards z
        {RotationPlane::ZX, {none, none, quarter}, 0, 0, 90},  // z towards x
    };
    for (const Case& c : cases)
        for (const Vec in : {Vec{1, 0, 0}, Vec{0, 1, 0}, Vec{0, 0, 1}}) {
            const Vec file = Rotated(in, c.zRot, c.xRot, c.yRot);
            Vec arrow = in, applied = in;
            StepPoint(c.plane, quarter, arrow.x, arrow.y, arrow.z);
            TurnDisplayPoint(c.turns, applied.x, applied.y, applied.z);
            ExpectExactly(arrow, file);
            ExpectExactly(applied, file);
        }
}

TEST(Rotations, ArrowStepsAccumulateAndWrapOnce) {
    TOrientPoints points;
    points.add(1, 0, 0);
    double rxy = 0;
    for (int k = 0; k < 2; ++k) {
        StepDisplay(points, RotationPlane::XY, kDisplayStepRadians);
        rxy += kDisplayStepRadians;
    }
    EXPECT_EQ(RotationText("Rxy:", rxy), "Rxy:10.00");
    EXPECT_NEAR(points.x[0], std::cos(10 * std::numbers::pi / 180), 1e-15);
    EXPECT_NEAR(points.y[0], std::sin(10 * std::numbers::pi / 180), 1e-15);

    EXPECT_NEAR(WrapOnce(7.0), 7.0 - 2 * std::numbers::pi, 1e-15);
    EXPECT_NEAR(WrapOnce(-7.0), -7.0 + 2 * std::numbers::pi, 1e-15);
    EXPECT_NEAR(WrapOnce(13.0), 13.0 - 2 * std::numbers::pi, 1e-15);  // once only
    EXPECT_EQ(WrapOnce(1.0), 1.0);
}

}  // namespace
}  // namespace velkor
