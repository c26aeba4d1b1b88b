// The impact file of a mesh: its lines, the checks that run before anything is written, and
// the preview of the same walk.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "ScratchDir.h"
#include "TargetFileCheck.h"
#include "impacts/ImpactMeshFile.h"

namespace velkor {
namespace {

using halvern::RecordingSink;

const TMeshNumbers kDefault{{{0, 2.55598, 0, 1.27799}, 50, 25, 90}, 3.0, 0};

class ImpactMeshFile : public halvern::test::ScratchDir {
  protected:
    std::vector<std::string> lines(const std::string& file) {
        std::vector<std::string> problems;
        std::vector<std::string> out = test::CrLfLines(file, problems);
        EXPECT_TRUE(problems.empty());
        return out;
    }
};

TEST_F(ImpactMeshFile, DefaultMesh) {
    RecordingSink sink;
    ASSERT_TRUE(WriteImpactMesh(kDefault, path("mesh.imp"), sink));
    EXPECT_EQ(sink.texts(), std::vector<std::string>{"Number of trajectories: 1250"});
    const std::vector<std::string> mesh = lines(path("mesh.imp"));
    ASSERT_EQ(mesh.size(), 1250u);
    EXPECT_EQ(mesh[0],
              "0.00000000 0.00000000 3.00000000 0.000000 2.555980 0.000000 1.277990 90.000000 0 "
              "50 25 3.000000");
    EXPECT_EQ(mesh[1], "0.00000000 0.05111960 3.00000000");
    EXPECT_EQ(mesh.back(), "2.50486040 1.22687040 3.00000000");
}

TEST_F(ImpactMeshFile, AMillionColumnsGiveAMillionLines) {
    RecordingSink sink;
    const TMeshNumbers fine{{{-10, 10, 0, 1}, 1000000, 1, 90}, 3.0, 0};
    ASSERT_TRUE(WriteImpactMesh(fine, path("fine.imp"), sink));
    EXPECT_EQ(sink.texts(), std::vector<std::string>{"Number of trajectories: 1000000"});
    const std::string bytes = contents(path("fine.imp"));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 1000000);
}

TEST_F(ImpactMeshFile, EqualBoundsAndTheHeaderOfTheFirstPoint) {
    RecordingSink sink;
    // Equal y bounds: one point, by(max) written after its eps adjustment; z0 < 2 warns first.
    ASSERT_TRUE(WriteImpactMesh({{{0, 1, 0.5, 0.5}, 3, 4, 90}, 1.5, 0}, path("one.imp"), sink));
    EXPECT_EQ(sink.texts(), (std::vector<std::string>{"Projectile z0 is < 2.0 A",
                                                      "Number of trajectories: 1"}));
    EXPECT_EQ(lines(path("one.imp")),
              std::vector<std::string>{"0.00000000 0.50000000 1.50000000 0.000000 1.000000 "
                                       "0.500000 0.500000 90.000000 0 3 4 1.500000"});
}

TEST_F(ImpactMeshFile, RefusalsLeaveAnExistingFileUntouched) {
    const std::string ambiguous = "Ambiguous input: \rb(min) must be < b(max)";
    struct Case {
        const char* what;
        TMeshNumbers mesh;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"no impacts in x", {{{0, 1, 0, 1}, 0, 5, 90}, 3, 0}, {"Number of impacts must be > 0."}},
        {"z0 warning, then no impacts in y",
         {{{0, 1, 0, 1}, 5, -1, 90}, 1, 0},
         {"Projectile z0 is < 2.0 A", "Number of impacts must be > 0."}},
        {"x range reversed", {{{1, 0, 0, 1}, 5, 5, 90}, 3, 0}, {"Impact parameter range error."}},
        {"y range reversed", {{{0, 1, 1, 0}, 5, 5, 90}, 3, 0}, {"Impact parameter range error."}},
        {"bounds beyond a double",
         {{{0, HUGE_VAL, 0, 1}, 5, 5, 90}, 3, 0},
         {"Impact parameter range error."}},
        {"equal x bounds", {{{1, 1, 0, 1}, 5, 5, 90}, 3, 0}, {ambiguous}},
        {"weighted density", {{{0, 1, 0, 1}, 5, 5, 90}, 3, 1}, {ambiguous}},
    };
    const std::string file = path("mesh.imp");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(halvern::WriteFileReplacing(file, "kept\r\n"));
        RecordingSink sink;
        EXPECT_FALSE(WriteImpactMesh(c.mesh, file, sink));
        EXPECT_EQ(sink.texts(), c.messages);
        EXPECT_EQ(contents(file), "kept\r\n");
        EXPECT_EQ(fileCount(), 1u);
    }
}

TEST_F(ImpactMeshFile, LargeMeshOnlyWhenTheUserAgrees) {
    const TMeshNumbers large{{{0, 1, 0, 1}, 4000, 4000, 90}, 3, 0};
    RecordingSink sink;
    sink.scriptAnswers({false});
    EXPECT_FALSE(WriteImpactMesh(large, path("large.imp"), sink));
    ASSERT_EQ(sink.entries().size(), 1u);
    EXPECT_EQ(sink.entries()[0].kind, RecordingSink::Kind::YesNo);
    EXPECT_NE(sink.entries()[0].text.find("16000000 points"), std::string::npos);
    EXPECT_FALSE(halvern::FileExists(path("large.imp")));

    RecordingSink quiet;  // a mesh of 10 million asks nothing
    EXPECT_TRUE(AgreeToLargeMesh({{0, 1, 0, 1}, 1000000, 10, 90}, quiet));
    EXPECT_TRUE(quiet.entries().empty());
}

TEST_F(ImpactMeshFile, UnwritableFileReportsOnlyTheError) {
    RecordingSink sink;
    EXPECT_FALSE(WriteImpactMesh(kDefault, path("no/such/folder/mesh.imp"), sink));
    EXPECT_EQ(sink.texts(), std::vector<std::string>{"Error writing output to disk."});
}

TEST(MeshPreview, PixelsCountAndReadOut) {
    const TMeshPreview preview = PreviewImpactMesh(kDefault);
    ASSERT_TRUE(preview.drawable);
    EXPECT_EQ(preview.count, 1250);
    EXPECT_EQ(PreviewCountText(preview.count), "1250 impact points.");
    EXPECT_EQ(preview.lit[100 * kPreviewSize + 0], 1);  // the origin, bottom left
    EXPECT_EQ(preview.lit[0], 0);

    EXPECT_FALSE(PreviewImpactMesh({{{1, 1, 2, 2}, 5, 5, 90}, 3, 0}).drawable);
    EXPECT_EQ(PreviewImpactMesh({{{0, 1, 0, 1}, 5, 5, 90}, 3, 1}).count, 0);
    EXPECT_EQ(PreviewCountText(0), "Ambiguous input.");

    std::string x, y;
    PreviewReadOut(kDefault.layout.bounds, 50, 100, x, y);
    EXPECT_EQ(x, "x = 1.27799");
    EXPECT_EQ(y, "y = 0");
    PreviewReadOut({2, 1, 0, 1}, 50, 50, x, y);
    EXPECT_EQ(x, "Maximum in impact range should not be smaller than minimum.");
    EXPECT_EQ(y, x);

    EXPECT_TRUE(OriginRuleHolds(80, 0, 0));
    EXPECT_TRUE(OriginRuleHolds(90, 1, 0));
    EXPECT_FALSE(OriginRuleHolds(80, 1, 0));
    EXPECT_FALSE(OriginRuleHolds(60, 0, -0.5));
}

// The preview drawn point by point from the walk: the oracle of the quick one.
TMeshPreview WalkedPreview(const TMeshNumbers& mesh) {
    TMeshPreview preview;
    if (mesh.density != 0 || !MakePreviewMap(mesh.layout.bounds, preview.map)) return preview;
    preview.drawable = true;
    preview.lit.assign(static_cast<size_t>(kPreviewSize * kPreviewSize), 0);
    preview.count = WalkImpactMesh(mesh.layout, [&](double x, double y) {
        int32_t px = 0, py = 0;
        PreviewPixel(preview.map, x, y, px, py);
        if (px >= 0 && px < kPreviewSize && py >= 0 && py < kPreviewSize)
            preview.lit[static_cast<size_t>(py * kPreviewSize + px)] = 1;
        return true;
    });
    return preview;
}

TEST(MeshPreview, DrawsAndCountsWhatTheWalkDoes) {
    std::vector<TMeshNumbers> meshes = {
        kDefault,
        {{{0, 2, 0, 2}, 40, 40, 60}, 3, 0},     // a zone of 60 degrees
        {{{0, 10, 0, 1}, 7, 300, 10}, 3, 0},    // steep rows left out
        {{{0, 1, 0, 1}, 1, 1, 90}, 3, 0},       // one point
        {{{0, 3, 1, 1}, 3, 5, 90}, 3, 0},       // equal y bounds: the first point only
        {{{0, 1, 0.5, 0.5}, 4, 4, 45}, 3, 0},   // the same, its first row outside the zone
        {{{2, 2, 0, 1}, 3, 3, 90}, 3, 0},       // equal x bounds: none
        {{{-3, 2, -1, 4}, 1000, 3, 90}, 3, 0},  // many columns on one pixel
        {{{0, 0.001, 0, 10}, 200, 700, 90}, 3, 0},
    };
    std::mt19937 random(28);
    std::uniform_real_distribution<double> bound(-10, 10), angle(5, 90);
    std::uniform_int_distribution<int32_t> count(1, 400);
    for (int k = 0; k < 200; ++k) {
        double lo = bound(random), hi = bound(random), ylo = bound(random), yhi = bound(random);
        if (k % 2 == 0) lo = ylo = 0;  // the origin rule of a slanted zone
        meshes.push_back(
            {{{std::min(lo, hi), std::max(lo, hi), std::min(ylo, yhi), std::max(ylo, yhi)},
              count(random),
              count(random),
              k % 2 == 0 ? angle(random) : 90},
             3,
             0});
    }
    for (const TMeshNumbers& mesh : meshes) {
        const TMeshBounds& b = mesh.layout.bounds;
        SCOPED_TRACE(testing::Message()
                     << b.bxMin << ".." << b.bxMax << " " << b.byMin << ".." << b.byMax << " "
                     << mesh.layout.nx << "x" << mesh.layout.ny << " " << mesh.layout.angle);
        const TMeshPreview walked = WalkedPreview(mesh), quick = PreviewImpactMesh(mesh);
        ASSERT_EQ(quick.drawable, walked.drawable);
        EXPECT_EQ(quick.count, walked.count);
        EXPECT_TRUE(quick.lit == walked.lit);
    }
}

// A walk of its 10^12 points would take hours; the preview visits its columns and rows only.
TEST(MeshPreview, AMillionByAMillionMeshIsDrawnAtOnce) {
    const TMeshPreview preview = PreviewImpactMesh({{{0, 1, 0, 1}, 1000000, 1000000, 90}, 3, 0});
    ASSERT_TRUE(preview.drawable);
    EXPECT_EQ(preview.count, int64_t{1000000} * 1000000);
    EXPECT_EQ(std::count(preview.lit.begin(), preview.lit.end(), 1), kPreviewSize * kPreviewSize);
}

}  // namespace
}  // namespace velkor
