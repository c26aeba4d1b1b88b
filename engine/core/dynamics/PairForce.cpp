#include "dynamics/PairForce.h"

#include <cmath>

namespace halvern {

namespace {

double ScreenedEnergy(double zz, const double* c, const double* b, int terms, double a, double r) {
    double phi = 0.0;
    for (int k = 0; k < terms; ++k) phi += c[k] * std::exp(-b[k] * (r / a));
    return kCoulombK * zz * phi / r;
}

double UniversalEnergyOf(double zz, double a, double r) {
    return ScreenedEnergy(zz, kUniversalC, kUniversalB, 4, a, r);
}

double MoliereEnergyOf(double zz, double a, double r) {
    return ScreenedEnergy(zz, kMoliereC, kMoliereB, 3, a, r);
}

}  // namespace

double PairUniversalForce(const TForceField& f, int32_t i, int32_t j, double r, double factor) {
    const double a = ZblScreeningLength(f.Z[i], f.Z[j], factor);
    double beta[4];
    for (int k = 0; k < 4; ++k) beta[k] = kScreeningExponents[k] / a;
    return UniversalForce(ZProduct(f, i, j), beta, r);
}

const double* PairSplineCoefficients(const TForceField& f, int32_t i, int32_t j, double* scratch) {
    const TPairPotentials& p = *f.pot;
    const int32_t e = p.pairs.index(f.Z[i], f.Z[j]);
    if (e >= 0) return p.pairs.spline.data() + static_cast<size_t>(e) * 4;
    const double a = ZblScreeningLength(f.Z[i], f.Z[j], p.ttFactor);
    FitPotentialSpline(static_cast<int16_t>(f.Z[i]), static_cast<int16_t>(f.Z[j]),
                       static_cast<int16_t>(p.ttKind), a, p.Rlow, p.Rhigh, p.D, p.alpha, p.r0,
                       scratch[0], scratch[1], scratch[2], scratch[3], nullptr);
    return scratch;
}

double PairSplineForce(const TForceField& f, int32_t i, int32_t j, double r) {
    double scratch[4];
    return SplineForceOf(PairSplineCoefficients(f, i, j, scratch), r);
}

void PairForce(const TForceField& f, double& Fx, double& Fy, double& Fz, double xi, double xj,
               double yi, double yj, double zi, double zj, int32_t i, int32_t j) {
    const double dx = xi - xj, dy = yi - yj, dz = zi - zj;
    const double r = std::sqrt(dx * dx + dy * dy + dz * dz);
    const double g = PairForceOf(f, i, j, r);
    Fx = dx * g;
    Fy = dy * g;
    Fz = dz * g;
}

double PairUniversalEnergy(const TForceField& f, int32_t i, int32_t j, double r, double factor) {
    return UniversalEnergyOf(ZProduct(f, i, j), ZblScreeningLength(f.Z[i], f.Z[j], factor), r);
}

double PtUniversalEnergy(const TForceField& f, int32_t i, int32_t j, double r) {
    if (f.pot->ComplexTarget) return PairUniversalEnergy(f, i, j, r, f.pot->ptFactor);
    return UniversalEnergyOf(ZProduct(f, i, j), f.pot->aPT, r);
}

double TtUniversalEnergy(const TForceField& f, int32_t i, int32_t j, double r) {
    if (f.pot->ComplexTarget) return PairUniversalEnergy(f, i, j, r, f.pot->ttFactor);
    return UniversalEnergyOf(ZProduct(f, i, j), f.pot->aTT, r);
}

double PtMoliereEnergy(const TForceField& f, int32_t i, int32_t j, double r) {
    return MoliereEnergyOf(ZProduct(f, i, j), f.pot->aPT, r);
}

double TtMoliereEnergy(const TForceField& f, int32_t i, int32_t j, double r) {
    return MoliereEnergyOf(ZProduct(f, i, j), f.pot->aTT, r);
}

double PtRepulsiveEnergy(const TForceField& f, int32_t i, int32_t j, double r) {
    return f.pot->ptKind != kZbl ? PtMoliereEnergy(f, i, j, r) : PtUniversalEnergy(f, i, j, r);
}

double TtRepulsiveEnergy(const TForceField& f, int32_t i, int32_t j, double r) {
    return f.pot->ttKind != kZbl ? TtMoliereEnergy(f, i, j, r) : TtUniversalEnergy(f, i, j, r);
}

double SplineEnergy(const TForceField& f, double r) {
    return SplineValue(f.pot->SplineCoefficients, r);
}

double PairSplineEnergy(const TForceField& f, int32_t i, int32_t j, double r) {
    double scratch[4];
    return SplineValue(PairSplineCoefficients(f, i, j, scratch), r);
}

double OuterEnergyByFlags(const TForceField& f, int32_t i, int32_t j, double r) {
    const uint8_t fi = f.flags[i], fj = f.flags[j];
    if ((fi & kFlagRepulsiveOnly) && (fj & kFlagRepulsiveOnly))
        return TtRepulsiveEnergy(f, i, j, r);
    if ((fi & kFlagNoLongRange) || (fj & kFlagNoLongRange))
        return PairSplineEnergy(f, i, j, f.pot->Rhigh);
    return MorseEnergy(f.pot->D, f.pot->alpha, f.pot->r0, r);
}

TCutoffEnergies CutoffEnergies(const TForceField& f, int32_t N) {
    const TPairPotentials& p = *f.pot;
    TCutoffEnergies e;
    e.pt = PtRepulsiveEnergy(f, 0, 1, p.Rc);
    if (p.MorseOption == 1 || p.Rc <= p.Rlow)
        e.tt = TtRepulsiveEnergy(f, 1, N, p.Rc);
    else if (p.Rc >= p.Rhigh)
        e.tt = MorseEnergy(p.D, p.alpha, p.r0, p.Rc);
    else
        e.tt = p.ComplexTarget ? PairSplineEnergy(f, 1, N, p.Rc) : SplineEnergy(f, p.Rc);
    if (f.SelfBombardment) e.pt = e.tt;
    return e;
}

double PairCutoffEnergy(const TForceField& f, int32_t i, int32_t j) {
    const TPairPotentials& p = *f.pot;
    if (p.MorseOption == 1 || p.Rc <= p.Rlow) return TtUniversalEnergy(f, i, j, p.Rc);
    if (p.Rc <= p.Rhigh) return PairSplineEnergy(f, i, j, p.Rc);
    return OuterEnergyByFlags(f, i, j, p.Rc);
}

}  // namespace halvern
