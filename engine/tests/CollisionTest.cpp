// Ar on one Cu atom at 1 keV, driven by the kernels: a head-on collision transfers
// 4 m1 m2 / (m1 + m2)^2 of the energy, and an off-centre one the energy of the classical
// scattering integral of the same truncated potential, computed here by quadrature.
#include <gtest/gtest.h>

#include <cmath>

#include "KernelTestDriver.h"

namespace halvern {
namespace {

using namespace test;

constexpr double kMAr = 39.948, kMCu = 63.546;
constexpr double kE = 1000 * kEv;  // 1 keV
constexpr double kRc = 3.7 * kAngstrom;
constexpr double kDt = 7e-17;  // the run file's default time step, s

// The projectile-target potential written out independently: ZBL screening of Ar-Cu with
// K = e^2 / (4 pi eps0), e = 1.602192e-19 C, and shifted to 0 at the cut-off, where the force
// ends.
double Zbl(double r) {
    const double K = 1.602192e-19 * 1.602192e-19 * 8.9875517873681764e9;
    const double a = 4.685e-11 / (std::pow(18.0, 0.23) + std::pow(29.0, 0.23));
    const double c[4] = {0.0281, 0.2802, 0.5099, 0.1818}, b[4] = {0.2016, 0.4029, 0.9423, 3.2};
    double phi = 0;
    for (int k = 0; k < 4; ++k) phi += c[k] * std::exp(-b[k] * r / a);
    return K * 18 * 29 * phi / r;
}
double Truncated(double r) {
    return r < kRc ? Zbl(r) - Zbl(kRc) : 0.0;
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

struct Outcome {
    double projectile, recoil;  // final kinetic energies, J
};

Outcome Collide(int32_t alg, double b, double dt) {
    TKernelSystem s;
    EXPECT_TRUE(Prepare(DefaultCuModel(18), s.pot));
    Allocate(s, 1, alg);
    const double v = std::sqrt(2 * kE / (kMAr * kAmu));
    SetParticle(s, 0, 18, kMAr, b, 0, 4.0 * kAngstrom, 0, 0, -v);
    SetParticle(s, 1, 29, kMCu, 0, 0, 0);
    // About 1.8e-14 s: in, out and well apart.
    RunSteps(s, dt, static_cast<int32_t>(1.8e-14 / dt), 10);
    EXPECT_GT(std::sqrt(std::pow(s.p.x[0] - s.p.x[1], 2) + std::pow(s.p.z[0] - s.p.z[1], 2)), kRc);
    return {KineticEnergy(s.p, 0), KineticEnergy(s.p, 1)};
}

constexpr const char* kNames[] = {"HGE", "TwoStep", "Beeman", "Verlet"};

TEST(Collision, HeadOnTransfersTheKinematicShare) {
    // 4 x 39.948 x 63.546 / 103.494^2 = 0.948001 of 1 keV.
    const double share = 4 * kMAr * kMCu / ((kMAr + kMCu) * (kMAr + kMCu));
    EXPECT_NEAR(share * 1000, 948.0, 0.01);
    for (int32_t alg : {kHge, kTwoStep, kBeeman, kVerlet}) {
        const Outcome o = Collide(alg, 0, kDt);
        EXPECT_NEAR(o.recoil / kE, share, 1e-3 * share) << kNames[alg];
        EXPECT_NEAR((o.recoil + o.projectile) / kE, 1.0, 1e-3) << kNames[alg];
    }
}

TEST(Collision, OffCentreMatchesTheScatteringIntegral) {
    const double gamma = 4 * kMAr * kMCu / ((kMAr + kMCu) * (kMAr + kMCu));
    const double Ec = kE * kMCu / (kMAr + kMCu);
    for (double bA : {0.2, 0.5, 1.2}) {
        const double theta = DeflectionAngle(bA * kAngstrom, Ec);
        const double recoil = kE * gamma * std::pow(std::sin(theta / 2), 2);
        for (int32_t alg : {kHge, kTwoStep, kBeeman, kVerlet}) {
            const Outcome o = Collide(alg, bA * kAngstrom, kDt);
            EXPECT_NEAR(o.recoil, recoil, 5e-3 * recoil) << kNames[alg] << " b = " << bA;
            EXPECT_NEAR(o.projectile, kE - recoil, 5e-3 * (kE - recoil))
                << kNames[alg] << " b = " << bA;
        }
    }
}

}  // namespace
}  // namespace halvern
