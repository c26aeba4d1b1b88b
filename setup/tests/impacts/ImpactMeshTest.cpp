// The impact-point mesh: zone test, columns and rows of the walk, and the preview's pixels.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "impacts/ImpactLines.h"
#include "impacts/ImpactMesh.h"

namespace velkor {
namespace {

struct Point {
    double x, y;
    bool operator==(const Point&) const = default;
};

std::vector<Point> Walk(const TMeshLayout& layout) {
    std::vector<Point> points;
    const int64_t count = WalkImpactMesh(layout, [&](double x, double y) {
        points.push_back({x, y});
        return true;
    });
    EXPECT_EQ(count, static_cast<int64_t>(points.size()));
    return points;
}

const TMeshLayout kDefault{{0, 2.55598, 0, 1.27799}, 50, 25, 90};

TEST(ImpactMesh, DefaultMeshColumnsAndRows) {
    const std::vector<Point> points = Walk(kDefault);
    ASSERT_EQ(points.size(), 1250u);
    EXPECT_EQ(points[0], (Point{0, 0}));
    EXPECT_EQ(MeshPointText(points[1].x, points[1].y, 3), "0.00000000 0.05111960 3.00000000");
    EXPECT_EQ(MeshPointText(points.back().x, points.back().y, 3),
              "2.50486040 1.22687040 3.00000000");
    // Column by column: the row index runs fastest.
    EXPECT_EQ(points[25].y, 0);
    EXPECT_NEAR(points[25].x, 2.55598 / 50, 1e-15);
    EXPECT_EQ(MeshPointBound(kDefault), 1250);
}

TEST(ImpactMesh, CountsBoundTheWalkWhateverTheRounding) {
    // A million columns of 2e-5 A: the added steps drift, yet exactly nx columns are written.
    const TMeshLayout fine{{-10, 10, 0, 1}, 1000000, 1, 90};
    int64_t count = 0;
    double last = 0;
    WalkImpactMesh(fine, [&](double x, double) {
        ++count;
        last = x;
        return true;
    });
    EXPECT_EQ(count, 1000000);
    EXPECT_NEAR(last, 10 - 2e-5, 1e-8);

    struct Case {
        TMeshLayout layout;
        std::vector<Point> points;
    };
    const std::vector<Case> cases = {
        {{{0, 1, 0.5, 0.5}, 3, 4, 90}, {{0, 0.5}}},  // equal y bounds: the first point only
        {{{0.5, 0.5, 0, 1}, 3, 4, 90}, {}},          // equal x bounds: no column
        {{{1, 2, 3, 4}, 1, 1, 90}, {{1, 3}}},
        {{{0, 1, 0, 1}, 2, 0, 90}, {}},
        {{{0, 1, 1, 0}, 2, 2, 90}, {{0, 1}}},  // y bounds reversed: the first row only
    };
    for (const Case& c : cases) EXPECT_EQ(Walk(c.layout), c.points);

    // While no point was accepted the rows go on past by(max), but stop after ny of them.
    // (0.5, 1) lies outside a 40-degree zone, (2, 1) inside.
    EXPECT_EQ(Walk({{0.5, 3.5, 1, 1}, 2, 3, 40}), (std::vector<Point>{{2, 1}}));
    EXPECT_EQ(Walk({{0.5, 0.6, 1, 1}, 1, 1000000, 40}), std::vector<Point>{});
}

TEST(ImpactMesh, Angle60AgainstABruteForceGrid) {
    const TMeshLayout layout{{0, 2, 0, 2}, 40, 40, 60};
    const std::vector<Point> points = Walk(layout);
    const double limit = std::sin(60 * std::numbers::pi / 180);
    std::vector<Point> expected;
    for (int i = 0; i < 40; ++i)
        for (int j = 0; j < 40; ++j) {
            const double x = i * 0.05, y = j * 0.05;
            const double r = std::hypot(x, y);
            // Points on the boundary line itself are decided by rounding; leave them out.
            if (r > 0 && std::fabs(y / r - limit) < 1e-9) continue;
            if (r == 0 || y / r < limit) expected.push_back({x, y});
        }
    size_t matched = 0;
    for (const Point& p : points) {
        const double r = std::hypot(p.x, p.y);
        EXPECT_TRUE(r == 0 || p.y / r <= limit) << p.x << " " << p.y;
        for (const Point& e : expected)
            if (std::fabs(e.x - p.x) < 1e-12 && std::fabs(e.y - p.y) < 1e-12) ++matched;
    }
    EXPECT_EQ(matched, expected.size());
    EXPECT_EQ(points.front(), (Point{0, 0}));
    EXPECT_TRUE(InImpactZone(1, -5, 10));  // below the x axis is always inside
    EXPECT_FALSE(InImpactZone(0, 1, 89.9));
    EXPECT_TRUE(InImpactZone(0, 1, 90));
}

TEST(ImpactMesh, StoppingTheWalk) {
    int seen = 0;
    EXPECT_EQ(WalkImpactMesh(kDefault, [&](double, double) { return ++seen < 3; }), 3);
    EXPECT_EQ(MeshPointBound({{0, 1, 0, 1}, 1000000, 1000000, 90}), 1000000000000);
    EXPECT_EQ(MeshPointBound({{0, 1, 2, 2}, 1000000, 1000000, 90}), 1);
    EXPECT_EQ(MeshPointBound({{1, 1, 0, 1}, 10, 10, 90}), 0);
}

TEST(ImpactMesh, PreviewMapping) {
    TPreviewMap map;
    ASSERT_TRUE(MakePreviewMap(kDefault.bounds, map));
    EXPECT_EQ(map.span, 2.55598);
    EXPECT_EQ(map.right, 101);
    EXPECT_EQ(map.top, 101 - 50);  // 50.5 rounds to even
    int32_t px = 0, py = 0;
    PreviewPixel(map, 0, 0, px, py);
    EXPECT_EQ(px, 0);
    EXPECT_EQ(py, 100);
    PreviewPixel(map, 2.55598, 1.27799, px, py);
    EXPECT_EQ(px, 100);
    EXPECT_EQ(py, 50);

    EXPECT_FALSE(MakePreviewMap({1, 1, 2, 2}, map));  // spans of eps alone
    EXPECT_FALSE(MakePreviewMap({1, 0, 2, 1}, map));
    EXPECT_TRUE(MakePreviewMap({1, 0, 0, 1}, map));  // one range reversed, the other fine
}

TEST(ImpactLines, HeaderTextAndReading) {
    TMeshHeader header{0, 2.55598, 0, 1.27799, 90, 0, 50, 25, 3};
    EXPECT_EQ(MeshHeaderText(header),
              " 0.000000 2.555980 0.000000 1.277990 90.000000 0 50 25 3.000000");
    struct Case {
        const char* rest;
        HeaderKind kind;
    };
    const Case cases[] = {
        {"", HeaderKind::None},
        {"   ", HeaderKind::None},
        {" 0.0 2.5 0.0 1.2 90.0 0 50 25 3.0", HeaderKind::Complete},
        {" 0.0 2.5 0.0 1.2 90.0 0 50 25 3.0 extra", HeaderKind::Complete},
        {" 0.0 2.5 0.0 1.2 90.0 0 50 25", HeaderKind::NoZ0},
        {" 0.0 2.5 0.0 1.2 90.0 0 50", HeaderKind::Broken},
        {" 0.0 2.5 0.0 1.2 90.0 0.5 50 25 3", HeaderKind::Broken},
        {" 0.0 2.5 0.0 1.2 90.0 0 50 25 z", HeaderKind::Broken},
    };
    for (const Case& c : cases) {
        halvern::TextReader line(c.rest);
        TMeshHeader read;
        EXPECT_EQ(ReadMeshHeader(line, read), c.kind) << c.rest;
        if (c.kind == HeaderKind::Complete) {
            EXPECT_EQ(read.ny, 25);
        }
    }
}

}  // namespace
}  // namespace velkor
