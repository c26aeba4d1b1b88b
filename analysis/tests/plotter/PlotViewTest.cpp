// The plotter's geometry: depth order on the shared sort, pixels, read-outs, zoom, shifts,
// rotations and the labels, and the outline of a sphere.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "plotter/PlotRotation.h"
#include "plotter/PlotSymbols.h"
#include "plotter/PlotView.h"

namespace halvern {
namespace {

// The depth sort as the plotter's description gives it, arrays numbered from 1 (entry 0 unused):
// passes := trunc(ln n x 1.442695022 + 1e-5), the gap halved before each pass, and for i := 1 to
// n - gap a walk from j := i down while key[j] > key[j + gap], exchanging entries j and j + gap.
struct SortedEntries {
    std::vector<float> key, second, third;
    std::vector<int32_t> index;
};

void WrittenOutDepthSort(int32_t n, SortedEntries& e) {
    const auto passes = static_cast<int32_t>(std::log(static_cast<double>(n)) * 1.442695022 + 1e-5);
    int32_t gap = n;
    for (int32_t pass = 0; pass < passes; ++pass) {
        gap /= 2;
        for (int32_t i = 1; i <= n - gap; ++i) {
            for (int32_t j = i; j > 0 && e.key[j] > e.key[j + gap]; j -= gap) {
                std::swap(e.key[j], e.key[j + gap]);
                std::swap(e.second[j], e.second[j + gap]);
                std::swap(e.index[j], e.index[j + gap]);
                std::swap(e.third[j], e.third[j + gap]);
            }
        }
    }
}

// The plotter's depth order is that sort's, equal keys included (a shell sort leaves them in an
// order of its own), on many equal keys, signed zeros and infinities.
TEST(PlotView, DepthSortIsTheWrittenOutShellSort) {
    std::mt19937 gen(7);
    const float specials[] = {0.0f, -0.0f, std::numeric_limits<float>::infinity(),
                              -std::numeric_limits<float>::infinity()};
    for (int32_t n : {1, 2, 3, 16, 17, 1000, 1024, 30000}) {
        SCOPED_TRACE(n);
        SortedEntries expected{{0}, {0}, {0}, {0}};
        std::vector<float> key(n), second(n), third(n);
        std::vector<int32_t> index(n);
        for (int32_t k = 0; k < n; ++k) {
            key[k] = gen() % 10 == 0 ? specials[gen() % 4]
                                     : static_cast<float>(gen() % 13) * 0.25f - 1.5f;
            second[k] = static_cast<float>(k);
            third[k] = static_cast<float>(-k);
            index[k] = k;
            expected.key.push_back(key[k]);
            expected.second.push_back(second[k]);
            expected.third.push_back(third[k]);
            expected.index.push_back(k);
        }
        WrittenOutDepthSort(n, expected);
        DepthSort(n, key.data(), second.data(), index.data(), third.data());
        for (int32_t k = 0; k < n; ++k) {
            ASSERT_EQ(index[k], expected.index[k + 1]) << k;
            ASSERT_EQ(std::signbit(key[k]), std::signbit(expected.key[k + 1])) << k;
            ASSERT_EQ(second[k], expected.second[k + 1]) << k;
            ASSERT_EQ(third[k], expected.third[k + 1]) << k;
        }
        EXPECT_TRUE(std::is_sorted(key.begin(), key.end()));
    }
}

TEST(PlotView, ProjectionSortsTheFrameByDepthOfItsPlane) {
    TrajectoryData data;
    data.append(1, 2, 3, 0, 10);
    data.append(4, -5, 6, 0, 11);
    data.append(7, 8, -9, 0, 12);
    FrameArrays arrays;
    ASSERT_TRUE(arrays.allocate(3));
    const struct {
        Perspective plane;
        std::vector<float> h, v;
        std::vector<int32_t> particle;
    } cases[] = {
        {Perspective::XZ, {4, 1, 7}, {6, 3, -9}, {11, 10, 12}},
        {Perspective::XY, {7, 1, 4}, {8, 2, -5}, {12, 10, 11}},
        {Perspective::YZ, {2, -5, 8}, {3, 6, -9}, {10, 11, 12}},
    };
    for (const auto& c : cases) {
        ProjectFrame(data, {0, 2}, c.plane, arrays);
        ASSERT_EQ(arrays.count, 3);
        EXPECT_EQ(arrays.horizontal, c.h);
        EXPECT_EQ(arrays.vertical, c.v);
        EXPECT_EQ(arrays.particle, c.particle);
    }
    ProjectFrame(data, {1, 2}, Perspective::XZ, arrays);
    EXPECT_EQ(arrays.count, 2);
    ProjectFrame(data, {2, 5}, Perspective::XZ, arrays);  // beyond the records: nothing
    EXPECT_EQ(arrays.count, 0);
}

TEST(PlotView, ScreenPointsRoundHalvesToEvenAndStayInRange) {
    PlotView view;  // origin 200, 150; zoom 10
    const struct {
        float h, v;
        bool drawn;
        int32_t x, y;
    } cases[] = {
        {0, 0, true, 200, 250},        {5, 1, true, 250, 240},
        {0.25f, 0.75f, true, 202, 242},  // 2.5 -> 2, 7.5 -> 8
        {1e30f, -1e30f, true, 32760, 32760}, {-4000, 4000, true, -32760, -32760},
        {NAN, 0, false, 0, 0},         {0, INFINITY, false, 0, 0},
    };
    for (const auto& c : cases) {
        PlotPixel p;
        ASSERT_EQ(PlotScreenPoint(view, 400, c.h, c.v, p), c.drawn) << c.h;
        if (!c.drawn) continue;
        EXPECT_EQ(p.x, c.x) << c.h;
        EXPECT_EQ(p.y, c.y) << c.v;
    }
}

TEST(PlotView, ReadOutsAndLabels) {
    PlotView view;
    EXPECT_EQ(ReadOutTexts(view, 400, 250, 250),
              (std::array<std::string, 2>{"x:5.000", "z:0.000"}));
    view.perspective = Perspective::XY;
    view.zoom.position = 3;
    EXPECT_EQ(ReadOutTexts(view, 400, 199, 251),
              (std::array<std::string, 2>{"x:-0.333", "y:-0.333"}));
    view.perspective = Perspective::YZ;
    EXPECT_EQ(AxisPrefixes(view.perspective), (std::array<std::string, 2>{"y:", "z:"}));

    TrajectoryData data;
    data.append(0, 0, 0, 1e-14f, 0);
    data.append(0, 0, 0, 1.2e-14f, 0);
    data.osl = true;
    // The single-precision times' noise shows in the cut text, as it always has.
    EXPECT_EQ(FrameTimeText(data, {0, 1}), "10.999 fs");
    data.time = {2.5f, 2.5f};
    data.osl = false;
    EXPECT_EQ(FrameTimeText(data, {0, 1}), "2.5 fs");
    EXPECT_EQ(FrameLabelText(3, 12), "Frame 3 of 12");
}

TEST(PlotView, ZoomStepsAndShifts) {
    ZoomControl zoom{1, 1};
    std::vector<int32_t> positions;
    for (int i = 0; i < 22; ++i) {
        StepZoom(zoom, true);
        positions.push_back(zoom.position);
    }
    EXPECT_EQ(positions[18], 20);
    EXPECT_EQ(positions[19], 25);
    EXPECT_EQ(positions[21], 35);
    for (int i = 0; i < 400; ++i) StepZoom(zoom, true);
    EXPECT_EQ(zoom.position, kZoomMax);
    for (int i = 0; i < 400; ++i) StepZoom(zoom, false);
    EXPECT_EQ(zoom.position, kZoomMin);

    PlotView view;
    ShiftPlot(view, PlotShift::Left);
    ShiftPlot(view, PlotShift::Up);
    EXPECT_EQ(view.x0, 175);
    EXPECT_EQ(view.y0, 175);
    for (int i = 0; i < 100000; ++i) ShiftPlot(view, PlotShift::Right);
    EXPECT_EQ(view.x0, 1 << 20);
}

TEST(PlotView, RotationsTurnTheDataAndCountTheAngles) {
    TrajectoryData data;
    data.append(1, 0, 0, 0, 0);
    PlotView view;
    RotateStep(data, view, RotationPlane::XY, true);
    EXPECT_NEAR(data.x[0], std::cos(5 * M_PI / 180), 1e-6);
    EXPECT_NEAR(data.y[0], std::sin(5 * M_PI / 180), 1e-6);
    EXPECT_EQ(StepAngleTexts(RotationPlane::YZ, false),
              (std::array<std::string, 3>{"0.0", "-5", "0.0"}));
    // A positive typed angle turns the xy and yz planes against the steps, zx with them.
    data.x = {1};
    data.y = {0};
    data.z = {0};
    RotateStep(data, view, RotationPlane::ZX, true);
    EXPECT_GT(data.z[0], 0.08f);
    ApplyRotation(data, view, 0, 0, -5);
    EXPECT_NEAR(data.x[0], 1, 1e-6);
    EXPECT_NEAR(data.z[0], 0, 1e-6);
    ApplyRotation(data, view, 5, 0, 0);
    EXPECT_NEAR(data.y[0], -std::sin(5 * M_PI / 180), 1e-6);
    EXPECT_EQ(RotationLabelTexts(view)[0], "Rxy:10.000");

    // Rxy at 350 degrees turned by 20 more shows 10; the steps do not wrap.
    PlotView turned;
    turned.rxy = static_cast<float>(350 * M_PI / 180);
    ApplyRotation(data, turned, 20, 0, -400);
    EXPECT_EQ(RotationLabelTexts(turned),
              (std::array<std::string, 3>{"Rxy:10.000", "Ryz:0.000", "Rzx:-40.000"}));
    for (int i = 0; i < 80; ++i) RotateStep(data, turned, RotationPlane::YZ, true);
    EXPECT_EQ(RotationLabelTexts(turned)[1], "Ryz:400.000");
}

TEST(PlotView, SymbolGeometry) {
    const SphereOutline s = SphereOutlineAt({100, 50});
    EXPECT_EQ((std::array<int32_t, 4>{s.disc.left, s.disc.top, s.disc.right, s.disc.bottom}),
              (std::array<int32_t, 4>{95, 45, 105, 55}));
    EXPECT_EQ((std::array<int32_t, 4>{s.meridian.left, s.meridian.top, s.meridian.right,
                                      s.meridian.bottom}),
              (std::array<int32_t, 4>{98, 45, 102, 55}));
    EXPECT_EQ((std::array<int32_t, 4>{s.equator.left, s.equator.top, s.equator.right,
                                      s.equator.bottom}),
              (std::array<int32_t, 4>{95, 46, 105, 51}));
    // From the left end, over the front (lower) side, to the right end.
    EXPECT_NEAR(s.startDegrees, 180 - std::atan2(2.5, 5) * 180 / M_PI, 1e-9);
    EXPECT_GT(s.spanDegrees, 180);
    EXPECT_LT(s.spanDegrees, 200);
    // Negative pixels truncate towards zero, as they were first drawn.
    EXPECT_EQ(SphereOutlineAt({-10, 0}).meridian.left, -11);
    EXPECT_EQ(IconCorner({100, 50}, 16, 15).x, 92);
    EXPECT_EQ(IconCorner({100, 50}, 16, 15).y, 43);
    EXPECT_EQ(CircleFill(kDarkScheme), colour::Black);
    EXPECT_EQ(CircleFill(kLightScheme), kWhite);
}

}  // namespace
}  // namespace halvern
