// What the orientation windows compute for their picture: the cut and move of "Test", the
// projection and its drawing order, pixels, read-out, and the points read from a file.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ScratchDir.h"
#include "orientation/OrientFields.h"
#include "orientation/OrientPoints.h"
#include "orientation/Projection.h"

namespace velkor {
namespace {

TEST(OrientCut, KeepsByTypeWithInclusiveBounds) {
    TOrientParams p;  // x, y, z -100..100, r 0..100
    p.rHi = 5;
    p.zLo = -1;
    p.zHi = 1;
    struct Case {
        CutType cut;
        double x, y, z;
        bool kept;
    };
    const Case cases[] = {
        {CutType::Cartesian, 100, 0, 0, true},  // bounds inclusive
        {CutType::Cartesian, 100.000001, 0, 0, false},
        {CutType::Cartesian, 0, -100, 1, true},
        {CutType::Cartesian, 0, 0, 1.5, false},
        {CutType::Cylindrical, 3, 4, 0, true},  // r = 5
        {CutType::Cylindrical, 3, 4.01, 0, false},
        {CutType::Cylindrical, 0, 0, -1.5, false},  // z limits apply
        {CutType::Spherical, 3, 0, 4, true},        // z limits ignored: r = 5
        {CutType::Spherical, 0, 0, 5.01, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << " " << c.y << " " << c.z);
        p.cut = c.cut;
        EXPECT_EQ(KeptByCut(p, c.x, c.y, c.z), c.kept);
    }
    // The x and y limits do not bound a cylinder or a sphere.
    p.xHi = p.yHi = -50;
    p.cut = CutType::Cylindrical;
    EXPECT_TRUE(KeptByCut(p, 1, 1, 0));
    p.cut = CutType::Spherical;
    EXPECT_TRUE(KeptByCut(p, 1, 1, 0));
}

TEST(OrientCut, TestRotatesCutsAndMovesTheKeptPoints) {
    TOrientPoints points;
    points.add(1, 0, 0);
    points.add(0, 6, 0);
    points.add(2, 0, -3);
    TOrientParams p;
    p.zRot = 90;
    p.cut = CutType::Cylindrical;
    p.rHi = 5;
    p.shiftX = 1;
    p.shiftZ = -1;
    ASSERT_EQ(TestOrientation(points, p), 2);
    EXPECT_EQ(points.x, (std::vector<double>{-1, -1}));
    EXPECT_EQ(points.y, (std::vector<double>{1, 2}));
    EXPECT_EQ(points.z, (std::vector<double>{1, -2}));
}

TEST(OrientFields, ReadsEveryTextAndRefusesANonNumber) {
    TOrientTexts texts;
    for (size_t k = 0; k < kOrientFieldCount; ++k) texts[k] = ImpactOrientFields()[k].field.text;
    texts[static_cast<size_t>(OrientField::ZRot)] = "90";
    texts[static_cast<size_t>(OrientField::AngXY)] = "180";
    halvern::RecordingSink sink;
    TOrientReading reading;
    ASSERT_TRUE(ReadOrientParams(texts, CutType::Cylindrical, reading, sink));
    EXPECT_EQ(reading.params.zRot, 90);
    EXPECT_EQ(reading.params.zLo, -1000);
    EXPECT_EQ(reading.params.rHi, 100);
    EXPECT_EQ(reading.params.cut, CutType::Cylindrical);
    EXPECT_NEAR(reading.angXY, std::numbers::pi, 1e-15);
    EXPECT_TRUE(sink.entries().empty());

    texts[static_cast<size_t>(OrientField::ShiftY)] = "1,5";
    EXPECT_FALSE(ReadOrientParams(texts, CutType::Cartesian, reading, sink));
    EXPECT_EQ(sink.texts(), std::vector<std::string>{"Numeric conversion error (1,5)"});
    EXPECT_EQ(TargetOrientFields()[static_cast<size_t>(OrientField::ZLo)].field.text,
              std::string("-100.0"));
}

TEST(OrientProjection, PlanesLabelsAndDrawingOrder) {
    TOrientPoints points;
    points.add(3, -1, 2);
    points.add(1, 2, -5);
    points.add(2, 0, 0);
    struct Case {
        Perspective perspective;
        const char *h, *v;
        std::vector<double> u, vv, w;
    };
    const Case cases[] = {
        // xy-plane: ascending depth z
        {Perspective::XY, "x:", "y:", {1, 2, 3}, {2, 0, -1}, {-5, 0, 2}},
        // yz-plane: ascending horizontal y
        {Perspective::YZ, "y:", "z:", {-1, 0, 2}, {2, 0, -5}, {3, 2, 1}},
        // xz-plane: ascending vertical z
        {Perspective::XZ, "x:", "z:", {1, 2, 3}, {-5, 0, 2}, {2, 0, -1}},
    };
    TProjection projection;
    for (const Case& c : cases) {
        ProjectPoints(points, c.perspective, projection);
        EXPECT_EQ(HorizLabel(c.perspective), std::string(c.h));
        EXPECT_EQ(VertLabel(c.perspective), std::string(c.v));
        EXPECT_EQ(projection.u, c.u);
        EXPECT_EQ(projection.v, c.vv);
        EXPECT_EQ(projection.w, c.w);
    }
    ProjectPoints(TOrientPoints{}, Perspective::XY, projection);  // an empty file
    EXPECT_EQ(projection.count(), 0);
}

TEST(OrientProjection, PixelsAndReadOut) {
    // Zoom 5 of the target window: 10 pixels per Angstrom, origin 150 from left and bottom.
    const TPictureFrame frame{150, 150, 5 * kTargetViewSpec.pixelsPerZoomStep, 300};
    TPixelPoint pixel;
    ASSERT_TRUE(ToPixel(frame, 1, 1, pixel));
    EXPECT_EQ(pixel.x, 160);
    EXPECT_EQ(pixel.y, 140);
    ASSERT_TRUE(ToPixel(frame, 0.25, -0.75, pixel));  // 2.5 and -7.5 round to even
    EXPECT_EQ(pixel.x, 152);
    EXPECT_EQ(pixel.y, 158);
    EXPECT_FALSE(ToPixel(frame, 1e300, 0, pixel));
    EXPECT_FALSE(ToPixel(frame, std::nan(""), 0, pixel));

    EXPECT_EQ(ReadOutHoriz(frame, "x:", 175), "x: 2.50");
    EXPECT_EQ(ReadOutVert(frame, "y:", 160), "y:-1.00");
    const TPictureFrame zoom0{150, 150, 0, 300};
    EXPECT_EQ(ReadOutHoriz(zoom0, "x:", 175), "x:");
    EXPECT_EQ(ReadOutVert(zoom0, "z:", 10), "z:");

    // Zoom 10 of the impact window: 40 pixels per Angstrom, origin 50 right of and above the
    // bottom-left corner.
    const TPictureFrame impact{kImpactViewSpec.originX, kImpactViewSpec.originY,
                               kImpactViewSpec.zoomStart * kImpactViewSpec.pixelsPerZoomStep, 300};
    ASSERT_TRUE(ToPixel(impact, 0, 0, pixel));
    EXPECT_EQ(pixel.x, 50);
    EXPECT_EQ(pixel.y, 250);
    ASSERT_TRUE(ToPixel(impact, 1, 0, pixel));
    EXPECT_EQ(pixel.x, 90);
}

class PointFile : public halvern::test::ScratchDir {};

TEST_F(PointFile, ReadsThreeNumbersOfEveryFilledLine) {
    const std::string file = path("points.imp");
    ASSERT_TRUE(halvern::WriteFileReplacing(
        file,
        "0.1 0.2 3.0 0.000000 2.555980 0.000000 1.277990 90.000000 0 50 25 3.000000\r\n"
        "\r\n   \t\r\n"
        "1 2 3 29 63.54600   0 Cu\n"
        "4 5 6"));
    TOrientPoints points;
    ASSERT_TRUE(ReadPointFile(file, points));
    EXPECT_EQ(points.x, (std::vector<double>{0.1, 1, 4}));
    EXPECT_EQ(points.z, (std::vector<double>{3, 3, 6}));

    ASSERT_TRUE(halvern::WriteFileReplacing(file, ""));
    EXPECT_TRUE(ReadPointFile(file, points));
    EXPECT_EQ(points.count(), 0);

    struct Bad {
        const char* text;
        int kept;
    };
    const Bad bad[] = {{"1 2 3\r\n1 2\r\n7 8 9\r\n", 1},  // a value missing is not taken from below
                       {"1 2 x\r\n", 0},
                       {"1 2 3\r\n1e999 0 0\r\n", 1}};
    for (const Bad& b : bad) {
        SCOPED_TRACE(b.text);
        ASSERT_TRUE(halvern::WriteFileReplacing(file, b.text));
        EXPECT_FALSE(ReadPointFile(file, points));
        EXPECT_EQ(points.count(), b.kept);
    }
    EXPECT_FALSE(ReadPointFile(path("missing.trg"), points));
}

}  // namespace
}  // namespace velkor
