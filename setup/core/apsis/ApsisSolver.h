// The distance of closest approach (apsis) of a binary collision: the root of
// F(r) = 1 - V(r) / Ec - (p / r)^2 by Newton-Raphson steps guarded by bisection.
#pragma once

#include "apsis/PairPotential.h"

namespace velkor {

struct TCollision {
    double M1 = 39.948;  // projectile mass, amu
    double M2 = 63.546;  // target atom mass, amu
    double p = 0.1;      // impact parameter, Angstrom
    double E = 1000;     // laboratory energy, eV
};

// Ec = E x M2 / (M1 + M2), eV.
double CentreOfMassEnergy(const TCollision& c);

// F(r) and F'(r) = 2 p^2 / r^3 + G(r) / Ec.
struct TApsisValue {
    double f = 0;
    double slope = 0;
};
TApsisValue ApsisFunction(const TPairParams& pair, const TCollision& c, double r);

enum class ApsisStatus { Ok, OutsideRange, NotConverged };

struct TApsis {
    double r = 0;  // Angstrom; the last estimate when the status is not Ok
    ApsisStatus status = ApsisStatus::Ok;
};

inline constexpr const char* kApsisOutsideRangeText = "Solution outside maximum range (5 A).";
inline constexpr const char* kApsisNotConvergedText = "Solution did not converge.";
inline constexpr double kApsisAccuracy = 1e-10;  // Angstrom
inline constexpr double kApsisLowerBound = 1e-15;
inline constexpr double kApsisUpperBound = 5;
inline constexpr int kApsisMaxRounds = 100;

// The root of F on [x1, x2] to within xacc. A root not bracketed there is searched all the same
// and reported as outside the range; 100 rounds without convergence as not converged.
TApsis SolveApsis(const TPairParams& pair, const TCollision& c, double xacc, double x2, double x1);

// SolveApsis on 1e-15 .. 5 Angstrom to 1e-10 Angstrom.
TApsis ApsidalDistance(const TPairParams& pair, const TCollision& c);

}  // namespace velkor
