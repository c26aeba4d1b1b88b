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

// The cosine from the exact integer products: n1 n2 is formed before its root, so parallel
// normals (whose n1 n2 is a perfect square) give exactly 1 or -1.
double InterPlaneAngle(const TMillerIndices& a, const TMillerIndices& b) {
    const int64_t dot = int64_t{a.h} * b.h + int64_t{a.k} * b.k + int64_t{a.l} * b.l;
    const int64_t norms = int64_t{SquareSum(a.h, a.k, a.l)} * SquareSum(b.h, b.k, b.l);
    const long double c = dot / std::sqrt(static_cast<long double>(norms));
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
