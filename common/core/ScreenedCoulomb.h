// Screened-Coulomb repulsion: the screening functions, their constants and the screening
// lengths of the three kinds (0 ZBL, 1 Moliere-Lindhard, 2 Moliere-Firsov).
#pragma once

#include <cmath>
#include <cstdint>

namespace halvern {

// Coulomb's constant times the square of the elementary charge, J m:
// (1.602192e-19)^2 x 8987580024.073166.
constexpr double kCoulombK = 2.3071217567660206e-28;

enum ScreeningKind : int32_t { kZbl = 0, kMoliereLindhard = 1, kMoliereFirsov = 2 };

// Phi(x) = sum of c_k exp(-b_k x): the four-term universal form and the three-term form.
constexpr double kUniversalC[4] = {0.0281, 0.2802, 0.5099, 0.1818};
constexpr double kUniversalB[4] = {0.2016, 0.4029, 0.9423, 3.2};
constexpr double kMoliereC[3] = {0.35, 0.55, 0.1};
constexpr double kMoliereB[3] = {0.3, 1.2, 6.0};
// The seven exponents in one table, four-term first.
constexpr double kScreeningExponents[7] = {0.2016, 0.4029, 0.9423, 3.2, 0.3, 1.2, 6.0};

// Screening lengths (m) of a pair of atomic numbers with a correction factor; powers are taken
// as exp(p ln Z). The atomic numbers are reals, as the set-up program's calculators take them.
double ZblScreeningLength(double Z1, double Z2, double factor);
double LindhardScreeningLength(double Z1, double Z2, double factor);
double FirsovScreeningLength(double Z1, double Z2, double factor);

// The screening length of a kind 0..2; false (and a = 0) for any other kind.
bool ScreeningLengthOfKind(int32_t kind, double Z1, double Z2, double factor, double& a);

// Phi(x) of a kind and its slope dPhi/dx: the four-term form for kind 0, the three-term form for
// every other kind.
double ScreeningPhi(int32_t kind, double x);
double ScreeningPhiSlope(int32_t kind, double x);

// g = -(dV/dr) / r of the repulsion K zz Phi(r / a) / r, with beta the reduced exponents b_k / a
// (four for the universal form, three for the other): g = (K zz / r^2) sum c_k e^(-beta_k r)
// (1 / r + beta_k).
inline double UniversalForce(double zz, const double* beta, double r) {
    const double invR = 1.0 / r;
    double sum = 0.0;
    for (int k = 0; k < 4; ++k) sum += kUniversalC[k] * std::exp(-beta[k] * r) * (invR + beta[k]);
    return kCoulombK * zz * invR * invR * sum;
}

inline double MoliereForce(double zz, const double* beta, double r) {
    const double invR = 1.0 / r;
    double sum = 0.0;
    for (int k = 0; k < 3; ++k) sum += kMoliereC[k] * std::exp(-beta[k] * r) * (invR + beta[k]);
    return kCoulombK * zz * invR * invR * sum;
}

}  // namespace halvern
