#include "ScreenedCoulomb.h"

#include <cmath>

namespace halvern {

namespace {

constexpr double kBohrScreening = 4.685e-11;  // 0.8853 x Bohr radius, m

double PowerOf(double base, double p) {
    return std::exp(p * std::log(base));
}

// The sum over the terms of the kind's form of term(c_k, b_k, exp(-b_k x)).
template <class Term>
double SumOfTerms(int32_t kind, double x, Term term) {
    const bool universal = kind == kZbl;
    const double* c = universal ? kUniversalC : kMoliereC;
    const double* b = universal ? kUniversalB : kMoliereB;
    double sum = 0.0;
    for (int k = 0, terms = universal ? 4 : 3; k < terms; ++k)
        sum += term(c[k], b[k], std::exp(-b[k] * x));
    return sum;
}

}  // namespace

double ZblScreeningLength(double Z1, double Z2, double factor) {
    return factor * kBohrScreening / (PowerOf(Z1, 0.23) + PowerOf(Z2, 0.23));
}

double LindhardScreeningLength(double Z1, double Z2, double factor) {
    return factor * kBohrScreening / std::sqrt(PowerOf(Z1, 2.0 / 3.0) + PowerOf(Z2, 2.0 / 3.0));
}

double FirsovScreeningLength(double Z1, double Z2, double factor) {
    return factor * kBohrScreening / PowerOf(std::sqrt(Z1) + std::sqrt(Z2), 2.0 / 3.0);
}

bool ScreeningLengthOfKind(int32_t kind, double Z1, double Z2, double factor, double& a) {
    switch (kind) {
        case kZbl:
            a = ZblScreeningLength(Z1, Z2, factor);
            return true;
        case kMoliereLindhard:
            a = LindhardScreeningLength(Z1, Z2, factor);
            return true;
        case kMoliereFirsov:
            a = FirsovScreeningLength(Z1, Z2, factor);
            return true;
        default:
            a = 0;
            return false;
    }
}

double ScreeningPhi(int32_t kind, double x) {
    return SumOfTerms(kind, x, [](double c, double, double e) { return c * e; });
}

double ScreeningPhiSlope(int32_t kind, double x) {
    return SumOfTerms(kind, x, [](double c, double b, double e) { return -c * b * e; });
}

}  // namespace halvern
