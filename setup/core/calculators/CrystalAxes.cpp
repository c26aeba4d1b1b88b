#include "calculators/CrystalAxes.h"

#include <cmath>

#include "NumberText.h"

namespace velkor {

namespace {

constexpr long double kDegreesPerRadian = 57.295779513082320876798L;

bool IsNull(const TMillerIndices& n) {
    return n.h == 0 && n.k == 0 && n.l == 0;
}

// Sums of squares in integer arithmetic, as the angles have always been formed.
int32_t SquareSum(int32_t a, int32_t b, int32_t c = 0) {
    return a * a + b * b + c * c;
}

std::string AngleText(double degrees) {
    return halvern::ShortestRealText(degrees);
}

}  // namespace

double PolarAngle(const TMillerIndices& n) {
    const long double rho = std::sqrt(static_cast<long double>(SquareSum(n.h, n.k)));
    if (rho == 0) return n.l < 0 ? 180 : 0;
    if (n.l == 0) return 90;
    return static_cast<double>(90 -
                               std::atan2(static_cast<long double>(n.l), rho) * kDegreesPerRadian);
}

double AzimuthAngle(const TMillerIndices& n) {
    if (n.h != 0)
        return static_cast<double>(
            std::atan2(static_cast<long double>(n.k), static_cast<long double>(n.h)) *
            kDegreesPerRadian);
    if (n.k > 0) return 90;
    if (n.k < 0) return -90;
    return 0;
}

double InterPlaneAngle(const TMillerIndices& a, const TMillerIndices& b) {
    const int32_t dot = a.h * b.h + a.k * b.k + a.l * b.l;
    const long double c = dot / (std::sqrt(static_cast<long double>(SquareSum(a.h, a.k, a.l))) *
                                 std::sqrt(static_cast<long double>(SquareSum(b.h, b.k, b.l))));
    if (c == 0) return 90;
    const long double s = std::fabs(c) >= 1 ? 0 : std::sqrt(1 - c * c);
    return static_cast<double>(std::atan2(s, c) * kDegreesPerRadian);
}

bool EvaluateAxes(const TMillerIndices& surface1, const TMillerIndices& surface2, TAxesAngles& out,
                  halvern::MessageSink& sink) {
    if (IsNull(surface1) || IsNull(surface2)) {
        sink.error(kNullIndexText);
        return false;
    }
    out = {AngleText(PolarAngle(surface1)), AngleText(AzimuthAngle(surface1)),
           AngleText(PolarAngle(surface2)), AngleText(AzimuthAngle(surface2)),
           AngleText(InterPlaneAngle(surface1, surface2))};
    return true;
}

}  // namespace velkor
