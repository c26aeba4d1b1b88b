// The integrators on small systems: free flight, the HGE minimum-force rule, Two-Step against
// Beeman, observed order of accuracy and long-run energy of a Morse oscillator.
#include "Integrators.h"

#include <gtest/gtest.h>

#include <cmath>

#include "KernelTestDriver.h"

namespace halvern {
namespace {

using namespace test;

constexpr const char* kNames[] = {"HGE", "TwoStep", "Beeman", "Verlet"};

TEST(Integrators, SingleParticleFliesStraight) {
    for (int32_t alg : {kHge, kTwoStep, kBeeman, kVerlet}) {
        TKernelSystem s;
        ASSERT_TRUE(Prepare(DefaultCuModel(), s.pot));
        Allocate(s, 0, alg);
        SetParticle(s, 0, 18, 39.948, 1e-10, 2e-10, 3e-10, 1e3, -2e3, 5e4);
        const double dt = 7e-17;
        RunSteps(s, dt, 25);
        double x = 1e-10, z = 3e-10;
        for (int k = 0; k < 25; ++k) {
            x = x + 1e3 * dt;
            z = z + 5e4 * dt;
        }
        EXPECT_NEAR(s.p.x[0], x, 1e-24) << kNames[alg];
        EXPECT_NEAR(s.p.z[0], z, 1e-24) << kNames[alg];
        EXPECT_EQ(s.p.vx[0], 1e3);
        EXPECT_EQ(s.p.vz[0], 5e4);
    }
}

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
    return std::sqrt(std::pow(p.x[1] - p.x[0], 2) + std::pow(p.y[1] - p.y[0], 2) +
                     std::pow(p.z[1] - p.z[0], 2));
}

double DimerEnergy(const TKernelSystem& s) {
    return KineticEnergy(s.p, 0) + KineticEnergy(s.p, 1) +
           MorseEnergy(s.pot.D, s.pot.alpha, s.pot.r0, Separation(s.p));
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

TEST(Integrators, TwoStepMovesLikeBeemanButUpdatesVelocitiesOtherwise) {
    TKernelSystem a, b;
    MorseDimer(a, kTwoStep);
    MorseDimer(b, kBeeman);
    RunSteps(a, 2e-15, 20);  // the same history for both
    b.p = a.p;
    b.rows = a.rows;
    TwoStepStep(1, 2e-15, 1.0, a.p, a.rows, a.field());
    BeemanStep(1, 2e-15, b.p, b.rows, b.field());
    for (int32_t i = 0; i <= 1; ++i) {
        EXPECT_EQ(a.p.x[i], b.p.x[i]);
        EXPECT_EQ(a.p.z[i], b.p.z[i]);
        EXPECT_NE(a.p.vz[i], b.p.vz[i]);
    }
}

// Self-convergence: the separation after 200 fs at dt, dt/2, dt/4, dt/8, dt/16; the
// differences of successive results shrink by 2^p. The last two ratios are returned.
std::pair<double, double> ObservedOrders(int32_t alg) {
    double sep[5];
    for (int k = 0; k < 5; ++k) {
        TKernelSystem s;
        MorseDimer(s, alg);
        const int32_t steps = 50 << k;
        RunSteps(s, 200e-15 / steps, steps);
        sep[k] = Separation(s.p);
    }
    double e[4];
    for (int k = 0; k < 4; ++k) e[k] = std::fabs(sep[k + 1] - sep[k]);
    return {std::log2(e[1] / e[2]), std::log2(e[2] / e[3])};
}

TEST(Integrators, ObservedOrderOfAccuracy) {
    // HGE, Beeman and Verlet are second order. Two-Step's velocity weights (2.5, 4, -0.5) are
    // exact to third order in dt, which makes it third order on a smooth force.
    struct Expect {
        int32_t alg;
        double lo, hi;
    };
    for (const Expect& c : {Expect{kHge, 1.9, 2.1}, Expect{kBeeman, 1.9, 2.1},
                            Expect{kVerlet, 1.9, 2.1}, Expect{kTwoStep, 2.7, 3.2}}) {
        const auto [p1, p2] = ObservedOrders(c.alg);
        EXPECT_GT(p2, c.lo) << kNames[c.alg] << " " << p1 << " " << p2;
        EXPECT_LT(p2, c.hi) << kNames[c.alg] << " " << p1 << " " << p2;
    }
}

TEST(Integrators, VerletAndBeemanKeepTheEnergyOfALongRun) {
    // 80 periods of about 262 fs at 2 fs per step.
    for (int32_t alg : {kBeeman, kVerlet}) {
        TKernelSystem s;
        MorseDimer(s, alg);
        const double E0 = DimerEnergy(s);
        const double depth = E0 + s.pot.D;  // energy of the oscillation
        double worst = 0, early = 0, late = 0;
        const int32_t chunks = 100;
        for (int32_t c = 0; c < chunks; ++c) {
            RunSteps(s, 2e-15, 105);
            const double dE = DimerEnergy(s) - E0;
            worst = std::max(worst, std::fabs(dE));
            if (c < 10) early += dE / 10;
            if (c >= chunks - 10) late += dE / 10;
        }
        EXPECT_LT(worst, 1e-3 * depth) << kNames[alg];
        EXPECT_LT(std::fabs(late - early), 1e-4 * depth) << kNames[alg] << ": no drift";
    }
}

TEST(Integrators, VerletCallsTheInelasticPassesOncePerStep) {
    TKernelSystem s;
    MorseDimer(s, kVerlet);
    Rebuild(s, 4 * kAngstrom);
    VerletStart(1, s.p, s.rows, s.field());
    int calls = 0;
    double seenDt = 0;
    const InelasticPasses passes = [&](int32_t N, double dt) {
        ++calls;
        seenDt = dt;
        EXPECT_EQ(N, 1);
    };
    for (int k = 0; k < 3; ++k) VerletStepWithEvents(1, 1e-15, s.p, s.rows, s.field(), passes);
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(seenDt, 1e-15);
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

}  // namespace
}  // namespace halvern
