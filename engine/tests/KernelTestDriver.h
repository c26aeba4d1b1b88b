// A small driver for the kernel tests: the default copper model, particle arrays filled by hand,
// and a loop of integrator steps with partner-list rebuilds every K steps. It stands in for the
// trajectory loop, which these tests do not need.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "dynamics/Integrators.h"
#include "dynamics/PairForce.h"
#include "dynamics/ParticleArrays.h"
#include "dynamics/PartnerLists.h"
#include "host/EngineHost.h"
#include "potentials/PairPotentials.h"

namespace halvern::test {

constexpr double kAngstrom = 1e-10;
constexpr double kEv = 1.602192e-19;
constexpr double kAmu = 1.66053e-27;

enum Algorithm : int32_t { kHge = 0, kTwoStep = 1, kBeeman = 2, kVerlet = 3 };

// The default copper model: T-T Moliere-Lindhard with correction 0.890869, P-T ZBL with factor
// 1, Morse D 0.480 eV, alpha 1.405 1/A, r0 2.628 A, spline 1.5..2.1 A, Rc 3.7 A.
inline TPotentialInputs DefaultCuModel(int32_t projectileZ = 18) {
    TPotentialInputs in;
    in.ptKind = 0;
    in.ptFactor = 1.0;
    in.ttKind = 1;
    in.ttFactor = 0.890869;
    in.MorseOption = 0;
    in.D = 0.480 * kEv;
    in.alpha = 1.405e10;
    in.r0 = 2.628 * kAngstrom;
    in.Rlow = 1.5 * kAngstrom;
    in.Rhigh = 2.1 * kAngstrom;
    in.Rc = 3.7 * kAngstrom;
    in.projectileZ = projectileZ;
    in.targetZ = 29;
    in.MinForce = 1;
    return in;
}

inline bool Prepare(const TPotentialInputs& in, TPairPotentials& pot) {
    RecordingHost host;
    return PreparePotentials(in, pot, host);
}

struct TKernelSystem {
    TParticleArrays p;
    TPairPotentials pot;
    TPartnerRows rows;
    TCellList cells;
    THgeForceCache cache;
    TForceSwitches switches;
    int32_t algorithm = kVerlet;
    int32_t limit = 50;
    int32_t step = 0;  // steps run so far; a later RunSteps goes on from here

    TForceField field() const {
        return TForceField{&pot, p.Z.data(), p.flags.data(), switches.SelfBombardment};
    }
};

// Arrays for particles 0..N, all at rest at the origin.
inline void Allocate(TKernelSystem& s, int32_t N, int32_t algorithm) {
    s.algorithm = algorithm;
    AllocateParticleArrays(s.p, N, algorithm);
    AllocateMassAndZ(s.p, N);
    AllocatePartnerRows(s.rows, N + 1, s.limit + 1);
    AllocateCellList(s.cells, N);
    if (algorithm == kHge) AllocateHgeForceCache(s.cache, N + 1, s.limit + 1);
}

inline void SetParticle(TKernelSystem& s, int32_t i, int32_t Z, double massAmu, double x, double y,
                        double z, double vx = 0, double vy = 0, double vz = 0) {
    s.p.Z[i] = Z;
    s.p.mass[i] = massAmu * kAmu;
    s.p.x[i] = x;
    s.p.y[i] = y;
    s.p.z[i] = z;
    s.p.vx[i] = vx;
    s.p.vy[i] = vy;
    s.p.vz[i] = vz;
}

inline void Rebuild(TKernelSystem& s, double radius) {
    TPartnerSearch search{radius * radius, s.limit, s.switches.IgnoreTargetForces};
    FillPartnerRowsCells(s.p.N, s.p.x.data(), s.p.y.data(), s.p.z.data(), s.rows, s.cells, search);
}

inline double MaxSpeed(const TParticleArrays& p) {
    double v2 = 0;
    for (int32_t i = 0; i <= p.N; ++i)
        v2 = std::max(v2, p.vx[i] * p.vx[i] + p.vy[i] * p.vy[i] + p.vz[i] * p.vz[i]);
    return std::sqrt(v2);
}

// `steps` further steps of the system's integrator at a fixed dt, rebuilding every K steps with
// the radius Rc plus the fastest particle's travel between rebuilds (and a margin).
inline void RunSteps(TKernelSystem& s, double dt, int32_t steps, int32_t K = 10) {
    const TForceField f = s.field();
    const int32_t N = s.p.N;
    for (int32_t n = 0; n < steps; ++n, ++s.step) {
        if (s.step % K == 0) Rebuild(s, s.pot.Rc + 1.5 * MaxSpeed(s.p) * dt * K + 0.1 * kAngstrom);
        if (s.step == 0 && s.algorithm != kHge) VerletStart(N, s.p, s.rows, f);
        switch (s.algorithm) {
            case kHge:
                HgeStep(N, dt, s.p, s.rows, f, s.cache);
                break;
            case kTwoStep:
                TwoStepStep(N, dt, 1.0, s.p, s.rows, f);
                break;
            case kBeeman:
                BeemanStep(N, dt, s.p, s.rows, f);
                break;
            default:
                VerletStepWithEvents(N, dt, s.p, s.rows, f, nullptr);
                break;
        }
    }
}

inline double KineticEnergy(const TParticleArrays& p, int32_t i) {
    return 0.5 * p.mass[i] * (p.vx[i] * p.vx[i] + p.vy[i] * p.vy[i] + p.vz[i] * p.vz[i]);
}

}  // namespace halvern::test
