#include "ChartGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace halvern {
namespace {

const ChartArea kArea{50, 10, 400, 300};
const ChartRange kRange{0.2, 1.0, 0.0, 6.0};

TEST(ChartGeometry, DataAndPixelsMapBothWays) {
    const ChartPoint corner = ToChartPixel(kArea, kRange, {0.2, 0.0});
    EXPECT_EQ(corner.x, 50);
    EXPECT_EQ(corner.y, 310);
    const ChartPoint top = ToChartPixel(kArea, kRange, {1.0, 6.0});
    EXPECT_EQ(top.x, 450);
    EXPECT_EQ(top.y, 10);
    const ChartPoint back = FromChartPixel(kArea, kRange, ToChartPixel(kArea, kRange, {0.6, 2.5}));
    EXPECT_NEAR(back.x, 0.6, 1e-12);
    EXPECT_NEAR(back.y, 2.5, 1e-12);
    // Far-off and undefined values stay within the pixel bound.
    EXPECT_LE(ToChartPixel(kArea, kRange, {1e300, 0}).x, 1 << 24);
    EXPECT_EQ(ToChartPixel(kArea, kRange, {NAN, 0}).x, 0);
}

TEST(ChartGeometry, TicksStepUpFromTheIncrementUntilTheLabelsHaveRoom) {
    // 0.05 over 0.8 on 400 pixels: 25 pixels apart, enough for 20.
    EXPECT_DOUBLE_EQ(TickStep(0.2, 1.0, 0.05, 400, 20), 0.05);
    // 0.1 over 6 keV on 300 pixels: 5 pixels; 0.5 gives 25.
    EXPECT_DOUBLE_EQ(TickStep(0, 6, 0.1, 300, 20), 0.5);
    EXPECT_DOUBLE_EQ(TickStep(0, 6000, 0.1, 300, 20), 500);
    EXPECT_EQ(TickStep(1, 1, 0.1, 300, 20), 0);
    EXPECT_EQ(TickStep(0, INFINITY, 0.1, 300, 20), 0);

    const std::vector<double> ticks = TickValues(0.2, 1.0, 0.05);
    ASSERT_EQ(ticks.size(), 17u);
    EXPECT_NEAR(ticks.front(), 0.2, 1e-12);
    EXPECT_NEAR(ticks.back(), 1.0, 1e-12);
    EXPECT_EQ(TickValues(-0.75, 0.3, 0.5), (std::vector<double>{-0.5, 0.0}));
    EXPECT_TRUE(TickValues(0, 1, 1e-9).empty());  // more than the tick limit
}

TEST(ChartGeometry, LabelsFollowTheirPattern) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {0.25, 2, "0.25"}, {0.2, 2, "0.2"},        {1.0, 2, "1"},
        {0.45, 1, "0.5"},  {1234.5, 1, "1,234.5"}, {-1234567, 1, "-1,234,567"},
        {-0.001, 2, "0"},  {999.96, 1, "1,000"},
    };
    for (const Case& c : cases) EXPECT_EQ(ChartLabel(c.value, c.decimals), c.text) << c.value;
}

TEST(ChartGeometry, TheYRangeFitsThePointsInTheXRange) {
    ChartRange range{0.5, 1.0, 0, 0};
    FitYRange({{{0.25, 9.0}, {0.5, 2.0}, {1.0, 0.1}}, {{0.75, NAN}, {0.8, 0.5}}}, range);
    EXPECT_EQ(range.yMin, 0.1);
    EXPECT_EQ(range.yMax, 2.0);
    FitYRange({{{0.6, 3.0}}}, range);
    EXPECT_EQ(range.yMin, 2.0);
    EXPECT_EQ(range.yMax, 4.0);
    FitYRange({}, range);
    EXPECT_EQ(range.yMin, 0);
    EXPECT_EQ(range.yMax, 1);
}

TEST(ChartGeometry, ADragZoomsIntoItsRectangleOrUndoes) {
    EXPECT_EQ(DragKind({100, 100}, {200, 150}), ChartDrag::Zoom);
    EXPECT_EQ(DragKind({200, 150}, {100, 100}), ChartDrag::Unzoom);
    EXPECT_EQ(DragKind({100, 100}, {102, 160}), ChartDrag::None);
    EXPECT_EQ(DragKind({100, 100}, {200, 98}), ChartDrag::None);

    const ChartRange zoomed = ZoomedRange(kArea, kRange, {150, 60}, {250, 160});
    EXPECT_NEAR(zoomed.xMin, 0.4, 1e-12);
    EXPECT_NEAR(zoomed.xMax, 0.6, 1e-12);
    EXPECT_NEAR(zoomed.yMin, 3.0, 1e-12);
    EXPECT_NEAR(zoomed.yMax, 5.0, 1e-12);
    EXPECT_TRUE(ChartDrawable(kArea, zoomed));
    EXPECT_FALSE(ChartDrawable({0, 0, 1, 100}, zoomed));
    EXPECT_FALSE(ChartDrawable(kArea, {1, 1, 0, 1}));
}

}  // namespace
}  // namespace halvern
