#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "grapher/GraphLayout.h"
#include "grapher/TextDrag.h"

using namespace halvern;

namespace {

constexpr int32_t kWidth = 408;
constexpr int32_t kHeight = 197;

GrapherModel Defaults() {
    GrapherModel model;
    SetGraphDefaults(model, true, kWidth, kHeight);
    return model;
}

// The columns of the x-axis ticks (short segments down from the axis).
std::vector<int32_t> XTickColumns(const DisplayList& list) {
    std::vector<int32_t> columns;
    for (const PixelSegment& s : list.axes)
        if (s.from.x == s.to.x && s.from.y == list.frame.y0 && s.to.y > s.from.y)
            columns.push_back(s.from.x);
    return columns;
}

std::vector<int32_t> YTickRows(const DisplayList& list) {
    std::vector<int32_t> rows;
    for (const PixelSegment& s : list.axes)
        if (s.from.y == s.to.y && s.from.x == list.frame.x0 && s.to.x < s.from.x)
            rows.push_back(s.from.y);
    return rows;
}

const PlacedText* FindText(const DisplayList& list, const std::string& text) {
    for (const PlacedText& t : list.texts)
        if (t.text == text) return &t;
    return nullptr;
}

TEST(GraphLayoutTest, DefaultsOnTheSmallPicture) {
    const DisplayList list = LayoutGraph(Defaults(), kWidth, kHeight);
    EXPECT_EQ(list.frame.x0, 45);
    EXPECT_EQ(list.frame.y0, 167);
    EXPECT_EQ(list.frame.xLength, 306);
    EXPECT_EQ(list.frame.yLength, 148);

    // Rounded halves to even from 45 + 30.6 k, k = 1 to 10; no tick at the corner.
    EXPECT_EQ(XTickColumns(list),
              (std::vector<int32_t>{76, 106, 137, 167, 198, 229, 259, 290, 320, 351}));
    EXPECT_EQ(YTickRows(list).front(), 152);
    EXPECT_EQ(YTickRows(list).size(), 10u);

    const PlacedText* fifty = FindText(list, "5.00E+1");
    ASSERT_NE(fifty, nullptr);
    EXPECT_EQ(fifty->topLeft, (Pixel{5, 85}));  // the y label at k = 5 comes first
    const PlacedText* hundred = FindText(list, "1.00E+2");
    ASSERT_NE(hundred, nullptr);
    EXPECT_EQ(list.texts.size(), 4u);  // two labels on each axis; titles hidden
    EXPECT_EQ(list.texts[3].text, "1.00E+2");
    EXPECT_EQ(list.texts[3].topLeft, (Pixel{351 - 15, 172}));
    EXPECT_EQ(list.texts[2].topLeft, (Pixel{198 - 15, 172}));
}

// A measure of 6 pixels a character, lines 10 pixels high (12 for the main title).
TextMetrics SixPixelCharacters() {
    TextMetrics m;
    m.width = [](const std::string& text, bool) { return static_cast<int32_t>(6 * text.size()); };
    m.height = 10;
    m.largeHeight = 12;
    return m;
}

// With a measure, nothing is written over the axes and nothing leaves the picture, for the x and
// y titles where the defaults put them and for titles and labels put anywhere.
TEST(GraphLayoutTest, MeasuredTextsStandClearOfTheAxesAndInsideThePicture) {
    const TextMetrics m = SixPixelCharacters();
    GrapherModel model = Defaults();
    model.xTitle.text = "ke/ep { particle KE, in eV }";
    model.yTitle.text = "counts";
    model.mainTitle.text = "a main title far too long for the place where it stands";
    model.labels[0] = {"off the edge", 400, 190, kFirstLabel, true};
    for (GraphText* t : {&model.xTitle, &model.yTitle, &model.mainTitle}) t->visible = true;
    for (const bool fourSides : {false, true}) {
        SCOPED_TRACE(fourSides);
        model.settings.fourSides = fourSides;
        const DisplayList list = LayoutGraph(model, kWidth, kHeight, m);
        const AxisFrame& f = list.frame;
        // The y axis stands right of its widest label ("5.00E+1", 42 pixels) and the tick.
        EXPECT_EQ(f.x0, 42 + 5 + 3 + 2);
        const int32_t top = f.y0 - f.yLength;
        int32_t titles = 0;
        for (const PlacedText& t : list.texts) {
            SCOPED_TRACE(t.text);
            const int32_t w = m.width(t.text, t.large);
            const int32_t h = t.large ? m.largeHeight : m.height;
            EXPECT_GE(t.topLeft.x, 0);
            EXPECT_LE(t.topLeft.x + w, kWidth);
            EXPECT_GE(t.topLeft.y, 0);
            EXPECT_LE(t.topLeft.y + h, kHeight);
            if (t.kind == kNoGraphText && t.topLeft.y < f.y0) {
                EXPECT_LE(t.topLeft.x + w, f.x0 - 5 - 3);  // a y label ends before its tick
            } else if (t.kind == kNoGraphText) {
                EXPECT_GT(t.topLeft.y, f.y0 + 5);  // an x label starts below its tick
            } else if (t.kind == kXTitle) {
                ++titles;
                EXPECT_GE(t.topLeft.y, f.y0 + 5 + 1 + m.height);  // below the x labels
                EXPECT_EQ(t.topLeft.x + w / 2, f.x0 + f.xLength / 2);
            } else if (t.kind == kYTitle) {
                ++titles;
                EXPECT_LT(t.topLeft.y + h, top - 8);  // above the top y label
            }
        }
        EXPECT_EQ(titles, 2);
    }

    // A title the user put somewhere stays there, while it fits in the picture.
    model.xTitle.x = 100;
    model.xTitle.y = 40;
    const DisplayList placed = LayoutGraph(model, kWidth, kHeight, m);
    EXPECT_EQ(FindText(placed, model.xTitle.text)->topLeft, (Pixel{100, 40}));
    EXPECT_EQ(FindText(placed, "off the edge")->topLeft, (Pixel{kWidth - 72, kHeight - 10}));
}

// Titles and labels where the defaults put them follow the picture's size; one the user moved
// stays where it is.
TEST(GraphLayoutTest, TextsAtTheirDefaultsFollowThePictureSize) {
    GrapherModel model = Defaults();
    model.labels[2].x = 30;
    FollowPictureSize(model, kWidth, kHeight, 800, 600);
    EXPECT_EQ(model.xTitle.x, 780);
    EXPECT_EQ(model.xTitle.y, 580);
    EXPECT_EQ(model.mainTitle.x, 400);
    EXPECT_EQ(model.labels[0].y, 600 - 15 - 50);
    EXPECT_EQ(model.labels[2].x, 30);
    EXPECT_EQ(model.labels[2].y, kHeight - 45 - 50);
    EXPECT_TRUE(AtDefaultPosition(model.yTitle, 800, 600));
}

// A title is picked up where the picture shows it.
TEST(GraphLayoutTest, ATitleIsPickedUpWhereItIsDrawn) {
    GrapherModel model = Defaults();
    model.xTitle.visible = true;
    const DisplayList list = LayoutGraph(model, kWidth, kHeight, SixPixelCharacters());
    const Pixel drawn = FindText(list, "X")->topLeft;
    EXPECT_NE(drawn, (Pixel{model.xTitle.x, model.xTitle.y}));
    const std::vector<GraphText> hits = PressAt(model, drawn.x + 2, drawn.y + 2, list.texts);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].kind, kXTitle);
    EXPECT_EQ(hits[0].x, drawn.x);
    EXPECT_TRUE(ReleaseAt(model, 10, 150));
    EXPECT_EQ(model.xTitle.x, 10);
    EXPECT_EQ(model.xTitle.y, 150);
}

TEST(GraphLayoutTest, CornerTicksFourSidesAndAxesOff) {
    struct Case {
        const char* name;
        bool drawX, drawY, fourSides;
        size_t xTicks, yTicks;
        int32_t firstX;
    };
    const Case cases[] = {
        {"x axis alone ticks the corner", true, false, false, 11, 0, 45},
        {"y axis alone ticks the corner", false, true, false, 0, 11, 0},
        {"four sides leave corner and far end to the frame", true, true, true, 9, 9, 76},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GrapherModel model = Defaults();
        model.settings.x.draw = c.drawX;
        model.settings.y.draw = c.drawY;
        model.settings.fourSides = c.fourSides;
        const DisplayList list = LayoutGraph(model, kWidth, kHeight);
        EXPECT_EQ(XTickColumns(list).size(), c.xTicks);
        EXPECT_EQ(YTickRows(list).size(), c.yTicks);
        if (c.xTicks > 0) {
            EXPECT_EQ(XTickColumns(list).front(), c.firstX);
        }
    }
}

TEST(GraphLayoutTest, NoTicksNoLabelIntervalAndTitles) {
    GrapherModel model = Defaults();
    model.settings.x.ticks = 0;
    model.settings.y.labelInterval = 0;
    model.mainTitle.visible = true;
    model.labels[4].visible = true;
    DisplayList list = LayoutGraph(model, kWidth, kHeight);
    EXPECT_TRUE(XTickColumns(list).empty());
    EXPECT_EQ(YTickRows(list).size(), 10u);
    ASSERT_EQ(list.texts.size(), 2u);  // no axis labels at all
    EXPECT_EQ(list.texts[0].text, "Main");
    EXPECT_TRUE(list.texts[0].large);
    EXPECT_EQ(list.texts[1].text, "Label 5");
    EXPECT_FALSE(list.texts[1].large);

    // Without the y axis the main title still shows, once.
    model.settings.y.draw = false;
    list = LayoutGraph(model, kWidth, kHeight);
    EXPECT_EQ(std::count_if(list.texts.begin(), list.texts.end(),
                            [](const PlacedText& t) { return t.text == "Main"; }),
              1);
}

TEST(GraphLayoutTest, PointsToPixels) {
    GrapherModel model = Defaults();
    DataCache& cache = model.caches[0];
    constexpr float inf = std::numeric_limits<float>::infinity();
    cache.points = {{0, 0}, {50, 50}, {50, 50}, {100, 100}, {inf, 1}, {1e30f, -1e30f}, {0, 0}};
    cache.symbolsOn = true;
    cache.yOffset = -3;
    model.caches[1].points = {{1, 1}};
    model.caches[1].shown = false;
    model.caches[2].points = {{1, 1}, {2, 2}};
    model.caches[2].penStyle = PenStyle::Clear;

    const DisplayList list = LayoutGraph(model, kWidth, kHeight);
    ASSERT_EQ(list.lines.size(), 1u);
    // A non-finite point breaks the line; a repeated pixel is kept once; far values are held.
    const std::vector<std::vector<Pixel>> runs = {
        {{45, 164}, {198, 90}, {351, 16}},
        {{32760, 32760 - 3}, {45, 164}},
    };
    EXPECT_EQ(list.lines[0].runs, runs);
    // A symbol far outside the picture is left out; of two at one place the later is kept.
    ASSERT_EQ(list.symbols.size(), 1u);
    EXPECT_EQ(list.symbols[0].centres, (std::vector<Pixel>{{198, 90}, {351, 16}, {45, 164}}));
    EXPECT_FALSE(list.symbols[0].squares);

    // Clipped to the axes, far values stop at the axes' ends (three points in one column keep
    // their ends); a zero span maps nothing.
    model.settings.clip = true;
    const std::vector<std::vector<Pixel>> clipped = {
        {{45, 164}, {198, 90}, {351, 16}, {351, 164}, {45, 164}}};
    EXPECT_EQ(LayoutGraph(model, kWidth, kHeight).lines[0].runs, clipped);
    model.settings.clip = false;
    model.settings.x.span = 0;
    EXPECT_TRUE(LayoutGraph(model, kWidth, kHeight).lines[0].runs.empty());
}

TEST(GraphLayoutTest, PixelsHeldWithinTheDrawingRange) {
    EXPECT_EQ(RoundPixel(2.5), 2);
    EXPECT_EQ(RoundPixel(3.5), 4);
    EXPECT_EQ(RoundPixel(1e300), 32760);
    EXPECT_EQ(RoundPixel(-40000), -32760);
    GrapherSettings s;
    s.x.length = 1e30f;
    s.bottomMargin = -2'000'000'000;
    const AxisFrame f = AxisFrameOf(s, kWidth, kHeight);
    EXPECT_EQ(f.xLength, 32760);
    EXPECT_EQ(f.y0, 32760);
}

}  // namespace
