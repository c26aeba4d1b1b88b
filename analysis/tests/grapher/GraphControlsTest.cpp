#include <gtest/gtest.h>

#include <vector>

#include "grapher/GraphControls.h"
#include "grapher/HardcopyRect.h"
#include "grapher/TextDrag.h"

using namespace halvern;

namespace {

TEST(GraphControlsTest, ArrowKeysMoveTheirItems) {
    struct Case {
        ArrowKey key;
        ArrowShift shift;
        int32_t left, bottom, xH, xV, yH, yV;
    };
    const Case cases[] = {
        {ArrowKey::Up, ArrowShift::None, 45, 40, 15, 0, 35, 8},
        {ArrowKey::Down, ArrowShift::Other, 45, 20, 15, 0, 35, 8},
        {ArrowKey::Left, ArrowShift::None, 35, 30, 15, 0, 35, 8},
        {ArrowKey::Right, ArrowShift::None, 55, 30, 15, 0, 35, 8},
        {ArrowKey::Up, ArrowShift::Shift, 45, 30, 15, 0, 35, 9},
        {ArrowKey::Left, ArrowShift::Shift, 45, 30, 15, 0, 36, 8},
        {ArrowKey::Down, ArrowShift::Alt, 45, 30, 15, -1, 35, 8},
        {ArrowKey::Right, ArrowShift::Alt, 45, 30, 14, 0, 35, 8},
    };
    for (const Case& c : cases) {
        GrapherModel model;
        SetGraphDefaults(model, true, 400, 200);
        ApplyArrowKey(model.settings, c.key, c.shift);
        const GrapherSettings& s = model.settings;
        EXPECT_EQ(s.leftMargin, c.left);
        EXPECT_EQ(s.bottomMargin, c.bottom);
        EXPECT_EQ(s.x.labelH, c.xH);
        EXPECT_EQ(s.x.labelV, c.xV);
        EXPECT_EQ(s.y.labelH, c.yH);
        EXPECT_EQ(s.y.labelV, c.yV);
    }
}

TEST(GraphControlsTest, SpeedButtons) {
    AxisSettings axis;
    axis.ticks = 2;
    DecreaseTicks(axis);
    EXPECT_TRUE(CanDecreaseTicks(axis));
    DecreaseTicks(axis);
    EXPECT_EQ(axis.ticks, 0);
    EXPECT_FALSE(CanDecreaseTicks(axis));
    DecreaseTicks(axis);
    EXPECT_EQ(axis.ticks, 0);
    IncreaseTicks(axis);
    EXPECT_TRUE(CanDecreaseTicks(axis));

    // From 0.75 down in steps of 0.05, the length stops at 0.05.
    for (int i = 0; i < 30; ++i) ReduceAxisLength(axis);
    EXPECT_NEAR(axis.length, 0.05f, 1e-6f);
    IncreaseAxisLength(axis);
    EXPECT_NEAR(axis.length, 0.10f, 1e-6f);

    axis.minimum = 0;
    axis.span = 3.7f;
    RoundUpScale(axis);
    EXPECT_EQ(axis.minimum, 0);
    EXPECT_EQ(axis.span, 4);
    axis.minimum = -5;
    axis.span = 5.12f;
    RoundUpScale(axis);
    EXPECT_EQ(axis.minimum, -6);
    EXPECT_FLOAT_EQ(axis.span, 6.125f);

    GrapherSettings s;
    ToggleFourSides(s);
    EXPECT_TRUE(s.fourSides);
}

TEST(GraphControlsTest, LinesAndSymbolsToggleTwice) {
    GrapherModel model;
    model.caches[0].penStyle = PenStyle::Dot;
    model.caches[1].symbolsOn = true;
    model.caches[1].penStyle = PenStyle::Dash;
    ToggleLinesAndSymbols(model);
    EXPECT_TRUE(model.caches[0].symbolsOn);
    EXPECT_EQ(model.caches[0].penStyle, PenStyle::Clear);
    EXPECT_FALSE(model.caches[1].symbolsOn);
    EXPECT_EQ(model.caches[1].penStyle, PenStyle::Solid);
    // Twice: symbols off and a solid line for every cache that had its symbols off.
    ToggleLinesAndSymbols(model);
    for (size_t i = 0; i < kCacheCount; ++i) {
        EXPECT_EQ(model.caches[i].symbolsOn, i == 1);
        EXPECT_EQ(model.caches[i].penStyle, i == 1 ? PenStyle::Clear : PenStyle::Solid);
    }
}

TEST(GraphControlsTest, DraggingTitlesAndLabels) {
    GrapherModel model;
    SetGraphDefaults(model, true, 400, 200);
    model.mainTitle.visible = true;  // at (200, 10)
    EXPECT_TRUE(PressAt(model, 221, 10).empty());
    EXPECT_FALSE(ReleaseAt(model, 0, 0));
    const std::vector<GraphText> hit = PressAt(model, 220, 30);
    ASSERT_EQ(hit.size(), 1u);
    EXPECT_EQ(hit[0].kind, kMainTitle);
    EXPECT_TRUE(ReleaseAt(model, 50, 60));
    EXPECT_EQ(model.mainTitle.x, 50);
    EXPECT_EQ(model.mainTitle.y, 60);
    EXPECT_EQ(model.mainTitle.text, "Main");
    EXPECT_EQ(model.dragItem.kind, kNoGraphText);

    // Of two overlapping labels the later one is carried; a hidden one is not hit.
    model.labels[1] = {"two", 100, 100, 12, true};
    model.labels[6] = {"seven", 110, 105, 17, true};
    model.labels[8] = {"nine", 110, 105, 19, false};
    EXPECT_EQ(PressAt(model, 112, 110).size(), 2u);
    EXPECT_TRUE(ReleaseAt(model, 300, 30));
    EXPECT_EQ(model.labels[6].x, 300);
    EXPECT_EQ(model.labels[6].kind, 17);
    EXPECT_EQ(model.labels[1].x, 100);
}

TEST(GraphControlsTest, HardcopyKeepsTheAspectInsideTheMargins) {
    struct Case {
        const char* name;
        int32_t w, h;
        PageRect expected;
    };
    // A4 at 600 dpi: 4961 x 7016 device pixels.
    const Case cases[] = {
        {"wide", 400, 200, {600, 600, 4361, 2480}},
        {"tall, held to the page height", 200, 1000, {600, 600, 1763, 6416}},
        {"empty picture", 0, 100, {600, 600, 600, 600}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PageRect r = HardcopyRect(c.w, c.h, 4961, 7016, 600, 600);
        EXPECT_EQ(r.left, c.expected.left);
        EXPECT_EQ(r.top, c.expected.top);
        EXPECT_EQ(r.right, c.expected.right);
        EXPECT_EQ(r.bottom, c.expected.bottom);
    }
    // Landscape: the wide picture fills the width; a page with no room gives nothing inverted.
    const PageRect landscape = HardcopyRect(400, 200, 7016, 4961, 600, 600);
    EXPECT_EQ(landscape.right - landscape.left, 5816);
    EXPECT_EQ(landscape.bottom - landscape.top, 2908);
    EXPECT_TRUE(HardcopyRect(400, 200, 1000, 1000, 600, 600).empty());
}

}  // namespace
