#include "composite/PotentialPlot.h"

#include <gtest/gtest.h>

namespace velkor {
namespace {

// A falling potential: 10 eV at 1 A down to 1 eV at 4 A.
TPotentialCurve Curve() {
    TPotentialCurve c;
    c.r = {1, 2, 3, 4};
    c.value = {10, 5, 2, 1};
    return c;
}

TEST(PotentialPlot, TheCurveSpansTheAxesFromItsFirstValueToItsLastRadius) {
    const TPotlGraphView view;
    const TPotlDrawing d = LayOutPotentialPlot(view, Curve(), 460, 340);
    // H = 300, W = 400, x0 = 30, y0 = 320.
    ASSERT_EQ(d.curve.size(), 4u);
    EXPECT_EQ(d.curve[0].x, 130);
    EXPECT_EQ(d.curve[0].y, 20);
    EXPECT_EQ(d.curve[1].x, 230);
    EXPECT_EQ(d.curve[1].y, 170);
    EXPECT_EQ(d.curve[3].x, 430);
    EXPECT_EQ(d.curve[3].y, 290);
    // Two axes, ten ticks each, every one numbered as a fraction of 10 eV or 4 A.
    EXPECT_EQ(d.axes.size(), 22u);
    EXPECT_EQ(d.axes[0].from.x, 30);
    EXPECT_EQ(d.axes[0].to.x, 430);
    ASSERT_EQ(d.labels.size(), 20u);
    EXPECT_EQ(d.labels[0].text, "1.00");
    EXPECT_EQ(d.labels[4].text, "5.00");
    EXPECT_EQ(d.labels[4].at.x, 2);
    EXPECT_EQ(d.labels[4].at.y, 162);
    EXPECT_EQ(d.labels[9].text, "10.00");
    EXPECT_EQ(d.labels[10].text, "0.40");
    EXPECT_EQ(d.labels[19].text, "4.00");
    EXPECT_EQ(d.labels[19].at.x, 425);
    EXPECT_EQ(d.labels[19].at.y, 325);
}

// However far a plot is zoomed or shifted, the ticks in the picture keep their numbers, about as
// many as unzoomed, each different from its neighbour.
TEST(PotentialPlot, EveryTickInViewIsNumberedAfterAZoom) {
    for (int zooms : {0, 1, 2, 5, 12, 30}) {
        for (int32_t shift : {0, -100}) {
            SCOPED_TRACE(testing::Message() << zooms << " zooms, shift " << shift);
            TPotlGraphView view;
            for (int k = 0; k < zooms; ++k) {
                PotlGraphKeyDown(view, PotlGraphKey::Home, false);
                PotlGraphKeyDown(view, PotlGraphKey::PageUp, false);
            }
            view.xShift = view.yShift = shift * (zooms > 0);
            const TPotlDrawing d = LayOutPotentialPlot(view, Curve(), 460, 340);
            ASSERT_FALSE(d.curve.empty());
            std::vector<std::string> xNumbers, yNumbers;
            for (const TPlotLabel& label : d.labels)
                (label.at.y == PotlFrameOf(view, 460, 340).y0 + 5 ? xNumbers : yNumbers)
                    .push_back(label.text);
            EXPECT_EQ(xNumbers.size() + yNumbers.size() + 2, d.axes.size());  // a number a tick
            for (const auto* numbers : {&xNumbers, &yNumbers}) {
                EXPECT_GE(numbers->size(), 5u);
                EXPECT_LE(numbers->size(), 21u);
                for (size_t k = 1; k < numbers->size(); ++k)
                    EXPECT_NE((*numbers)[k], (*numbers)[k - 1]);
            }
        }
    }
}

TEST(PotentialPlot, CommandsAndKeysChangeTheView) {
    TPotlGraphView view;
    ApplyPotlGraphCommand(view, PotlGraphCommand::XZoomIn);
    ApplyPotlGraphCommand(view, PotlGraphCommand::XZoomIn);
    EXPECT_EQ(PotlFrameOf(view, 460, 340).W, 900);  // Round(400 x 2.25)
    PotlGraphKeyDown(view, PotlGraphKey::Up, true);
    PotlGraphKeyDown(view, PotlGraphKey::Left, false);
    PotlGraphKeyDown(view, PotlGraphKey::PageUp, true);  // Shift alone: arrows only
    PotlGraphKeyDown(view, PotlGraphKey::F9, false);
    PotlGraphKeyDown(view, PotlGraphKey::End, false);
    EXPECT_EQ(view.yShift, 100);
    EXPECT_EQ(view.xShift, -10);
    EXPECT_EQ(view.yZoom, 1.0f);
    EXPECT_EQ(view.fontSize, 9);
    EXPECT_FLOAT_EQ(view.xZoom, 1.5f);
    for (int i = 0; i < 12; ++i) PotlGraphKeyPress(view, 'y');
    PotlGraphKeyPress(view, 'X');
    EXPECT_EQ(view.yTicks, 1);
    EXPECT_EQ(view.xTicks, 11);
    ApplyPotlGraphCommand(view, PotlGraphCommand::ToggleAxes);
    EXPECT_TRUE(LayOutPotentialPlot(view, Curve(), 460, 340).axes.empty());
    ApplyPotlGraphCommand(view, PotlGraphCommand::RestoreDefaults);
    EXPECT_TRUE(view.axesOn);
    EXPECT_EQ(view.xTicks, 10);
    EXPECT_EQ(view.fontSize, 7);
    // However often a key is pressed, the numbers stay finite.
    for (int i = 0; i < 5000; ++i) PotlGraphKeyDown(view, PotlGraphKey::Home, false);
    EXPECT_GT(PotlFrameOf(view, 460, 340).W, 0);
    EXPECT_FALSE(LayOutPotentialPlot(view, Curve(), 460, 340).curve.empty());
}

TEST(PotentialPlot, ACurveThatCannotBeScaledDrawsNothingAndReadsNothing) {
    TPotentialCurve zeroTop = Curve(), zeroRight = Curve(), empty;
    zeroTop.value[0] = 0;
    zeroRight.r[3] = 0;
    const TPotentialCurve good = Curve();
    const TPotlGraphView view;
    struct Case {
        const TPotentialCurve* curve;
        int width, height;
    };
    const Case cases[] = {{&empty, 460, 340},
                          {&zeroTop, 460, 340},
                          {&zeroRight, 460, 340},
                          {&good, 60, 340},
                          {&good, 460, 40}};
    for (const Case& c : cases) {
        const TPotlDrawing d = LayOutPotentialPlot(view, *c.curve, c.width, c.height);
        EXPECT_TRUE(d.curve.empty() && d.axes.empty() && d.labels.empty());
        EXPECT_FALSE(
            PotentialReadOut(view, *c.curve, c.width, c.height, kPotentialCaption, 100, 100));
    }
}

TEST(PotentialPlot, AClickReadsOffTheCurveForItsCaption) {
    const TPotlGraphView view;
    EXPECT_EQ(PotentialReadOut(view, Curve(), 460, 340, kPotentialCaption, 230, 170),
              "R = 2.000 A, V = 5.000 eV");
    EXPECT_EQ(PotentialReadOut(view, Curve(), 460, 340, kForceCaption, 30, 320),
              "R = 0.000 A, F = 0.000 eV/A");
    EXPECT_EQ(PotentialReadOut(view, Curve(), 460, 340, kForceCaption, 10, 330),
              "R = -0.200 A, F = -0.333 eV/A");
    EXPECT_FALSE(PotentialReadOut(view, Curve(), 460, 340, "Training data", 230, 170));
    const auto cross = ClickCross(50, 60);
    ASSERT_EQ(cross.size(), 2u);
    EXPECT_EQ(cross[0].from.x, 46);
    EXPECT_EQ(cross[0].to.x, 55);
    EXPECT_EQ(cross[1].from.y, 56);
    EXPECT_EQ(cross[1].to.y, 65);
}

}  // namespace
}  // namespace velkor
