// The four integrators over particles 0..N: HGE predictor-corrector with the minimum-force rule,
// Two-Step (Beeman form for a changing step), Beeman and velocity Verlet, with the pair loop they
// share. Forces come from the pair kernels over the partner rows.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "dynamics/PairForce.h"
#include "dynamics/ParticleArrays.h"

namespace halvern {

// The HGE force cache: per particle and partner slot the pair force at the step's start
// positions (C1) and at the predicted positions (C2); slot k of row i belongs to i's k-th partner.
struct THgeForceCache {
    int32_t rows = 0;
    int32_t slots = 0;
    std::vector<double> c1x, c1y, c1z;
    std::vector<double> c2x, c2y, c2z;
};

void AllocateHgeForceCache(THgeForceCache& cache, int32_t n, int32_t slots);
void FreeHgeForceCache(THgeForceCache& cache);

// The inelastic passes of the Verlet step (Shapiro-Tombrello, Oen-Robinson, LSS in that order),
// filled by the trajectory; called once per step after the velocity update.
using InelasticPasses = std::function<void(int32_t N, double dt)>;

// The pair loop: for each listed pair (i, j) within Rc (squared distance not above Rc^2) the
// pair force on i is added to i's entry of (fx, fy, fz) and subtracted from j's.
void AccumulatePairForces(int32_t N, const double* x, const double* y, const double* z, double* fx,
                          double* fy, double* fz, const TPartnerRows& rows, const TForceField& f);

// F1 := the forces at the current positions; F2 := F1. The start step of Two-Step, Beeman and
// Verlet.
void VerletStart(int32_t N, TParticleArrays& p, const TPartnerRows& rows, const TForceField& f);

// One HGE step; Fmin from the potentials. Needs the P arrays and the cache.
void HgeStep(int32_t N, double dt, TParticleArrays& p, const TPartnerRows& rows,
             const TForceField& f, THgeForceCache& cache);

// One Two-Step step with rho = TimestepRatio (the new step over the old one). Needs F3.
void TwoStepStep(int32_t N, double dt, double rho, TParticleArrays& p, const TPartnerRows& rows,
                 const TForceField& f);

// One Beeman step. Needs F3.
void BeemanStep(int32_t N, double dt, TParticleArrays& p, const TPartnerRows& rows,
                const TForceField& f);

// One velocity-Verlet step followed by the inelastic passes (when given).
void VerletStepWithEvents(int32_t N, double dt, TParticleArrays& p, const TPartnerRows& rows,
                          const TForceField& f, const InelasticPasses& passes);

// The force sets shift between steps by exchanging the arrays (F3 := F2, F2 := F1), so pointers
// into p.f1x .. p.f3z do not stay valid across a step.

}  // namespace halvern
