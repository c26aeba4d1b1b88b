#include "graph/GraphGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace halvern {
namespace {

TEST(GraphGeometry, OriginLiesAQuarterDownInTheSideViewsAndCentredInXy) {
    TGraphView view;
    TPixel p;
    // A projectile at x = 0, z = 0 in a picture 280 x 135.
    ASSERT_TRUE(ToPixel(GraphOrigin(view, 280, 135), 0, 0, view.scale, p));
    EXPECT_EQ(p.x, 140);
    EXPECT_EQ(p.y, 33);
    view.plane = GraphPlane::XY;
    EXPECT_EQ(GraphOrigin(view, 280, 135).y, 67);
    view.plane = GraphPlane::YZ;
    view.xShift = -100;
    view.yShift = 25;
    EXPECT_EQ(GraphOrigin(view, 280, 135).x, 40);
    EXPECT_EQ(GraphOrigin(view, 280, 135).y, 58);
}

TEST(GraphGeometry, PixelsRoundHalvesToEvenAndPointUp) {
    const TPixel origin{100, 50};
    struct Case {
        double h, v;
        int32_t x, y;
    };
    for (const Case& c : {Case{2.5, 2.5, 102, 48}, Case{3.5, -3.5, 104, 54},
                          Case{-0.5, 0.49, 100, 50}, Case{10.2, 0, 110, 50}}) {
        TPixel p;
        ASSERT_TRUE(ToPixel(origin, c.h, c.v, 1.0, p));
        EXPECT_EQ(p.x, c.x) << c.h;
        EXPECT_EQ(p.y, c.y) << c.v;
    }
    TPixel p;
    // 1 px = 0.1 A at the spatial scale.
    ASSERT_TRUE(ToPixel(origin, 3e-10, 1e-10, kSpatialGraphScale, p));
    EXPECT_EQ(p.x, 130);
    EXPECT_EQ(p.y, 40);
}

TEST(GraphGeometry, PixelsOfHugeValuesAreClampedAndNotANumberIsNotDrawn) {
    const double inf = std::numeric_limits<double>::infinity();
    TPixel p;
    for (double value : {1e30, inf, 5e9}) {
        ASSERT_TRUE(ToPixel({kGraphPixelLimit, -kGraphPixelLimit}, value, value, 1e11, p));
        EXPECT_EQ(p.x, kGraphPixelLimit);
        EXPECT_EQ(p.y, -kGraphPixelLimit);
        ASSERT_TRUE(ToPixel({0, 0}, -value, -value, 1e11, p));
        EXPECT_EQ(p.x, -kGraphPixelLimit);
        EXPECT_EQ(p.y, kGraphPixelLimit);
    }
    EXPECT_FALSE(ToPixel({0, 0}, std::nan(""), 0, 1e11, p));
    EXPECT_FALSE(ToPixel({0, 0}, 0, inf, 0.0, p));  // inf x 0
}

TEST(GraphGeometry, ZoomDoublesAndHalvesScaleAndRadius) {
    TGraphView view;
    ZoomIn(view);
    EXPECT_DOUBLE_EQ(view.scale, 2e11);
    EXPECT_EQ(view.radius, 12);
    struct Case {
        int32_t from, to;
    };
    for (const Case& c : {Case{3, 2}, Case{1, 1}, Case{5, 2}, Case{7, 4}, Case{12, 6}}) {
        view.radius = c.from;
        ZoomOut(view);
        EXPECT_EQ(view.radius, c.to) << c.from;
    }
}

TEST(GraphGeometry, ZoomStopsBeforeOverflow) {
    TGraphView view;
    for (int i = 0; i < 5000; ++i) ZoomIn(view);
    EXPECT_LE(view.radius, kGraphMaxRadius);
    EXPECT_TRUE(std::isfinite(view.scale));
    const double top = view.scale;
    ZoomIn(view);
    EXPECT_EQ(view.scale, top);
    for (int i = 0; i < 5000; ++i) ZoomOut(view);
    EXPECT_EQ(view.radius, 1);
    EXPECT_GT(view.scale, 0);
}

TEST(GraphGeometry, ResetRestoresDefaultsButKeepsHighlight) {
    TGraphView view;
    view.plane = GraphPlane::YZ;
    view.scale = 7;
    view.radius = 1;
    view.xShift = 300;
    view.yShift = -25;
    SetSymbols(view, GraphSymbols::Points);
    view.refreshEachStep = false;
    view.drawSmall = false;
    view.blackBackground = true;
    view.highlight = true;
    ResetGraphDefaults(view);
    EXPECT_EQ(view.plane, GraphPlane::XZ);
    EXPECT_EQ(view.scale, kSpatialGraphScale);
    EXPECT_EQ(view.radius, 6);
    EXPECT_EQ(view.xShift, 0);
    EXPECT_EQ(view.yShift, 0);
    EXPECT_EQ(SymbolsOf(view), GraphSymbols::Icons);
    EXPECT_TRUE(view.refreshEachStep);
    EXPECT_TRUE(view.drawSmall);
    EXPECT_FALSE(view.blackBackground);
    EXPECT_TRUE(view.highlight);
}

TEST(GraphGeometry, AtMostThirtyThousandParticlesAreDrawn) {
    std::vector<double> a(1);
    TGraphFrame frame{a.data(), a.data(), a.data(), 40000, 0};
    EXPECT_EQ(LastDrawnParticle(frame), 29999);
    frame.N = 0;
    EXPECT_EQ(LastDrawnParticle(frame), 0);
    frame.N = -1;
    EXPECT_EQ(LastDrawnParticle(frame), -1);
    frame.N = 5;
    frame.y = nullptr;
    EXPECT_EQ(LastDrawnParticle(frame), -1);
}

TEST(GraphGeometry, DepthSortKeepsEveryParticleIncludingTheLast) {
    // Particle 3, the last one, is the nearest and must come out first.
    std::vector<double> x{0, 1, 2, 3}, y{0.5, 0.2, 0.9, -1}, z{10, 11, 12, 13};
    TGraphFrame frame{x.data(), y.data(), z.data(), 3, 0};
    DepthSortedFrame sorted;
    sorted.sort(AxesOf(GraphPlane::XZ, frame), LastDrawnParticle(frame));
    ASSERT_EQ(sorted.count(), 4);
    const int32_t order[] = {3, 1, 0, 2};
    for (int32_t k = 0; k < 4; ++k) {
        const int32_t i = sorted.particle(k);
        EXPECT_EQ(i, order[k]);
        EXPECT_EQ(sorted.h(k), x[i]);
        EXPECT_EQ(sorted.v(k), z[i]);
        EXPECT_EQ(sorted.depth(k), y[i]);
    }
}

TEST(GraphGeometry, TimeTextInFemtoseconds) {
    EXPECT_EQ(GraphTimeText(1.5e-15f), " t = 1.50 fs");
}

}  // namespace
}  // namespace halvern
