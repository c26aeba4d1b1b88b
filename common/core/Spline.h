// The spline join between the screened-Coulomb repulsion and the Morse potential: the value and
// slope routines of one fit and the Hermite cubic through value and slope at both radii.
#pragma once

#include <cstdint>

#include "MessageSink.h"

namespace halvern {

// The parameters of one fit. `failed` is set when a repulsive evaluation meets a kind outside
// 0..2; the error box then goes to `sink` (none when it is null).
struct TSplineFit {
    int32_t Z1 = 0;
    int32_t Z2 = 0;
    int32_t kind = 0;
    double a = 0;      // screening length, m
    double D = 0;      // Morse depth, J
    double alpha = 0;  // Morse steepness, 1/m
    double r0 = 0;     // Morse equilibrium distance, m
    bool failed = false;
    MessageSink* sink = nullptr;
};

constexpr const char* kSplineFunctionErrorText =
    "Error in potential specification: cannot get spline function.";
constexpr const char* kSplineRangeErrorText = "Error in spline range parameters";

// V(r) and dV/dr (r in m; J and J/m).
double UniversalPotential(const TSplineFit& fit, double r);
double UniversalDerivative(const TSplineFit& fit, double r);
double MolierePotential(const TSplineFit& fit, double r);
double MoliereDerivative(const TSplineFit& fit, double r);
double MorseValue(const TSplineFit& fit, double r);
double MorseDerivative(const TSplineFit& fit, double r);
double OuterValue(const TSplineFit& fit, double r);
double OuterDerivative(const TSplineFit& fit, double r);
// Kind 0 the four-term form, kinds 1 and 2 the three-term form; any other kind shows the error
// box, marks the fit failed and gives 0.
double RepulsiveValue(TSplineFit& fit, double r);
double RepulsiveDerivative(TSplineFit& fit, double r);

// The cubic a0 + a1 r + a2 r^2 + a3 r^3 through the repulsive value and slope at Rlow and the
// Morse value and slope at Rhigh. False, with "Error in spline range parameters" and nothing
// written, unless Rhigh > Rlow; false, with the coefficients written, when a repulsive
// evaluation failed.
bool FitPotentialSpline(int16_t Z1, int16_t Z2, int16_t kind, double a, double Rlow, double Rhigh,
                        double D, double alpha, double r0, double& a0, double& a1, double& a2,
                        double& a3, MessageSink* sink);

// S(r), dS/dr and g = -(dS/dr) / r of a cubic with coefficients c[0..3].
inline double SplineValue(const double* c, double r) {
    return c[0] + c[1] * r + c[2] * r * r + c[3] * r * r * r;
}
inline double SplineDerivative(const double* c, double r) {
    return c[1] + 2.0 * c[2] * r + 3.0 * c[3] * r * r;
}
inline double SplineForceOf(const double* c, double r) {
    return -(c[1] / r + 2.0 * c[2] + 3.0 * c[3] * r);
}

}  // namespace halvern
