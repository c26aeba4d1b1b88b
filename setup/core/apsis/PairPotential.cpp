#include "apsis/PairPotential.h"

#include "ScreenedCoulomb.h"
#include "Units.h"

namespace velkor {

double ApsisScreeningLength(int32_t kind, double Z1, double Z2) {
    double a = 0;
    if (!halvern::ScreeningLengthOfKind(kind, Z1, Z2, 1.0, a)) return 0;
    return a / halvern::units::Angstrom;
}

double EffectiveScreeningLength(const TPairParams& pair) {
    return ApsisScreeningLength(pair.kind, pair.Z1, pair.Z2) * pair.correction;
}

double PairPotential(const TPairParams& pair, double r) {
    const double length = EffectiveScreeningLength(pair);
    return pair.Z1 * pair.Z2 * kCoulombEvAngstrom * halvern::ScreeningPhi(pair.kind, r / length) /
           r;
}

// -dV/dr = (Z1 Z2 K / r) (Phi / r - Phi'(x) / (a c)), x = r / (a c).
double PairForce(const TPairParams& pair, double r) {
    const double length = EffectiveScreeningLength(pair);
    const double x = r / length;
    return pair.Z1 * pair.Z2 * kCoulombEvAngstrom / r *
           (halvern::ScreeningPhi(pair.kind, x) / r -
            halvern::ScreeningPhiSlope(pair.kind, x) / length);
}

std::vector<TPotentialPoint> PotentialSeries(const TPairParams& pair) {
    std::vector<TPotentialPoint> series;
    series.reserve(kPotentialSeriesPoints);
    for (int j = 40; j <= 160; ++j) {
        const double r = 40.0 / j;
        series.push_back({r, PairPotential(pair, r) / 1000.0});
    }
    return series;
}

}  // namespace velkor
