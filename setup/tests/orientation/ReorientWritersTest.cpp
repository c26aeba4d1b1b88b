// "Apply" of both orientation windows: the re-oriented target and impact files, the first line
// of each, and the refusals that leave the disk as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "FileSafety.h"
#include "GeneratorTestSupport.h"
#include "NumberText.h"
#include "inputfiles/ImpactFile.h"
#include "orientation/ReorientWriters.h"

namespace velkor {
namespace {

using halvern::RecordingSink;

constexpr long double kCu = 3.6147L;
constexpr double kAngle111 = 54.7356103172453;  // between [001] and [111]

class ReorientTarget : public test::GeneratorTest {
  protected:
    std::string generateFcc100(const LatticeBox& box) {
        const std::string file = path("cu100.trg");
        RecordingSink sink;
        EXPECT_TRUE(test::Generate(test::CommandNamed("Fcc100Click"), box, file, sink));
        return file;
    }
};

// The distinct z values of the atoms (within 0.01 A) and the gaps between neighbouring ones.
std::vector<long double> LevelGaps(const test::TargetFile& file) {
    std::vector<long double> z;
    for (const TTargetAtom& a : file.atoms) z.push_back(a.z);
    std::sort(z.begin(), z.end());
    std::vector<long double> gaps;
    for (size_t k = 1; k < z.size(); ++k)
        if (z[k] - z[k - 1] > 0.01L) gaps.push_back(z[k] - z[k - 1]);
    return gaps;
}

long double LatticeConstantOf(const LatticeCommand& command) {
    std::string text;
    switch (command.record) {
        case TargetRecord::Bcc:
            text = DefaultBccParams().LatticeConst.str();
            break;
        case TargetRecord::Diamond:
            text = DefaultDiamondParams().LatticeConst.str();
            break;
        case TargetRecord::RockSalt:
            text = DefaultRockSaltParams().LatticeConst.str();
            break;
        case TargetRecord::Sphalerite:
            text = DefaultSphaleriteParams().LatticeConst.str();
            break;
        default:
            text = DefaultFccParams().LatticeConst.str();
    }
    long double a = 0;
    halvern::ParseReal(text, a);
    return a;
}

// The recipes of the orientation window's help page, with the angles as they are typed: each
// lays its axis on z, so that the atoms lie in planes of that axis, the spacing of the planes
// repeating the lattice's pattern (in lattice constants) from the top to the bottom.
TEST_F(ReorientTarget, HelpRecipesLayTheAxisOnZ) {
    const long double r2 = std::sqrt(2.0L), r3 = std::sqrt(3.0L);
    const struct {
        const char* handler;
        const char *zRot, *xRot, *yRot;
        std::vector<long double> gaps;
    } recipes[] = {
        {"Fcc100Click", "0", "0", "-54.7356", {1 / r3}},                 // [111]
        {"Fcc100Click", "0", "90", "0", {1 / (2 * r2)}},                 // [110]
        {"Dia100Click", "0", "0", "-54.7356", {r3 / 12, r3 / 4}},        // [111] double layers
        {"Dia100Click", "0", "90", "0", {1 / (2 * r2)}},                 // [110]
        {"N100surface5Click", "0", "0", "-54.7356", {r3 / 12, r3 / 4}},  // sphalerite [111]
        {"Bcc100Click", "45", "54.7356", "0", {1 / (2 * r3)}},           // [111]
        {"Bcc100Click", "0", "45", "0", {1 / r2}},                       // [110]
        {"N100Surface3Click", "45", "54.7356", "0", {1 / (2 * r3)}},     // rocksalt [111]
        {"N100Surface3Click", "0", "45", "0", {1 / (2 * r2)}},           // rocksalt [110]
    };
    for (const auto& recipe : recipes) {
        SCOPED_TRACE(std::string(recipe.handler) + " " + recipe.zRot + " " + recipe.xRot + " " +
                     recipe.yRot);
        const LatticeCommand& command = test::CommandNamed(recipe.handler);
        RecordingSink sink;
        ASSERT_TRUE(test::Generate(command, {3, 3, 8}, path("cube.trg"), sink));
        TOrientParams params;
        for (auto [text, angle] : {std::pair{recipe.zRot, &params.zRot},
                                   {recipe.xRot, &params.xRot},
                                   {recipe.yRot, &params.yRot}}) {
            ASSERT_LE(std::string(text).size(), 8u);  // fits the rotation fields
            long double degrees = 0;
            ASSERT_TRUE(halvern::ParseReal(text, degrees));
            *angle = static_cast<double>(degrees);
        }
        ASSERT_TRUE(WriteReorientedTarget(path("cube.trg"), path("turned.trg"), params, sink));
        const test::TargetFile turned = test::ReadTargetFile(path("turned.trg"));
        ASSERT_TRUE(turned.problems.empty()) << turned.problems.front();

        const std::vector<long double> gaps = LevelGaps(turned);
        ASSERT_GE(gaps.size(), 8u);
        const long double a = LatticeConstantOf(command);
        const size_t period = recipe.gaps.size();
        bool fits = false;
        for (size_t phase = 0; phase < period && !fits; ++phase) {
            fits = true;
            for (size_t k = 0; k < gaps.size(); ++k)
                fits = fits && std::fabs(gaps[k] - a * recipe.gaps[(k + phase) % period]) < 2e-3L;
        }
        EXPECT_TRUE(fits) << gaps.size() + 1 << " levels, the first gaps " << gaps[0] << " "
                          << gaps[1] << " " << gaps[2];
    }
}

TEST_F(ReorientTarget, Fcc100TurnedToPut111AlongZKeepsItsStructure) {
    const std::string source = generateFcc100({3, 3, 12});
    TOrientParams params;
    params.yRot = -kAngle111;
    RecordingSink sink;
    ASSERT_TRUE(WriteReorientedTarget(source, path("cu111.trg"), params, sink));
    EXPECT_TRUE(sink.entries().empty());
    const test::TargetFile turned = test::ReadTargetFile(path("cu111.trg"));
    ASSERT_TRUE(turned.problems.empty()) << turned.problems.front();
    EXPECT_EQ(turned.atoms.size(), 7u * 7u * 12u);
    test::CheckStructure(turned, kCu / std::sqrt(2.0L), 12);

    EXPECT_EQ(turned.atoms.front().x, 0);  // the origin atom stays line 1, at the origin
    EXPECT_EQ(turned.atoms.front().z, 0);
}

TEST_F(ReorientTarget, QuarterTurnWritesExactZerosAndKeepsSpecies) {
    const std::string source = generateFcc100({1, 1, 2});
    TOrientParams params;
    params.zRot = 90;
    RecordingSink sink;
    ASSERT_TRUE(WriteReorientedTarget(source, path("turned.trg"), params, sink));
    const test::TargetFile cube = test::ReadTargetFile(source);
    const test::TargetFile turned = test::ReadTargetFile(path("turned.trg"));
    ASSERT_TRUE(turned.problems.empty()) << turned.problems.front();  // no "-0.00000"
    ASSERT_EQ(turned.atoms.size(), cube.atoms.size());
    for (size_t k = 0; k < cube.atoms.size(); ++k) {
        EXPECT_EQ(turned.atoms[k].x, -cube.atoms[k].y + 0.0L);
        EXPECT_EQ(turned.atoms[k].y, cube.atoms[k].x);
        EXPECT_EQ(turned.atoms[k].z, cube.atoms[k].z);
        EXPECT_EQ(turned.atoms[k].Symbol, "Cu");
        EXPECT_EQ(turned.atoms[k].Mass, cube.atoms[k].Mass);
    }
}

TEST_F(ReorientTarget, FirstKeptAtomBecomesLineOne) {
    const std::string source = generateFcc100({1, 1, 3});
    TOrientParams params;
    params.zHi = -1;  // the top layer, the origin atom with it, is cut away
    params.shiftZ = -1.80735;
    RecordingSink sink;
    ASSERT_TRUE(WriteReorientedTarget(source, path("cut.trg"), params, sink));
    std::vector<std::string> problems;
    const std::vector<std::string> lines = test::CrLfLines(path("cut.trg"), problems);
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines.front(), "     3.83397      3.83397      0.00000   29 63.54600   0 Cu");
}

TEST_F(ReorientTarget, RefusalsLeaveTheDiskAsItWas) {
    const std::string source = generateFcc100({1, 1, 2});
    const std::string before = contents(source);
    const std::string existing = path("existing.trg");
    ASSERT_TRUE(halvern::WriteFileReplacing(existing, "old\r\n"));
    std::filesystem::create_symlink(source, path("link.trg"));
    const std::string badSource = path("bad.trg");
    ASSERT_TRUE(halvern::WriteFileReplacing(
        badSource, "     0.00000      0.00000      0.00000   29 63.54600   0 Cu\r\n1 2 3 x\r\n"));

    TOrientParams keepNothing;
    keepNothing.rLo = 150;
    keepNothing.cut = CutType::Spherical;
    struct Case {
        const char* what;
        std::string source, destination;
        TOrientParams params;
        RecordingSink::Kind kind;
        std::string message;
    };
    const std::string same = "Source and destination files must be different";
    const std::string disk = "Error occurred while reading/writing disk.";
    const Case cases[] = {
        {"the source itself", source, source, {}, RecordingSink::Kind::Error, same},
        {"another spelling", source, dir_.string() + "/./cu100.trg", {}, RecordingSink::Kind::Error,
         same},
        {"a link to it", source, path("link.trg"), {}, RecordingSink::Kind::Error, same},
        {"an unreadable line", badSource, existing, {}, RecordingSink::Kind::Error, disk},
        {"a missing source", path("missing.trg"), existing, {}, RecordingSink::Kind::Error, disk},
        {"nothing kept", source, existing, keepNothing, RecordingSink::Kind::Info,
         "The cut keeps no atom: no file was written."},
        {"no such folder", source, path("no/such/folder.trg"), {}, RecordingSink::Kind::Error,
         disk},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingSink sink;
        EXPECT_FALSE(WriteReorientedTarget(c.source, c.destination, c.params, sink));
        ASSERT_EQ(sink.entries().size(), 1u);
        EXPECT_EQ(sink.entries()[0].kind, c.kind);
        EXPECT_EQ(sink.entries()[0].text, c.message);
        EXPECT_EQ(contents(source), before);
        EXPECT_EQ(contents(existing), "old\r\n");
    }
    EXPECT_EQ(fileCount(), 4u);  // no temporary file left behind
}

class ReorientImpacts : public halvern::test::ScratchDir {
  protected:
    std::vector<std::string> apply(const std::string& sourceText, const TOrientParams& params,
                                   RecordingSink& sink) {
        const std::string source = path("source.imp");
        EXPECT_TRUE(halvern::WriteFileReplacing(source, sourceText));
        const std::string destination = path("turned.imp");
        std::filesystem::remove(destination);
        if (!WriteReorientedImpacts(source, destination, params, sink)) return {};
        std::vector<std::string> problems;
        std::vector<std::string> lines = test::CrLfLines(destination, problems);
        EXPECT_TRUE(problems.empty());
        return lines;
    }
};

const char* const kMeshFile =
    "0.00000000 0.00000000 3.00000000 0.000000 2.555980 0.000000 1.277990 90.000000 0 50 25 "
    "3.000000\r\n"
    "0.00000000 0.05111960 3.00000000\r\n"
    "0.05111960 0.00000000 3.00000000\r\n";

std::string Point(double x, double y, double z) {
    return halvern::FormatScientific(x) + " " + halvern::FormatScientific(y) + " " +
           halvern::FormatScientific(z);
}

TEST_F(ReorientImpacts, HeaderFollowsTheFirstKeptPoint) {
    TOrientParams params;
    params.yLo = 0.01;  // the first point is cut away
    params.shiftX = -1;
    RecordingSink sink;
    const std::vector<std::string> lines = apply(kMeshFile, params, sink);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], Point(1, 0.0511196, 3) +
                            " 0.000000 2.555980 0.000000 1.277990 90.000000 0 50 25 3.000000");
    EXPECT_EQ(lines[0].substr(0, 23), " 1.00000000000000E+0000");
    EXPECT_TRUE(sink.entries().empty());

    // The set-up program opens the re-oriented file with the mesh it came from.
    TImpactSpec loaded;
    loaded.Nx = 1;
    ASSERT_TRUE(LoadImpFile(path("turned.imp"), loaded, sink));
    EXPECT_EQ(loaded.Nx, 50);
    EXPECT_EQ(loaded.Ny, 25);
    EXPECT_EQ(loaded.Angle, 90.0);
    RecordingSink quiet;
    const TMeshNumbers mesh = MeshNumbersOf(loaded, quiet);
    EXPECT_EQ(mesh.layout.bounds.bxMax, 2.55598);
    EXPECT_EQ(mesh.layout.bounds.byMax, 1.27799);
    EXPECT_EQ(mesh.z0, 3.0);
    EXPECT_TRUE(sink.entries().empty() && quiet.entries().empty());
}

TEST_F(ReorientImpacts, QuarterTurnAboutZ) {
    TOrientParams params;
    params.zRot = 90;
    RecordingSink sink;
    const std::vector<std::string> lines = apply(kMeshFile, params, sink);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], Point(-0.0511196, 0, 3));  // (x, y, z0) -> (-y, x, z0), zeros exact
    EXPECT_EQ(lines[2], Point(0, 0.0511196, 3));
    EXPECT_EQ(lines[2], " 0.00000000000000E+0000  5.11196000000000E-0002  3.00000000000000E+0000");
}

TEST_F(ReorientImpacts, Version1SourceTakesZ0FromTheFirstPoint) {
    RecordingSink sink;
    const std::vector<std::string> lines = apply(
        "0.0 0.0 2.5 0.000000 2.555980 0.000000 1.277990 90.000000 0 50 25\r\n1.0 1.0 2.5\r\n",
        TOrientParams{}, sink);
    ASSERT_EQ(sink.entries().size(), 1u);
    EXPECT_EQ(sink.entries()[0].kind, RecordingSink::Kind::Warning);
    EXPECT_EQ(sink.entries()[0].text,
              "File seems to be version 1 format.\rSetting z0 parameter to 2.5.");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], Point(0, 0, 2.5) +
                            " 0.000000 2.555980 0.000000 1.277990 90.000000 0 50 25 2.500000");
}

TEST_F(ReorientImpacts, PlainPointsKeepEveryPointAndGetNoHeader) {
    RecordingSink sink;
    // Blank lines are no points, and each line's rest is dropped with that line.
    const std::vector<std::string> lines =
        apply("0 0 3\n\n1 2 3 a remark\r\n  \r\n4 5 6 7 8\r\n", TOrientParams{}, sink);
    EXPECT_TRUE(sink.entries().empty());
    EXPECT_EQ(lines, (std::vector<std::string>{Point(0, 0, 3), Point(1, 2, 3), Point(4, 5, 6)}));
}

TEST_F(ReorientImpacts, Refusals) {
    const std::string disk = " Disk error during data transfer.";
    struct Case {
        const char* source;
        TOrientParams params;
        std::string message;
    };
    TOrientParams circle;
    circle.cut = CutType::Cylindrical;
    circle.rLo = 10;
    const Case cases[] = {
        {"0 0 3 0.0 2.5 0.0 1.2 90.0\r\n", {}, disk},  // a header cut short
        {"0 0 3\r\n1 2\r\n", {}, disk},
        {"0 0 3\r\nx 2 3\r\n", {}, disk},
        {kMeshFile, circle, "The cut keeps no impact point: no file was written."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        RecordingSink sink;
        EXPECT_TRUE(apply(c.source, c.params, sink).empty());
        EXPECT_EQ(sink.texts(), std::vector<std::string>{c.message});
        EXPECT_FALSE(halvern::FileExists(path("turned.imp")));
    }
    RecordingSink sink;
    const std::string source = path("source.imp");
    EXPECT_FALSE(WriteReorientedImpacts(source, dir_.string() + "//source.imp", {}, sink));
    EXPECT_EQ(sink.texts(),
              std::vector<std::string>{"Source and destination files must be different"});
}

}  // namespace
}  // namespace velkor
