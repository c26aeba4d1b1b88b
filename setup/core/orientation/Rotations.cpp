#include "orientation/Rotations.h"

#include <cmath>
#include <numbers>

namespace velkor {

TTurn DegreeTurn(double degrees) {
    if (!std::isfinite(degrees)) return {};
    // Split off the nearest multiple of 90 degrees and turn the rest, which is exact for the
    // axes and keeps the argument of cos and sin small.
    const double quarters = std::nearbyint(degrees / 90.0);
    const double rest = (degrees - 90.0 * quarters) * (std::numbers::pi / 180.0);
    double c = rest == 0 ? 1.0 : std::cos(rest);
    double s = rest == 0 ? 0.0 : std::sin(rest);
    if (std::fabs(degrees - 90.0 * quarters) == 45) {  // cos and sin of pi/4 differ in the last bit
        c = std::numbers::sqrt2 / 2;
        s = std::copysign(c, rest);
    }
    switch (static_cast<int>(std::fmod(quarters, 4.0) + 4.0) % 4) {
        case 1:
            return {-s, c};
        case 2:
            return {-c, -s};
        case 3:
            return {s, -c};
        default:
            return {c, s};
    }
}

TTurn RadianTurn(double radians) {
    return {std::cos(radians), std::sin(radians)};
}

TFileRotation MakeFileRotation(double zRotDegrees, double xRotDegrees, double yRotDegrees) {
    TFileRotation r;
    r.aboutZ = zRotDegrees != 0;
    r.aboutX = xRotDegrees != 0;
    r.aboutY = yRotDegrees != 0;
    r.z = DegreeTurn(zRotDegrees);
    r.x = DegreeTurn(xRotDegrees);
    r.y = DegreeTurn(yRotDegrees);
    return r;
}

void RotatePoint(const TFileRotation& rotation, double& x, double& y, double& z) {
    if (rotation.aboutZ) RotatePair(x, y, rotation.z);
    if (rotation.aboutX) RotatePair(y, z, rotation.x);
    if (rotation.aboutY) RotatePair(z, x, rotation.y);
}

void StepPoint(RotationPlane plane, TTurn t, double& x, double& y, double& z) {
    switch (plane) {
        case RotationPlane::XY:
            return RotatePair(x, y, t);
        case RotationPlane::YZ:
            return RotatePair(y, z, t);
        case RotationPlane::ZX:
            return RotatePair(z, x, t);
    }
}

void TurnDisplayPoint(const TDisplayTurns& turns, double& x, double& y, double& z) {
    StepPoint(RotationPlane::XY, turns.xy, x, y, z);
    StepPoint(RotationPlane::YZ, turns.yz, x, y, z);
    StepPoint(RotationPlane::ZX, turns.zx, x, y, z);
}

double WrapOnce(double radians) {
    constexpr double kFullTurn = 2 * std::numbers::pi;
    if (radians >= kFullTurn) return radians - kFullTurn;
    if (radians <= -kFullTurn) return radians + kFullTurn;
    return radians;
}

}  // namespace velkor
