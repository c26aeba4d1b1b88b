// The screened-Coulomb pair potential in the units of the pair-potential window (Angstrom, eV):
// the kit's screening functions and lengths with this tool's own Coulomb constant.
#pragma once

#include <cstdint>
#include <vector>

namespace velkor {

// e^2 / (4 pi eps0) in eV Angstrom, as the calculators have always used it.
inline constexpr double kCoulombEvAngstrom = 14.399766;

// The three kinds of the window: 0 ZBL, 1 Moliere-Lindhard, 2 Moliere-Firsov.
inline constexpr int32_t kPairPotentialKinds = 3;

// The parameters of one pair: kind, atomic numbers (reals) and the screening correction c.
struct TPairParams {
    int32_t kind = 0;
    double Z1 = 18;
    double Z2 = 29;
    double correction = 1.0;
};

// Screening length a (Angstrom) of the kind, without the correction; 0 for any other kind.
double ApsisScreeningLength(int32_t kind, double Z1, double Z2);
// a x c, the length the potential is screened with.
double EffectiveScreeningLength(const TPairParams& pair);

// V(r) = Z1 Z2 x 14.399766 x Phi(r / (a c)) / r in eV, r in Angstrom.
double PairPotential(const TPairParams& pair, double r);
// G(r) = -dV/dr in eV per Angstrom.
double PairForce(const TPairParams& pair, double r);

// The chart's series of a kind: r = 40 / j for j = 40 .. 160 (1.0 A down to 0.25 A, 121
// points), V in keV.
struct TPotentialPoint {
    double r = 0;
    double keV = 0;
};
inline constexpr int kPotentialSeriesPoints = 121;
std::vector<TPotentialPoint> PotentialSeries(const TPairParams& pair);

}  // namespace velkor
