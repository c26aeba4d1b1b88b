// The Morse force as a single-precision look-up table: entry k - 6173 holds -dV_M/dr / r at
// r_k = k / 6.173e13 m for k = 6173..50000 (1.0 to about 8.0998 Angstrom).
#pragma once

#include <cstdint>
#include <vector>

#include "MessageSink.h"

namespace halvern {

constexpr int32_t kMorseTableFirst = 6173;
constexpr int32_t kMorseTableLast = 50000;
constexpr int32_t kMorseTableSize = kMorseTableLast - kMorseTableFirst + 1;  // 43828
constexpr double kMorseTableScale = 6.173e13;               // table points per metre
constexpr double kMorseTableStep = 1.6199578810950916e-14;  // 1 / 6.173e13, m

constexpr const char* kMorseLimitsText =
    "Allowed Morse potential limits are: \r1 A < R < 8 A.\rChange potential cut-off in .RUN "
    "file.";
constexpr const char* kMorsePrecisionText =
    "Morse precision error detected in look-up tables.\rPlease report error to author.";
constexpr const char* kSplineEndBeyondTableText =
    "Spline outer radius is too large for the Morse look-up table.\rThe outer radius must be "
    "below 7.9998 A (the table ends at 8.0998 A).\rChange the spline radii in the .MDL file.";

// The Morse potential and its force g = -(dV_M/dr) / r = 2 D alpha (u^2 - u) / r with
// u = exp(alpha (r0 - r)).
double MorseEnergy(double D, double alpha, double r0, double r);
double MorseForce(double twoDAlpha, double alpha, double r0, double r);

// Fills the 43828 entries (the vector is sized here).
void FillMorseTable(std::vector<float>& table, double twoDAlpha, double alpha, double r0);

// -dV_M/dr / r interpolated linearly in the table; valid for 1 A <= r < 8.0998 A. Outside that
// range the end intervals are extended, so no read leaves the table.
inline double MorseTableLookup(const float* table, double r) {
    const double x = r * kMorseTableScale;
    int32_t k = kMorseTableFirst;  // also for a non-finite r
    if (x >= kMorseTableLast - 1)
        k = kMorseTableLast - 1;
    else if (x >= kMorseTableFirst)
        k = static_cast<int32_t>(x);
    const double t0 = table[k - kMorseTableFirst];
    const double t1 = table[k - kMorseTableFirst + 1];
    return t0 + (x - k) * (t1 - t0);
}

// True when the first point that CheckMorseTable tests, Rhigh + 0.1 A, lies inside the table.
// The model reader refuses a spline outer radius for which this fails.
bool SplineEndInsideMorseTable(double Rhigh);

// The table's precision check from Rhigh + 0.1 A up to Rc - 0.2 A in steps of 0.1 A (at least
// one point), against the exact force to 0.001 eV/A. Shows the limits box, the
// beyond-the-table box or the precision box on failure.
bool CheckMorseTable(const std::vector<float>& table, double Rhigh, double Rc, double twoDAlpha,
                     double alpha, double r0, MessageSink& sink);

}  // namespace halvern
