// The composite potential against forms written out here: the Moliere repulsion
// V = K Z^2 Phi(r / a) / r with K = 2.3071217567660206e-28 J m and a the Lindhard length, the
// Morse potential, and the Hermite cubic through value and slope at both joins.
#include "composite/SplineComposite.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "MessageSink.h"
#include "NumberText.h"
#include "ScratchDir.h"
#include "Spline.h"
#include "TextReader.h"
#include "composite/SplineDataFile.h"
#include "text/FilledLines.h"

namespace velkor {
namespace {

constexpr double kEvJ = 1.602192e-19;

// The default copper model: Moliere-Lindhard, correction 0.890869, D 0.480 eV, alpha 1.405 1/A,
// r0 2.628 A, spline 1.5 .. 2.1 A.
TCompositeParams DefaultCopper(double lowA = 1.5, double highA = 2.1) {
    TCompositeParams p;
    p.Z1 = p.Z2 = 29;
    p.kind = 1;
    p.a = 0.890869 * 4.685e-11 / std::sqrt(2 * std::pow(29.0, 2.0 / 3.0));
    p.Rlow = lowA * 1e-10;
    p.Rhigh = highA * 1e-10;
    p.D = 0.480 * kEvJ;
    p.alpha = 1.405e10;
    p.r0 = 2.628e-10;
    return p;
}

double Repulsion(const TCompositeParams& p, double r, double* slope) {
    const double c[] = {0.35, 0.55, 0.1}, b[] = {0.3, 1.2, 6.0};
    const double K = 2.3071217567660206e-28 * p.Z1 * p.Z2;
    double phi = 0, dphi = 0;
    for (int k = 0; k < 3; ++k) {
        phi += c[k] * std::exp(-b[k] * r / p.a);
        dphi -= c[k] * b[k] / p.a * std::exp(-b[k] * r / p.a);
    }
    *slope = K * (dphi / r - phi / (r * r));
    return K * phi / r;
}

double Morse(const TCompositeParams& p, double r, double* slope) {
    const double e = std::exp(-p.alpha * (r - p.r0));
    *slope = -2 * p.alpha * p.D * (e * e - e);
    return p.D * (e * e - 2 * e);
}

void ExpectClose(double a, double b, double relative, const char* what) {
    EXPECT_LE(std::fabs(a - b), relative * std::fabs(b)) << what << ": " << a << " vs " << b;
}

TEST(SplineComposite, TheJoinIsContinuousInValueAndSlope) {
    for (double high : {2.1, 2.5}) {
        const TCompositeParams p = DefaultCopper(1.5, high);
        TSplineCoefficients s;
        halvern::RecordingSink sink;
        ASSERT_TRUE(FitComposite(p, s, sink));
        double d1 = 0, d2 = 0;
        const double v1 = Repulsion(p, p.Rlow, &d1), v2 = Morse(p, p.Rhigh, &d2);
        ExpectClose(halvern::SplineValue(s.c, p.Rlow), v1, 1e-9, "value at Rlow");
        ExpectClose(halvern::SplineDerivative(s.c, p.Rlow), d1, 1e-9, "slope at Rlow");
        ExpectClose(halvern::SplineValue(s.c, p.Rhigh), v2, 1e-9, "value at Rhigh");
        ExpectClose(halvern::SplineDerivative(s.c, p.Rhigh), d2, 1e-9, "slope at Rhigh");
        EXPECT_TRUE(sink.entries().empty());
    }
}

TEST(SplineComposite, RadiiStartBelowTheJoinAndEndAtTwiceItsTop) {
    struct Case {
        double low, high;
        size_t lines;
        double first;
    };
    // 1.2 .. 4.19 A is 300 steps of 0.01 A; the sum of the steps falls short of 4.2, so one
    // more radius is written. R_low = 3 A starts at 2 A, not at 2.4.
    const Case cases[] = {{1.5, 2.1, 301, 1.2}, {1.5, 2.5, 381, 1.2}, {3.0, 3.5, 501, 2.0}};
    for (const Case& c : cases) {
        const std::vector<double> r = CompositeRadii(c.low * 1e-10, c.high * 1e-10);
        EXPECT_EQ(r.size(), c.lines) << c.high;
        EXPECT_NEAR(r.front(), c.first * 1e-10, 1e-22);
        EXPECT_LT(r.back(), 2 * c.high * 1e-10);
    }
    EXPECT_TRUE(CompositeRadii(2e-10, 2e-10).empty());
    EXPECT_TRUE(CompositeRadii(1e-10, INFINITY).empty());
}

class SplineCompositeFiles : public halvern::test::ScratchDir {
  protected:
    std::vector<std::pair<double, double>> pointsOf(const std::string& file) {
        std::vector<std::pair<double, double>> points;
        const std::string bytes = contents(file);
        size_t start = 0;
        for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
            long double v[2];
            halvern::TextReader line(bytes.substr(start, end - start));
            EXPECT_TRUE(ReadLineReal(line, v[0]) && ReadLineReal(line, v[1]));
            points.emplace_back(static_cast<double>(v[0]), static_cast<double>(v[1]));
        }
        EXPECT_EQ(start, bytes.size()) << "every line ends in CR LF";
        return points;
    }
};

TEST_F(SplineCompositeFiles, TheFilesHoldThePiecesAndTheForceIsTheirSlope) {
    const TCompositeParams p = DefaultCopper();
    halvern::RecordingSink sink;
    TCompositeFiles files;
    EXPECT_TRUE(SplineComposite(p, dir_.string(), files, sink));
    EXPECT_EQ(files.potentialPath, path("POTENTL.SPL"));
    EXPECT_EQ(files.forcePath, path("FORCE.SPL"));
    const auto potential = pointsOf(files.potentialPath), force = pointsOf(files.forcePath);
    ASSERT_EQ(potential.size(), 301u);
    ASSERT_EQ(force.size(), 301u);
    EXPECT_EQ(contents(files.potentialPath).substr(0, 51),
              " 1.20000000000000E+0000 " + halvern::FormatScientific(potential[0].second) + " 0.0");

    for (size_t i = 0; i < potential.size(); ++i) {
        const double r = potential[i].first * 1e-10;
        double slope = 0;
        if (r <= p.Rlow - 1e-13) {
            ExpectClose(potential[i].second, Repulsion(p, r, &slope) * 6.241449214576031e18, 1e-12,
                        "repulsion");
            ExpectClose(force[i].second, -slope * 624150636.3094028, 1e-12, "repulsive force");
        } else if (r >= p.Rhigh + 1e-13) {
            ExpectClose(potential[i].second, Morse(p, r, &slope) * 6.241449214576031e18, 1e-12,
                        "Morse");
        }
    }
    // Away from the joins the force is minus the central difference of the potential, within
    // its truncation error h^2 / 6 |V'''| (h = 0.01 A; about 1.3e-4 eV/A near r0).
    for (size_t i = 1; i + 1 < potential.size(); ++i) {
        const double r = potential[i].first;
        if (std::fabs(r - 1.5) < 0.015 || std::fabs(r - 2.1) < 0.015) continue;
        const double difference = (potential[i + 1].second - potential[i - 1].second) /
                                  (potential[i + 1].first - potential[i - 1].first);
        EXPECT_NEAR(-difference, force[i].second, 5e-3 * std::fabs(force[i].second) + 3e-4)
            << "r = " << r;
    }
}

// The box that announces the written files; its numbers are the Hermite cubic of the end
// values above (x:14, eV and Angstrom).
TEST_F(SplineCompositeFiles, TheBoxShowsTheCoefficientsOnlyAfterBothFilesAreWritten) {
    const TCompositeParams p = DefaultCopper();
    halvern::RecordingSink sink;
    sink.scriptAnswers({false});
    TCompositeFiles files;
    EXPECT_FALSE(SplineComposite(p, dir_.string(), files, sink));  // No: written, not shown
    ASSERT_EQ(sink.entries().size(), 1u);
    EXPECT_EQ(sink.entries()[0].kind, halvern::RecordingSink::Kind::YesNo);
    EXPECT_EQ(sink.entries()[0].icon, halvern::BoxIcon::Information);
    double d1 = 0, d2 = 0;
    const double L = p.Rlow, H = p.Rhigh, h = H - L;
    const double V1 = Repulsion(p, L, &d1), V2 = Morse(p, H, &d2);
    const double a[4] = {
        (H * H * (H - 3 * L) * V1 - L * L * (L - 3 * H) * V2 - L * H * h * (L * d2 + H * d1)) /
            (h * h * h),
        (6 * L * H * (V1 - V2) + H * (H * H + L * H - 2 * L * L) * d1 -
         L * (L * L + L * H - 2 * H * H) * d2) /
            (h * h * h),
        (-3 * (L + H) * (V1 - V2) + (L * L + L * H - 2 * H * H) * d1 -
         (H * H + L * H - 2 * L * L) * d2) /
            (h * h * h),
        (2 * (V1 - V2) + h * (d1 + d2)) / (h * h * h)};
    const double ev = 6.241506363094028e18;
    auto line = [](const char* name, double x, const char* unit) {
        return std::string(" ") + name + ": " + halvern::FormatScientific(x, 14) + " " + unit;
    };
    EXPECT_EQ(sink.entries()[0].text,
              "Calculated coefficients for cubic spline\r(a0 + a1*r + a2*r2 + a3*r3):\r\r" +
                  line("a0", a[0] * ev, "eV") + "\r" + line("a1", a[1] * 1e-10 * ev, "eV/A") +
                  "\r" + line("a2", a[2] * 1e-20 * ev, "eV/A2") + "\r" +
                  line("a3", a[3] * 1e-30 * ev, "eV/A3") +
                  "\r\rComposite potential data written to View files (FORCE.SPL, "
                  "POTENTL.SPL). View now?");
    EXPECT_EQ(line("a0", a[0] * ev, "eV"), " a0:  5.84528E+0002 eV");
    EXPECT_EQ(fileCount(), 2u);
}

TEST_F(SplineCompositeFiles, AFileThatCannotBeWrittenStopsTheToolBeforeTheBox) {
    struct Case {
        std::string folder;
        const char* blocked;  // made a folder so that the file cannot be written
        std::string failing;
    };
    const Case cases[] = {
        {path("missing"), nullptr, path("missing") + "/POTENTL.SPL"},
        {dir_.string(), "POTENTL.SPL", path("POTENTL.SPL")},
        {dir_.string(), "FORCE.SPL", path("FORCE.SPL")},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        if (c.blocked) std::filesystem::create_directories(path(c.blocked) + "/x");
        halvern::RecordingSink sink;
        TCompositeFiles files;
        EXPECT_FALSE(SplineComposite(DefaultCopper(), c.folder, files, sink));
        const std::string own = "Cannot create " + c.failing + ".";
        EXPECT_EQ(sink.texts(),
                  std::vector<std::string>{
                      c.blocked ? own + "\r" + c.failing + " is not a regular file." : own});
        EXPECT_FALSE(std::filesystem::is_regular_file(path("FORCE.SPL"))) << c.failing;
    }
}

TEST_F(SplineCompositeFiles, ARangeOrKindTheFitCannotTakeWritesNothing) {
    struct Case {
        double low, high;
        int16_t kind;
        const char* message;
    };
    const Case cases[] = {
        {2.1, 1.5, 1, "Error in spline range parameters ( r2 <= r1 )"},
        {2.1, 2.1, 1, "Error in spline range parameters ( r2 <= r1 )"},
        {1.5, 2.1, 3, "Error in potential specification: cannot get spline function."},
    };
    for (const Case& c : cases) {
        TCompositeParams p = DefaultCopper(c.low, c.high);
        p.kind = c.kind;
        halvern::RecordingSink sink;
        TCompositeFiles files;
        EXPECT_FALSE(SplineComposite(p, dir_.string(), files, sink));
        EXPECT_EQ(sink.texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(fileCount(), 0u);
    }
}

TEST(SplineComposite, TheModelTextsBecomeSiParameters) {
    halvern::RecordingSink sink;
    TCompositeParams p;
    ASSERT_TRUE(CompositeParamsOf(TCompositeRequest{}, p, sink));
    const TCompositeParams expected = DefaultCopper();
    EXPECT_EQ(p.Z1, 29);
    EXPECT_EQ(p.kind, 1);
    ExpectClose(p.a, expected.a, 1e-15, "a");
    ExpectClose(p.D, expected.D, 1e-15, "D");
    ExpectClose(p.alpha, expected.alpha, 1e-15, "alpha");
    ExpectClose(p.r0, expected.r0, 1e-15, "r0");
    ExpectClose(p.Rlow, expected.Rlow, 1e-15, "Rlow");
    ExpectClose(p.Rhigh, expected.Rhigh, 1e-15, "Rhigh");
    EXPECT_TRUE(sink.entries().empty());

    TCompositeRequest bad;
    bad.kind = 3;
    EXPECT_FALSE(CompositeParamsOf(bad, p, sink));
    bad.kind = 0;
    bad.D = "x";
    EXPECT_TRUE(CompositeParamsOf(bad, p, sink));
    EXPECT_EQ(p.D, 0);
    EXPECT_EQ(sink.texts(), (std::vector<std::string>{"Error in projectile-target SC potential",
                                                      "Numeric conversion error (x)"}));
}

}  // namespace
}  // namespace velkor
