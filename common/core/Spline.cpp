#include "Spline.h"

#include <cmath>

#include "ScreenedCoulomb.h"

namespace halvern {

namespace {

// The fit uses the force loops' K, so that the join meets the repulsion exactly at Rlow. (The
// product e^2 x 8987580024.073166 once written here is 3.2e-6 larger than e^2 times Coulomb's
// constant, which would leave a step in value and slope at the join.)
constexpr double kSplineK = kCoulombK;

double ScreenedValue(const TSplineFit& fit, const double* c, const double* b, int terms, double r) {
    double phi = 0.0;
    for (int k = 0; k < terms; ++k) phi += c[k] * std::exp(-b[k] * r / fit.a);
    return kSplineK * fit.Z1 * fit.Z2 * phi / r;
}

double ScreenedDerivative(const TSplineFit& fit, const double* c, const double* b, int terms,
                          double r) {
    double sum = 0.0;
    for (int k = 0; k < terms; ++k)
        sum += c[k] * std::exp(-b[k] * r / fit.a) * (1.0 / r + b[k] / fit.a);
    return -(kSplineK * fit.Z1 * fit.Z2 / r) * sum;
}

bool RepulsiveKindKnown(TSplineFit& fit) {
    if (fit.kind >= 0 && fit.kind <= 2) return true;
    if (fit.sink) fit.sink->error(kSplineFunctionErrorText);
    fit.failed = true;
    return false;
}

}  // namespace

double UniversalPotential(const TSplineFit& fit, double r) {
    return ScreenedValue(fit, kUniversalC, kUniversalB, 4, r);
}

double UniversalDerivative(const TSplineFit& fit, double r) {
    return ScreenedDerivative(fit, kUniversalC, kUniversalB, 4, r);
}

double MolierePotential(const TSplineFit& fit, double r) {
    return ScreenedValue(fit, kMoliereC, kMoliereB, 3, r);
}

double MoliereDerivative(const TSplineFit& fit, double r) {
    return ScreenedDerivative(fit, kMoliereC, kMoliereB, 3, r);
}

double MorseValue(const TSplineFit& fit, double r) {
    const double e = std::exp(-fit.alpha * (r - fit.r0));
    return fit.D * (e * e - 2.0 * e);
}

double MorseDerivative(const TSplineFit& fit, double r) {
    const double e = std::exp(-fit.alpha * (r - fit.r0));
    return -2.0 * fit.alpha * fit.D * (e * e - e);
}

double OuterValue(const TSplineFit& fit, double r) {
    return MorseValue(fit, r);
}

double OuterDerivative(const TSplineFit& fit, double r) {
    return MorseDerivative(fit, r);
}

double RepulsiveValue(TSplineFit& fit, double r) {
    if (!RepulsiveKindKnown(fit)) return 0.0;
    return fit.kind == kZbl ? UniversalPotential(fit, r) : MolierePotential(fit, r);
}

double RepulsiveDerivative(TSplineFit& fit, double r) {
    if (!RepulsiveKindKnown(fit)) return 0.0;
    return fit.kind == kZbl ? UniversalDerivative(fit, r) : MoliereDerivative(fit, r);
}

bool FitPotentialSpline(int16_t Z1, int16_t Z2, int16_t kind, double a, double Rlow, double Rhigh,
                        double D, double alpha, double r0, double& a0, double& a1, double& a2,
                        double& a3, MessageSink* sink) {
    if (!(Rhigh > Rlow)) {
        if (sink) sink->error(kSplineRangeErrorText);
        return false;
    }
    TSplineFit fit{Z1, Z2, kind, a, D, alpha, r0, false, sink};
    const double L = Rlow, H = Rhigh;
    const double h = H - L;
    const double h3 = std::exp(3.0 * std::log(h));
    // Each coefficient evaluates the four end values afresh, as the fit always has.
    {
        const double V1 = RepulsiveValue(fit, L), D1 = RepulsiveDerivative(fit, L);
        const double V2 = OuterValue(fit, H), D2 = OuterDerivative(fit, H);
        a0 = (H * H * (H - 3.0 * L) * V1 - L * L * (L - 3.0 * H) * V2 -
              L * H * h * (L * D2 + H * D1)) /
             h3;
    }
    {
        const double V1 = RepulsiveValue(fit, L), D1 = RepulsiveDerivative(fit, L);
        const double V2 = OuterValue(fit, H), D2 = OuterDerivative(fit, H);
        a1 = (6.0 * L * H * (V1 - V2) + H * (H * H + L * H - 2.0 * L * L) * D1 -
              L * (L * L + L * H - 2.0 * H * H) * D2) /
             h3;
    }
    {
        const double V1 = RepulsiveValue(fit, L), D1 = RepulsiveDerivative(fit, L);
        const double V2 = OuterValue(fit, H), D2 = OuterDerivative(fit, H);
        a2 = (-3.0 * (L + H) * (V1 - V2) + (L * L + L * H - 2.0 * H * H) * D1 -
              (H * H + L * H - 2.0 * L * L) * D2) /
             h3;
    }
    {
        const double V1 = RepulsiveValue(fit, L), D1 = RepulsiveDerivative(fit, L);
        const double V2 = OuterValue(fit, H), D2 = OuterDerivative(fit, H);
        a3 = (2.0 * (V1 - V2) + h * (D1 + D2)) / h3;
    }
    return !fit.failed;
}

}  // namespace halvern
