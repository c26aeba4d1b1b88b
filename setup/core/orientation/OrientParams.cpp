#include "orientation/OrientParams.h"

#include <cmath>

namespace velkor {

namespace {

bool Within(double value, double lo, double hi) {
    return lo <= value && value <= hi;
}

}  // namespace

bool KeptByCut(const TOrientParams& p, double x, double y, double z) {
    switch (p.cut) {
        case CutType::Cartesian:
            return Within(x, p.xLo, p.xHi) && Within(y, p.yLo, p.yHi) && Within(z, p.zLo, p.zHi);
        case CutType::Cylindrical:
            return Within(std::sqrt(x * x + y * y), p.rLo, p.rHi) && Within(z, p.zLo, p.zHi);
        case CutType::Spherical:
            return Within(std::sqrt(x * x + y * y + z * z), p.rLo, p.rHi);
    }
    return false;
}

Orientation::Orientation(const TOrientParams& params)
    : params_(params), rotation_(MakeFileRotation(params.zRot, params.xRot, params.yRot)) {}

bool Orientation::apply(double& x, double& y, double& z) const {
    RotatePoint(rotation_, x, y, z);
    if (!KeptByCut(params_, x, y, z)) return false;
    x = x - params_.shiftX + 0.0;
    y = y - params_.shiftY + 0.0;
    z = z - params_.shiftZ + 0.0;
    return true;
}

}  // namespace velkor
