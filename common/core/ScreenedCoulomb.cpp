#include "ScreenedCoulomb.h"

#include <cmath>

namespace halvern {

namespace {

constexpr double kBohrScreening = 4.685e-11;  // 0.8853 x Bohr radius, m

double PowerOf(double base, double p) {
    return std::exp(p * std::log(base));
}

}  // namespace

double ZblScreeningLength(int32_t Z1, int32_t Z2, double factor) {
    return factor * kBohrScreening / (PowerOf(Z1, 0.23) + PowerOf(Z2, 0.23));
}

double LindhardScreeningLength(int32_t Z1, int32_t Z2, double factor) {
    return factor * kBohrScreening / std::sqrt(PowerOf(Z1, 2.0 / 3.0) + PowerOf(Z2, 2.0 / 3.0));
}

double FirsovScreeningLength(int32_t Z1, int32_t Z2, double factor) {
    return factor * kBohrScreening /
           PowerOf(std::sqrt(static_cast<double>(Z1)) + std::sqrt(static_cast<double>(Z2)),
                   2.0 / 3.0);
}

bool ScreeningLengthOfKind(int32_t kind, int32_t Z1, int32_t Z2, double factor, double& a) {
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

}  // namespace halvern
