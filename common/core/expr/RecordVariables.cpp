#include "RecordVariables.h"

#include <cmath>

#include "miscutil.h"

namespace halvern::expr {

namespace {

constexpr long double kHalfPi = 1.570796326794896619231321691639751442L;

}  // namespace

RecordVariables VariablesFromDoubles(double x, double y, double z, double px, double py, double pz,
                                     double t, double m, int32_t index, int32_t run) {
    return {x, y, z, px, py, pz, t, m, index, run};
}

long double Altitude(long double px, long double py, long double pz) {
    const long double h = std::sqrt(px * px + py * py);
    if (h != 0) return std::atan(pz / h);
    if (pz > 0) return kHalfPi;
    if (pz < 0) return -kHalfPi;
    return 0;
}

long double Azimuth(long double px, long double py) {
    return FullAtan2(px, py);
}

}  // namespace halvern::expr
