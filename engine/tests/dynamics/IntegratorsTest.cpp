// The integrators on small systems: the HGE minimum-force rule, observed order of accuracy and
// long-run energy of a Morse oscillator; and Ar on one Cu atom at 1 keV, where a head-on
// collision transfers 4 m1 m2 / (m1 + m2)^2 of the energy and an off-centre one the energy of the
// classical scattering integral of the same truncated potential, computed here by quadrature.
#include "dynamics/Integrators.h"

#include <gtest/gtest.h>

#include <cmath>

#include "KernelTestDriver.h"

namespace halvern::test {
namespace {

constexpr const char* kNames[] = {"HGE", "TwoStep", "Beeman", "Verlet"};
constexpr int32_t kAlgorithms[] = {kHge, kTwoStep, kBeeman, kVerlet};

// Two copper atoms at 2.9 A, at rest, oscillating in the Morse well (2.43 .. 2.9 A). Particle 0
// takes the target-target path through SelfBombardment.
void MorseDimer(TKernelSystem& s, int32_t alg) {
    ASSERT_TRUE(Prepare(DefaultCuModel(29), s.pot));
    s.pot.Fmin = 0;
    s.switches.SelfBombardment = true;
    Allocate(s, 1, alg);
    SetParticle(s, 0, 29, 63.546, 0, 0, 0);
    SetParticle(s, 1, 29, 63.546, 1.7 * kAngstrom, 1.0 * kAngstrom, 2.1 * kAngstrom);
}

double Separation(const TParticleArrays& p) {
    return std::hypot(p.x[1] - p.x[0], p.y[1] - p.y[0], p.z[1] - p.z[0]);
}

TEST(Integrators, HgeWithFminAboveEveryForceReusesTheStartForce) {
    TKernelSystem s;
    MorseDimer(s, kHge);
    s.pot.Fmin = 1.0;  // N: far above any pair force
    const TForceField f = s.field();
    Rebuild(s, 4 * kAngstrom);
    double F[3];
    PairForce(f, F[0], F[1], F[2], s.p.x[0], s.p.x[1], s.p.y[0], s.p.y[1], s.p.z[0], s.p.z[1], 0,
              1);
    const double dt = 1e-15, m = s.p.mass[0];
    const double x0 = s.p.x[0], z1 = s.p.z[1];
    HgeStep(1, dt, s.p, s.rows, f, s.cache);
    EXPECT_NEAR(s.p.x[0], x0 + F[0] * dt * dt / (2 * m), 1e-12 * std::fabs(F[0] * dt * dt / m));
    EXPECT_NEAR(s.p.z[1], z1 - F[2] * dt * dt / (2 * m), 1e-12 * std::fabs(F[2] * dt * dt / m));
    EXPECT_NEAR(s.p.vx[0], F[0] * dt / m, 1e-12 * std::fabs(F[0] * dt / m));
    EXPECT_NEAR(s.p.vz[1], -F[2] * dt / m, 1e-12 * std::fabs(F[2] * dt / m));
}

TEST(Integrators, PairLoopSkipsListedPairsBeyondTheCutOff) {
    TKernelSystem s;
    MorseDimer(s, kVerlet);
    s.p.x[1] = 3.8 * kAngstrom;  // listed, but beyond Rc
    s.p.y[1] = s.p.z[1] = 0;
    Rebuild(s, 5 * kAngstrom);
    ASSERT_EQ(s.rows.row(0)[0], 1);
    VerletStart(1, s.p, s.rows, s.field());
    EXPECT_EQ(s.p.f1x[0], 0);
    EXPECT_EQ(s.p.f2x[1], 0);
}

// Self-convergence: the separation after 200 fs at dt, dt/2, ..., dt/16; the differences of
// successive results shrink by 2^p. The order of the last two is returned.
double ObservedOrder(int32_t alg) {
    double sep[5];
    for (int k = 0; k < 5; ++k) {
        TKernelSystem s;
        MorseDimer(s, alg);
        const int32_t steps = 50 << k;
        RunSteps(s, 200e-15 / steps, steps);
        sep[k] = Separation(s.p);
    }
    return std::log2(std::fabs(sep[3] - sep[2]) / std::fabs(sep[4] - sep[3]));
}

TEST(Integrators, ObservedOrderOfAccuracy) {
    // HGE, Beeman and Verlet are second order. Two-Step's velocity weights (2.5, 4, -0.5) are
    // exact to third order in dt, which makes it third order on a smooth force.
    const double lo[] = {1.9, 2.7, 1.9, 1.9}, hi[] = {2.1, 3.2, 2.1, 2.1};
    for (int32_t alg : kAlgorithms) {
        const double p = ObservedOrder(alg);
        EXPECT_GT(p, lo[alg]) << kNames[alg];
        EXPECT_LT(p, hi[alg]) << kNames[alg];
    }
}

TEST(Integrators, VerletAndBeemanKeepTheEnergyOfALongRun) {
    // 80 periods of about 262 fs at 2 fs per step.
    for (int32_t alg : {kBeeman, kVerlet}) {
        TKernelSystem s;
        MorseDimer(s, alg);
        auto energy = [&s] {
            return KineticEnergy(s.p, 0) + KineticEnergy(s.p, 1) +
                   MorseEnergy(s.pot.D, s.pot.alpha, s.pot.r0, Separation(s.p));
        };
        const double E0 = energy();
        const double depth = E0 + s.pot.D;  // energy of the oscillation
        double worst = 0, early = 0, late = 0;
        const int32_t chunks = 100;
        for (int32_t c = 0; c < chunks; ++c) {
            RunSteps(s, 2e-15, 105);
            const double dE = energy() - E0;
            worst = std::max(worst, std::fabs(dE));
            if (c < 10) early += dE / 10;
            if (c >= chunks - 10) late += dE / 10;
        }
        EXPECT_LT(worst, 1e-3 * depth) << kNames[alg];
        EXPECT_LT(std::fabs(late - early), 1e-4 * depth) << kNames[alg] << ": no drift";
    }
}

constexpr double kMAr = 39.948, kMCu = 63.546;
constexpr double kE = 1000 * kEv;  // 1 keV
constexpr double kRc = 3.7 * kAngstrom;
constexpr double kShare = 4 * kMAr * kMCu / ((kMAr + kMCu) * (kMAr + kMCu));

// The projectile-target potential written out independently: ZBL screening of Ar-Cu with
// K = e^2 / (4 pi eps0), e = 1.602192e-19 C, shifted to 0 at the cut-off, where the force ends.
double Truncated(double r) {
    auto zbl = [](double s) {
        const double K = 1.602192e-19 * 1.602192e-19 * 8.9875517873681764e9;
        const double a = 4.685e-11 / (std::pow(18.0, 0.23) + std::pow(29.0, 0.23));
        const double c[4] = {0.0281, 0.2802, 0.5099, 0.1818}, b[4] = {0.2016, 0.4029, 0.9423, 3.2};
        double phi = 0;
        for (int k = 0; k < 4; ++k) phi += c[k] * std::exp(-b[k] * s / a);
        return K * 18 * 29 * phi / s;
    };
    return r < kRc ? zbl(r) - zbl(kRc) : 0.0;
}

// Centre-of-mass deflection angle for impact parameter b at centre-of-mass energy Ec:
// theta = pi - 2 b Int_rmin^inf dr / (r^2 sqrt(1 - U(r)/Ec - b^2/r^2)). Beyond Rc the integral
// is asin(b / Rc) / b; inside, r = rmin + t^2 removes the root's singularity and Gauss-Legendre
// panels do the rest.
double DeflectionAngle(double b, double Ec) {
    auto g = [&](double r) { return 1 - Truncated(r) / Ec - b * b / (r * r); };
    double lo = 1e-14, hi = kRc;
    for (int k = 0; k < 200; ++k) {
        const double mid = 0.5 * (lo + hi);
        (g(mid) > 0 ? hi : lo) = mid;
    }
    const double rmin = hi;
    const double T = std::sqrt(kRc - rmin);
    const double xg[5] = {-0.9061798459386640, -0.5384693101056831, 0.0, 0.5384693101056831,
                          0.9061798459386640};
    const double wg[5] = {0.2369268850561891, 0.4786286704993665, 0.5688888888888889,
                          0.4786286704993665, 0.2369268850561891};
    const int panels = 4000;
    double inner = 0;
    for (int p = 0; p < panels; ++p) {
        const double t0 = T * p / panels, h = T / panels;
        for (int k = 0; k < 5; ++k) {
            const double t = t0 + 0.5 * h * (1 + xg[k]);
            const double r = rmin + t * t;
            inner += 0.5 * h * wg[k] * 2 * t / (r * r * std::sqrt(g(r)));
        }
    }
    return M_PI - 2 * b * inner - 2 * std::asin(b / kRc);
}

// Final kinetic energies (J) of projectile and recoil after about 1.8e-14 s at the run file's
// default time step: in, out and well apart.
std::pair<double, double> Collide(int32_t alg, double b) {
    TKernelSystem s;
    EXPECT_TRUE(Prepare(DefaultCuModel(18), s.pot));
    Allocate(s, 1, alg);
    const double v = std::sqrt(2 * kE / (kMAr * kAmu)), dt = 7e-17;
    SetParticle(s, 0, 18, kMAr, b, 0, 4.0 * kAngstrom, 0, 0, -v);
    SetParticle(s, 1, 29, kMCu, 0, 0, 0);
    RunSteps(s, dt, static_cast<int32_t>(1.8e-14 / dt), 10);
    EXPECT_GT(std::hypot(s.p.x[0] - s.p.x[1], s.p.z[0] - s.p.z[1]), kRc);
    return {KineticEnergy(s.p, 0), KineticEnergy(s.p, 1)};
}

TEST(Collision, HeadOnTransfersTheKinematicShare) {
    EXPECT_NEAR(kShare * 1000, 948.0, 0.01);  // 4 x 39.948 x 63.546 / 103.494^2 of 1 keV
    for (int32_t alg : kAlgorithms) {
        const auto [projectile, recoil] = Collide(alg, 0);
        EXPECT_NEAR(recoil / kE, kShare, 1e-3 * kShare) << kNames[alg];
        EXPECT_NEAR((recoil + projectile) / kE, 1.0, 1e-3) << kNames[alg];
    }
}

TEST(Collision, OffCentreMatchesTheScatteringIntegral) {
    const double Ec = kE * kMCu / (kMAr + kMCu);
    for (double bA : {0.2, 0.5, 1.2}) {
        const double theta = DeflectionAngle(bA * kAngstrom, Ec);
        const double expected = kE * kShare * std::pow(std::sin(theta / 2), 2);
        for (int32_t alg : kAlgorithms) {
            const auto [projectile, recoil] = Collide(alg, bA * kAngstrom);
            EXPECT_NEAR(recoil, expected, 5e-3 * expected) << kNames[alg] << " b = " << bA;
            EXPECT_NEAR(projectile, kE - expected, 5e-3 * (kE - expected))
                << kNames[alg] << " b = " << bA;
        }
    }
}

}  // namespace
}  // namespace halvern::test
