#include "ImpactSetUp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "RunTestProject.h"
#include "Units.h"

namespace halvern {
namespace {

using testing::PrepareImpactState;
using testing::SetUpNextImpact;
using testing::TargetLine;
using testing::TestProject;

constexpr double kPi = std::numbers::pi;

class ImpactSetUpTest : public ::testing::Test {
  protected:
    void prepare() { PrepareImpactState(project, rs, globals, host); }

    TestProject project;
    EngineGlobals globals;
    RecordingHost host;
    TRunState rs;
};

TEST_F(ImpactSetUpTest, NormalIncidenceStartsStraightAboveAtomOne) {
    project.model[10] = "1";  // no displacements, so atom 1 stays on its site
    prepare();
    ASSERT_TRUE(SetUpNextImpact(rs));
    ASSERT_TRUE(SetInitialVelocities(rs.N, rs.projectile.Energy, rs));
    const TParticleArrays& p = rs.particles;
    EXPECT_NEAR(p.x[0], p.x[1], 1e-24);
    EXPECT_NEAR(p.y[0], p.y[1], 1e-24);
    EXPECT_DOUBLE_EQ(p.z[0], p.z[1] + 3e-10);
    // 1 keV argon: v = sqrt(2 E / m).
    const double v = std::sqrt(2 * 1.602192e-16 / (39.948 * units::Amu));
    EXPECT_NEAR(p.vz[0], -v, 1e-9 * v);
    EXPECT_NEAR(p.vx[0], 0, 1e-12 * v);
    EXPECT_NEAR(p.vy[0], 0, 1e-12 * v);
}

TEST_F(ImpactSetUpTest, ObliqueIncidenceMovesTheStartBackAlongTheBeam) {
    project.model[10] = "1";
    project.run[3] = "45";  // theta
    project.run[4] = "90";  // phi
    prepare();
    rs.ImpactX = 0.4;
    rs.ImpactY = -0.2;
    rs.ImpactHeight = 2;
    ASSERT_TRUE(SetUpNextImpact(rs));
    ASSERT_TRUE(SetInitialVelocities(rs.N, rs.projectile.Energy, rs));
    const TParticleArrays& p = rs.particles;
    // cot 45 = 1: the start lies h back along the azimuth (+y) and h up.
    EXPECT_NEAR(p.x[0], 0.4e-10, 1e-22);
    EXPECT_NEAR(p.y[0], 2e-10 - 0.2e-10, 1e-22);
    EXPECT_NEAR(p.z[0], 2e-10, 1e-22);
    EXPECT_LT(p.vy[0], 0);
    EXPECT_NEAR(p.vy[0], p.vz[0], 1e-9 * std::fabs(p.vz[0]));
}

TEST_F(ImpactSetUpTest, TargetKindIsDetectedOrAssumed) {
    project.target[2] = TargetLine(1.805, 0, -1.805, 8, 15.999, 0, "O");
    const struct {
        bool elemental;
        const char* line;
        uint8_t complex;
    } cases[] = {{false, "  Detected complex target", 1}, {true, "  Assuming elemental target", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        RecordingHost h;
        EngineGlobals g;
        g.Options.ElementalTarget = c.elemental;
        TRunState s;
        PrepareImpactState(project, s, g, h);
        ASSERT_TRUE(SetUpNextImpact(s));
        const int at = h.find(c.line);
        ASSERT_GE(at, 0);
        EXPECT_EQ(h.lines[static_cast<size_t>(at)].colour, colour::Magenta);
        EXPECT_EQ(s.potentials.ComplexTarget, c.complex);
    }
}

TEST_F(ImpactSetUpTest, ExtentIsWidenedByTheCutOffAndTopIsTheHighestAtom) {
    project.model[10] = "1";
    project.target.push_back(TargetLine(-2, 3, 0.5));
    prepare();
    ASSERT_TRUE(SetUpNextImpact(rs));
    const TTargetExtent& e = rs.targetExtent;
    const double Rc = 3.7e-10;
    EXPECT_NEAR(e.xMax, 1.805e-10 + Rc, 1e-22);
    EXPECT_NEAR(e.xMin, -2e-10 - Rc, 1e-22);
    EXPECT_NEAR(e.yMax, 3e-10 + Rc, 1e-22);
    EXPECT_NEAR(e.yMin, 0 - Rc, 1e-22);
    EXPECT_NEAR(e.zMax, 3e-10 + Rc, 1e-22);  // the projectile, 3 A above atom 1
    EXPECT_NEAR(e.zMin, -1.805e-10 - Rc, 1e-22);
    EXPECT_NEAR(rs.TargetTop, 0.5e-10, 1e-22);
    EXPECT_TRUE(InLatticeZone(e, 0, 0, 0));
    EXPECT_FALSE(InLatticeZone(e, e.xMax, 0, 0));
}

TEST_F(ImpactSetUpTest, BoxQuestionAtEveryImpactUntilYesThenBruteForceForGood) {
    project.target.push_back(TargetLine(50, 0, 0));
    globals.Options.BruteForceSearch = 0;
    prepare();
    host.messages.scriptAnswers({false, true});
    for (int impact = 1; impact <= 3; ++impact) {
        rs.RunCount = impact;
        ASSERT_TRUE(SetUpNextImpact(rs));
    }
    ASSERT_EQ(host.messages.count(RecordingSink::Kind::YesNo), 2);
    EXPECT_EQ(host.messages.texts()[0], kBoxTooSmallText);
    EXPECT_EQ(host.messages.entries()[0].icon, BoxIcon::Warning);
    EXPECT_EQ(rs.options.BruteForceSearch, 1);
    EXPECT_EQ(globals.Options.BruteForceSearch, 1);
}

TEST_F(ImpactSetUpTest, NoBoxQuestionInsideTheGridOrWithBruteForce) {
    for (uint8_t brute : {0, 1}) {
        TestProject p;
        if (brute) p.target.push_back(TargetLine(50, 0, 0));
        RecordingHost h;
        EngineGlobals g;
        g.Options.BruteForceSearch = brute;
        TRunState s;
        PrepareImpactState(p, s, g, h);
        ASSERT_TRUE(SetUpNextImpact(s));
        EXPECT_EQ(h.messages.count(RecordingSink::Kind::YesNo), 0);
    }
}

TEST_F(ImpactSetUpTest, LaterImpactsRestoreTheSitesAndYStaysWithoutYVibration) {
    globals.Options.NoYVibration = 1;
    prepare();
    ASSERT_TRUE(SetUpNextImpact(rs));
    TParticleArrays& p = rs.particles;
    for (int32_t i = 1; i <= rs.N; ++i) {
        p.x[i] += 1e-9;
        p.flags[i] = 0xFF;
    }
    rs.RunCount = 2;
    ASSERT_TRUE(SetUpNextImpact(rs));
    for (int32_t i = 1; i <= rs.N; ++i) {
        EXPECT_EQ(p.y[i], p.siteY[i]);
        EXPECT_NEAR(p.x[i], p.siteX[i], 0.5e-10);
        EXPECT_NE(p.x[i], p.siteX[i]);
        EXPECT_EQ(p.flags[i], p.initialFlags[i]);
    }
    // The projectile is placed from atom 1's site, not from its displaced position.
    EXPECT_DOUBLE_EQ(p.z[0], p.siteZ[1] + 3e-10);
}

TEST_F(ImpactSetUpTest, HotTargetVelocitiesOnlyWithoutDisplacements) {
    globals.Options.HotTarget = 1;
    for (const char* vibration : {"0", "1"}) {
        SCOPED_TRACE(vibration);
        TestProject p;
        p.model[10] = vibration;
        RecordingHost h;
        TRunState s;
        PrepareImpactState(p, s, globals, h);
        ASSERT_TRUE(SetUpNextImpact(s));
        ASSERT_TRUE(SetInitialVelocities(s.N, s.projectile.Energy, s));
        double sum = 0;
        for (int32_t i = 1; i <= s.N; ++i)
            sum += std::fabs(s.particles.vx[i]) + std::fabs(s.particles.vy[i]) +
                   std::fabs(s.particles.vz[i]);
        EXPECT_EQ(sum > 0, vibration == std::string("1"));
        EXPECT_GE(h.find("  Hot target: T = 300.00 K"), 0);
    }
}

// --- Thermal displacements ---

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
}

TEST(ThermalDisplacement, NoVarianceGivesNoDisplacementAndNoDraw) {
    UniformRandom random(12345);
    EXPECT_EQ(ThermalDisplacement(0, random), 0);
    EXPECT_EQ(random.seed, 12345u);
}

// A crystallite of surface and bulk atoms for the displacement tests.
struct Crystallite {
    TRunState rs;
    RecordingHost host;
    EngineGlobals globals;

    // side x side atoms per layer, 3 A apart, layers 1.8 A apart from z = 0 down.
    Crystallite(int side, int layers) {
        rs.host = &host;
        rs.globals = &globals;
        rs.options.Verbose = 0;
        rs.N = side * side * layers;
        AllocateParticleArrays(rs.particles, rs.N, 3);
        AllocateMassAndZ(rs.particles, rs.N);
        rs.run.Theta = kPi / 2;
        int32_t i = 1;
        TParticleArrays& p = rs.particles;
        for (int l = 0; l < layers; ++l)
            for (int a = 0; a < side; ++a)
                for (int b = 0; b < side; ++b, ++i) {
                    p.siteX[i] = p.x[i] = a * 3e-10;
                    p.siteY[i] = p.y[i] = b * 3e-10;
                    p.siteZ[i] = p.z[i] = -l * 1.8e-10;
                }
    }
};

TEST(ThermalDisplacement, SurfaceAndBulkAtomsByTheirDepthBelowAtomOne) {
    Crystallite c(1, 1);
    TParticleArrays& p = c.rs.particles;
    c.rs.model.BulkVariance = 0.01;  // only bulk atoms move
    for (const double depth : {0.5, 1.5}) {
        p.x[1] = p.y[1] = p.z[1] = 0;
        AllocateParticleArrays(p, 2, 3);
        p.z[2] = -depth * 1e-10;
        c.rs.random.seed = 99;
        ApplyThermalDisplacements(2, c.rs);
        EXPECT_EQ(p.x[2] != 0, depth > 1) << depth;
        EXPECT_EQ(p.z[2] != -depth * 1e-10, depth > 1) << depth;
    }
}

TEST(ThermalDisplacement, AxesAreDrawnInTheOrderXYZWithTheirVariances) {
    for (const bool noY : {false, true}) {
        SCOPED_TRACE(noY);
        Crystallite c(1, 1);
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
        const double phi = -kPi / 2 + (k + 0.5) * kPi / n;
        const double c = std::cos(phi);
        sum += c * c * 2 * cutMean(3.125 / (c * c));
    }
    return 0.5 * (0.5 * 2) + 0.5 * (sum / n);
}

TEST(ThermalDisplacement, MeanSquareDisplacementPerAxisOverALargeCrystallite) {
    const double factor = MeanSquareFactor();
    EXPECT_NEAR(factor, 0.96, 0.002);  // a little below 1: the positive tail is cut

    Crystallite c(100, 3);  // 10000 surface atoms and 20000 bulk atoms
    TModelParameters& m = c.rs.model;
    m.BulkVariance = 0.01;
    m.PerpendicularVariance = 0.02;
    m.ParallelVariance = 0.015;
    SeedRandomFromClock(c.rs.random, 4242u);

    // [surface, bulk] x [x, y, z], square Angstrom.
    double sum[2][3] = {};
    int count[2] = {};
    const TParticleArrays& p = c.rs.particles;
    const int impacts = 10;
    for (int impact = 0; impact < impacts; ++impact) {
        ResetTarget(c.rs.N, c.rs);
        for (int32_t i = 1; i <= c.rs.N; ++i) {
            const int bulk = p.siteZ[i] < -1e-10 ? 1 : 0;
            const double d[3] = {p.x[i] - p.siteX[i], p.y[i] - p.siteY[i], p.z[i] - p.siteZ[i]};
            for (int a = 0; a < 3; ++a) sum[bulk][a] += d[a] * d[a] * 1e20;
            ++count[bulk];
        }
    }
    const double variance[2][3] = {{0.015, 0.015, 0.02}, {0.01, 0.01, 0.01}};
    const char* axis = "xyz";
    for (int bulk = 0; bulk < 2; ++bulk)
        for (int a = 0; a < 3; ++a) {
            const double msd = sum[bulk][a] / count[bulk];
            const double expected = variance[bulk][a] * factor;
            // 100000 (surface) or 200000 (bulk) draws: a standard error below 0.5 %.
            EXPECT_NEAR(msd / expected, 1.0, 0.02) << (bulk ? "bulk " : "surface ") << axis[a];
        }
}

}  // namespace
}  // namespace halvern
