// Pair forces g = -(dV/dr) / r (N/m) and potential energies (J) of every pair by distance and
// pair kind: projectile-target or target-target, elemental or complex target, flag bits 4
// (repulsive only) and 2 (no long-range force). The force on i from j is (r_i - r_j) g.
#pragma once

#include <cmath>
#include <cstdint>

#include "potentials/PairPotentials.h"

namespace halvern {

// The option values the kernels read.
struct TForceSwitches {
    bool SelfBombardment = false;     // the projectile interacts as a target atom
    bool IgnoreTargetForces = false;  // target atoms interact only with the projectile
};

// What the force and energy routines read: the prepared potentials, the atomic numbers and
// the working flag bytes of particles 0..N.
struct TForceField {
    const TPairPotentials* pot = nullptr;
    const int32_t* Z = nullptr;
    const uint8_t* flags = nullptr;
    bool SelfBombardment = false;
};

constexpr uint8_t kFlagRepulsiveOnly = 4;
constexpr uint8_t kFlagNoLongRange = 2;

// --- force routines (arguments i, j, r; result g) ---------------------------------------------

double PairUniversalForce(const TForceField& f, int32_t i, int32_t j, double r, double factor);
double PairSplineForce(const TForceField& f, int32_t i, int32_t j, double r);

inline double ZProduct(const TForceField& f, int32_t i, int32_t j) {
    return static_cast<double>(f.Z[i]) * static_cast<double>(f.Z[j]);
}

// The pair's reduced four-term exponents of a complex target (P-T or T-T factor), or null when
// the pair tables hold no entry for it.
inline const double* PairBetas(const TForceField& f, int32_t i, int32_t j, bool projectile) {
    const int32_t e = f.pot->pairs.index(f.Z[i], f.Z[j]);
    if (e < 0) return nullptr;
    const auto& v = projectile ? f.pot->pairs.betaPT : f.pot->pairs.betaTT;
    return v.data() + static_cast<size_t>(e) * 4;
}

inline double TtUniversalForce(const TForceField& f, int32_t i, int32_t j, double r) {
    if (!f.pot->ComplexTarget) return UniversalForce(ZProduct(f, i, j), f.pot->betaTT4(), r);
    if (const double* beta = PairBetas(f, i, j, false))
        return UniversalForce(ZProduct(f, i, j), beta, r);
    return PairUniversalForce(f, i, j, r, f.pot->ttFactor);
}

inline double PtUniversalForce(const TForceField& f, int32_t i, int32_t j, double r) {
    if (!f.pot->ComplexTarget) return UniversalForce(ZProduct(f, i, j), f.pot->betaPT4(), r);
    if (const double* beta = PairBetas(f, i, j, true))
        return UniversalForce(ZProduct(f, i, j), beta, r);
    return PairUniversalForce(f, i, j, r, f.pot->ptFactor);
}

inline double TtMoliereForce(const TForceField& f, int32_t i, int32_t j, double r) {
    return MoliereForce(ZProduct(f, i, j), f.pot->betaTT3(), r);
}

inline double PtMoliereForce(const TForceField& f, int32_t i, int32_t j, double r) {
    return MoliereForce(ZProduct(f, i, j), f.pot->betaPT3(), r);
}

inline double SplineForce(const TForceField& f, double r) {
    return SplineForceOf(f.pot->SplineCoefficients, r);
}

inline double TtRepulsiveForce(const TForceField& f, int32_t i, int32_t j, double r) {
    return f.pot->ttKind != kZbl ? TtMoliereForce(f, i, j, r) : TtUniversalForce(f, i, j, r);
}

inline double PtRepulsiveForce(const TForceField& f, int32_t i, int32_t j, double r) {
    return f.pot->ptKind != kZbl ? PtMoliereForce(f, i, j, r) : PtUniversalForce(f, i, j, r);
}

// Beyond Rhigh in a complex target: both flagged 4 repel; else either flagged 2 feels nothing;
// else Morse.
inline double OuterForceByFlags(const TForceField& f, int32_t i, int32_t j, double r) {
    const uint8_t fi = f.flags[i], fj = f.flags[j];
    if ((fi & kFlagRepulsiveOnly) && (fj & kFlagRepulsiveOnly)) return TtRepulsiveForce(f, i, j, r);
    if ((fi & kFlagNoLongRange) || (fj & kFlagNoLongRange)) return 0.0;
    return MorseTableLookup(f.pot->MorseTable.data(), r);
}

// The target-target force by region; `Complex` is the target kind, fixed for a run.
template <bool Complex>
inline double TargetTargetForce(const TForceField& f, int32_t i, int32_t j, double r) {
    const TPairPotentials& p = *f.pot;
    if (r > p.Rc) return 0.0;
    if (r > p.Rhigh)
        return Complex ? OuterForceByFlags(f, i, j, r) : MorseTableLookup(p.MorseTable.data(), r);
    if (r < p.Rlow) return TtRepulsiveForce(f, i, j, r);
    return Complex ? PairSplineForce(f, i, j, r) : SplineForce(f, r);
}

// The projectile meets only the repulsion, at every distance up to Rc.
inline double ProjectileTargetForce(const TForceField& f, int32_t i, int32_t j, double r) {
    if (r > f.pot->Rc) return 0.0;
    return PtRepulsiveForce(f, i, j, r);
}

// True when i's pairs take the projectile-target path.
inline bool ProjectilePath(const TForceField& f, int32_t i) {
    return i == 0 && !f.SelfBombardment;
}

inline double PairForceOf(const TForceField& f, int32_t i, int32_t j, double r) {
    if (ProjectilePath(f, i)) return ProjectileTargetForce(f, i, j, r);
    return f.pot->ComplexTarget ? TargetTargetForce<true>(f, i, j, r)
                                : TargetTargetForce<false>(f, i, j, r);
}

// The force on i from its partner j (i < j).
void PairForce(const TForceField& f, double& Fx, double& Fy, double& Fz, double xi, double xj,
               double yi, double yj, double zi, double zj, int32_t i, int32_t j);

// --- energy routines (arguments i, j, r; result V in J) ---------------------------------------

double PtUniversalEnergy(const TForceField& f, int32_t i, int32_t j, double r);
double TtUniversalEnergy(const TForceField& f, int32_t i, int32_t j, double r);
double PtMoliereEnergy(const TForceField& f, int32_t i, int32_t j, double r);
double TtMoliereEnergy(const TForceField& f, int32_t i, int32_t j, double r);
double PairUniversalEnergy(const TForceField& f, int32_t i, int32_t j, double r, double factor);
double SplineEnergy(const TForceField& f, double r);
double PairSplineEnergy(const TForceField& f, int32_t i, int32_t j, double r);
double OuterEnergyByFlags(const TForceField& f, int32_t i, int32_t j, double r);
// The repulsive energy of a pair by the P-T or T-T kind.
double PtRepulsiveEnergy(const TForceField& f, int32_t i, int32_t j, double r);
double TtRepulsiveEnergy(const TForceField& f, int32_t i, int32_t j, double r);

// The P-T energy of particles 0 and 1 and the T-T energy of atoms 1 and N at Rc.
struct TCutoffEnergies {
    double pt = 0;
    double tt = 0;
};
TCutoffEnergies CutoffEnergies(const TForceField& f, int32_t N);
// A target pair's energy at Rc (complex targets).
double PairCutoffEnergy(const TForceField& f, int32_t i, int32_t j);

// The pair's spline coefficients of a complex target: from the pair tables, else fitted into
// `scratch`.
const double* PairSplineCoefficients(const TForceField& f, int32_t i, int32_t j, double* scratch);

}  // namespace halvern
