// The impact set-up: the projectile's start, the target kind and extent, the box question,
// later impacts, hot targets, and the thermal displacements' draws and distribution.
#include "run/ImpactSetUp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "EngineTestRuns.h"
#include "Units.h"

namespace halvern::test {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(ImpactSetUp, ProjectileStartsAboveAtomOneMovedBackAlongTheBeam) {
    const struct {
        const char *theta, *phi;
        double x, y, height;  // impact line, A
        double x0, y0;        // the projectile's start in x and y, A
    } cases[] = {{"90.00", "0.00", 0, 0, 3, 0, 0},
                 // cot 45 = 1: the start lies h back along the azimuth (+y) and h up.
                 {"45", "90", 0.4, -0.2, 2, 0.4, 1.8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.theta);
        TestProject p;
        p.model[10] = "1";  // no displacements, so atom 1 stays on its site
        p.run[3] = c.theta;
        p.run[4] = c.phi;
        p.prepareImpact();
        p.rs.ImpactX = c.x;
        p.rs.ImpactY = c.y;
        p.rs.ImpactHeight = c.height;
        ASSERT_TRUE(p.setUpImpact());
        ASSERT_TRUE(SetInitialVelocities(p.rs.N, p.rs.projectile.Energy, p.rs));
        const TParticleArrays& a = p.rs.particles;
        EXPECT_NEAR(a.x[0], c.x0 * 1e-10, 1e-22);
        EXPECT_NEAR(a.y[0], c.y0 * 1e-10, 1e-22);
        EXPECT_NEAR(a.z[0], c.height * 1e-10, 1e-22);
        // 1 keV argon: v = sqrt(2 E / m), along the beam.
        const double v = std::sqrt(2 * 1.602192e-16 / (39.948 * units::Amu));
        const double theta = c.theta[0] == '9' ? kPi / 2 : kPi / 4;
        EXPECT_NEAR(a.vz[0], -v * std::sin(theta), 1e-9 * v);
        EXPECT_NEAR(a.vx[0], 0, 1e-12 * v);
        EXPECT_NEAR(a.vy[0], -v * std::cos(theta), 1e-9 * v);
    }
}

TEST(ImpactSetUp, TargetKindIsDetectedOrAssumed) {
    for (const bool elemental : {false, true}) {
        TestProject p;
        p.target[2] = TargetLine(1.805, 0, -1.805, 8, 15.999, 0, "O");
        p.globals.Options.ElementalTarget = elemental;
        p.prepareImpact();
        ASSERT_TRUE(p.setUpImpact());
        const int at =
            p.host.find(elemental ? "  Assuming elemental target" : "  Detected complex target");
        ASSERT_GE(at, 0) << elemental;
        EXPECT_EQ(p.host.lines[static_cast<size_t>(at)].colour, colour::Magenta);
        EXPECT_EQ(p.rs.potentials.ComplexTarget, elemental ? 0 : 1);
    }
}

TEST(ImpactSetUp, ExtentIsWidenedByTheCutOffAndTopIsTheHighestAtom) {
    TestProject p;
    p.model[10] = "1";
    p.target.push_back(TargetLine(-2, 3, 0.5));
    p.prepareImpact();
    ASSERT_TRUE(p.setUpImpact());
    const TTargetExtent& e = p.rs.targetExtent;
    const double Rc = 3.7e-10;
    EXPECT_NEAR(e.xMax, 1.805e-10 + Rc, 1e-22);
    EXPECT_NEAR(e.xMin, -2e-10 - Rc, 1e-22);
    EXPECT_NEAR(e.yMax, 3e-10 + Rc, 1e-22);
    EXPECT_NEAR(e.yMin, 0 - Rc, 1e-22);
    EXPECT_NEAR(e.zMax, 3e-10 + Rc, 1e-22);  // the projectile, 3 A above atom 1
    EXPECT_NEAR(e.zMin, -1.805e-10 - Rc, 1e-22);
    EXPECT_NEAR(p.rs.TargetTop, 0.5e-10, 1e-22);
    EXPECT_TRUE(InLatticeZone(e, 0, 0, 0));
    EXPECT_FALSE(InLatticeZone(e, e.xMax, 0, 0));
}

// A target reaching beyond the box grid: the question at every impact until it is answered
// yes, then the all-pairs method in the run's options and the program's. No question inside the
// grid, or with the all-pairs method.
TEST(ImpactSetUp, BoxQuestionAtEveryImpactUntilYesThenBruteForceForGood) {
    const struct { bool beyond, brute; } cases[] = {{true, false}, {false, false}, {true, true}};
    for (const auto& [beyond, brute] : cases) {
        TestProject p;
        if (beyond) p.target.push_back(TargetLine(50, 0, 0));
        p.globals.Options.BruteForceSearch = brute;
        p.host.messages.scriptAnswers({false, true});
        p.prepareImpact();
        for (p.rs.RunCount = 1; p.rs.RunCount <= 3; ++p.rs.RunCount) ASSERT_TRUE(p.setUpImpact());
        const bool asked = beyond && !brute;
        ASSERT_EQ(p.host.messages.count(RecordingSink::Kind::YesNo), asked ? 2 : 0);
        if (!asked) continue;
        EXPECT_EQ(p.host.messages.texts()[0], kBoxTooSmallText);
        EXPECT_EQ(p.host.messages.entries()[0].icon, BoxIcon::Warning);
        EXPECT_EQ(p.rs.options.BruteForceSearch, 1);
        EXPECT_EQ(p.globals.Options.BruteForceSearch, 1);
    }
}

TEST(ImpactSetUp, LaterImpactsRestoreTheSitesAndYStaysWithoutYVibration) {
    TestProject p;
    p.globals.Options.NoYVibration = 1;
    p.prepareImpact();
    ASSERT_TRUE(p.setUpImpact());
    TParticleArrays& a = p.rs.particles;
    for (int32_t i = 1; i <= p.rs.N; ++i) {
        a.x[i] += 1e-9;
        a.flags[i] = 0xFF;
    }
    p.rs.RunCount = 2;
    ASSERT_TRUE(p.setUpImpact());
    for (int32_t i = 1; i <= p.rs.N; ++i) {
        EXPECT_EQ(a.y[i], a.siteY[i]);
        EXPECT_NEAR(a.x[i], a.siteX[i], 0.5e-10);
        EXPECT_NE(a.x[i], a.siteX[i]);
        EXPECT_EQ(a.flags[i], a.initialFlags[i]);
    }
    // The projectile is placed from atom 1's site, not from its displaced position.
    EXPECT_DOUBLE_EQ(a.z[0], a.siteZ[1] + 3e-10);
}

TEST(ImpactSetUp, HotTargetVelocitiesOnlyWithoutDisplacements) {
    for (const char* vibration : {"0", "1"}) {
        SCOPED_TRACE(vibration);
        TestProject p;
        p.globals.Options.HotTarget = 1;
        p.model[10] = vibration;
        p.prepareImpact();
        ASSERT_TRUE(p.setUpImpact());
        ASSERT_TRUE(SetInitialVelocities(p.rs.N, p.rs.projectile.Energy, p.rs));
        double sum = 0;
        for (int32_t i = 1; i <= p.rs.N; ++i) sum += Speed(p.rs.particles, i);
        EXPECT_EQ(sum > 0, vibration[0] == '1');
        EXPECT_GE(p.host.find("  Hot target: T = 300.00 K"), 0);
    }
}

// The generator's sequence, written out independently of UniformRandom.
struct ReferenceGenerator {
    uint32_t seed;
    double next() {
        seed = static_cast<uint32_t>((uint64_t{seed} * 134775813u + 1u) & 0xFFFFFFFFu);
        return std::ldexp(static_cast<double>(seed), -32);
    }
};

TEST(ThermalDisplacement, DrawsSignThenAngleThenMagnitudesUntilOneIsBelowTheCut) {
    // Find a seed whose first magnitude lands beyond 2.5 sigma on the positive side.
    const double variance = 0.04, sigma = 0.2;
    uint32_t seed = 1;
    for (;; ++seed) {
        ReferenceGenerator g{seed};
        const double sign = g.next() >= 0.5 ? -1 : 1;
        const double c = sign * std::cos(2 * kPi * (1 - g.next()));
        if (std::sqrt(-2 * std::log(1 - g.next())) * c >= 2.5) break;
    }
    ReferenceGenerator g{seed};
    const double sign = g.next() >= 0.5 ? -1 : 1;
    const double c = sign * std::cos(2 * kPi * (1 - g.next()));
    g.next();  // the refused magnitude
    double d = std::sqrt(-2 * std::log(1 - g.next())) * sigma * c;
    while (!(d < 2.5 * sigma)) d = std::sqrt(-2 * std::log(1 - g.next())) * sigma * c;

    UniformRandom random(seed);
    EXPECT_DOUBLE_EQ(ThermalDisplacement(variance, random), d * 1e-10);
    EXPECT_EQ(random.seed, g.seed) << "the same number of draws";

    UniformRandom still(12345);  // no variance: no displacement and no draw
    EXPECT_EQ(ThermalDisplacement(0, still), 0);
    EXPECT_EQ(still.seed, 12345u);
}

TEST(ThermalDisplacement, BulkAtomsAreThoseMoreThan1ABelowAtomOne) {
    CuCrystal c(1, 1);
    TParticleArrays& p = c.rs.particles;
    c.rs.model.BulkVariance = 0.01;  // only bulk atoms move
    for (const double depth : {0.5, 1.5}) {
        const double x = p.x[2];
        p.z[2] = -depth * 1e-10;
        ApplyThermalDisplacements(2, c.rs);
        EXPECT_EQ(p.x[2] != x, depth > 1) << depth;
        EXPECT_EQ(p.z[2] != -depth * 1e-10, depth > 1) << depth;
    }
}

TEST(ThermalDisplacement, AxesAreDrawnInTheOrderXYZWithTheirVariances) {
    for (const bool noY : {false, true}) {
        SCOPED_TRACE(noY);
        CuCrystal c(0, 1);
        c.rs.model.ParallelVariance = 0.02;
        c.rs.model.PerpendicularVariance = 0.03;
        c.rs.options.NoYVibration = noY;
        c.rs.options.Verbose = 1;
        c.rs.random.seed = 2024;
        ApplyThermalDisplacements(1, c.rs);

        UniformRandom reference(2024);
        const double dx = ThermalDisplacement(0.02, reference);
        const double dy = noY ? 0 : ThermalDisplacement(0.02, reference);
        const double dz = ThermalDisplacement(0.03, reference);
        const TParticleArrays& p = c.rs.particles;
        EXPECT_EQ(p.x[1], dx);
        EXPECT_EQ(p.y[1], dy);
        EXPECT_EQ(p.z[1], dz);
        EXPECT_EQ(c.rs.random.seed, reference.seed);
        EXPECT_GE(c.host.find("  Getting thermal displacements..."), 0);
    }
}

// E[d^2] / sigma^2 of the displacement, from its definition: d = c R with c = s cos(phi)
// (random sign s, uniform angle) and R Rayleigh(sigma) redrawn while c R >= 2.5 sigma. For
// c <= 0 nothing is cut: E[c^2] = 1/2 and E[R^2] = 2 sigma^2. For c > 0, T = R^2 / (2 sigma^2)
// is Exp(1) cut at t0 = 3.125 / c^2: E[T | T < t0] = 1 - t0 e^-t0 / (1 - e^-t0). Both signs of
// c are equally likely; given c > 0, c = cos(phi) with phi uniform in (-pi/2, pi/2).
double MeanSquareFactor() {
    const auto cutMean = [](double t0) {
        return t0 > 700 ? 1.0 : 1 - t0 * std::exp(-t0) / (1 - std::exp(-t0));
    };
    const int n = 20000;  // midpoint rule; the integrand is smooth
    double sum = 0;
    for (int k = 0; k < n; ++k) {
        const double c = std::cos(-kPi / 2 + (k + 0.5) * kPi / n);
        sum += c * c * 2 * cutMean(3.125 / (c * c));
    }
    return 0.5 * (0.5 * 2) + 0.5 * (sum / n);
}

TEST(ThermalDisplacement, MeanSquareDisplacementPerAxisOverALargeCrystallite) {
    const double factor = MeanSquareFactor();
    EXPECT_NEAR(factor, 0.96, 0.002);  // a little below 1: the positive tail is cut

    CuCrystal c(70, 4);  // about 10000 surface atoms and 30000 bulk atoms
    TModelParameters& m = c.rs.model;
    m.BulkVariance = 0.01;
    m.PerpendicularVariance = 0.02;
    m.ParallelVariance = 0.015;
    SeedRandomFromClock(c.rs.random, 4242u);

    // [surface, bulk] x [x, y, z], square Angstrom.
    double sum[2][3] = {};
    int count[2] = {};
    const TParticleArrays& p = c.rs.particles;
    for (int impact = 0; impact < 10; ++impact) {
        ResetTarget(c.rs.N, c.rs);
        for (int32_t i = 1; i <= c.rs.N; ++i) {
            const int bulk = p.siteZ[i] < -1e-10 ? 1 : 0;
            const double d[3] = {p.x[i] - p.siteX[i], p.y[i] - p.siteY[i], p.z[i] - p.siteZ[i]};
            for (int a = 0; a < 3; ++a) sum[bulk][a] += d[a] * d[a] * 1e20;
            ++count[bulk];
        }
    }
    ASSERT_GT(count[0], 99000);
    const double variance[2][3] = {{0.015, 0.015, 0.02}, {0.01, 0.01, 0.01}};
    for (int bulk = 0; bulk < 2; ++bulk)
        for (int a = 0; a < 3; ++a) {
            // At least 99000 draws each: a standard error below 0.5 %.
            EXPECT_NEAR(sum[bulk][a] / count[bulk] / (variance[bulk][a] * factor), 1.0, 0.02)
                << (bulk ? "bulk " : "surface ") << "xyz"[a];
        }
}

}  // namespace
}  // namespace halvern::test
