// What re-orients a target or an impact mesh: three file rotations, a cut and a new origin.
#pragma once

#include <cstdint>

#include "orientation/Rotations.h"

namespace velkor {

// The impact window's "Rectangular" and "Circular" cuts are the Cartesian and Cylindrical tests.
enum class CutType : int32_t { Cartesian = 0, Cylindrical = 1, Spherical = 2 };

struct TOrientParams {
    double zRot = 0, xRot = 0, yRot = 0;  // degrees
    double xLo = -100, xHi = 100;         // cut limits, Angstrom, inclusive
    double yLo = -100, yHi = 100;
    double zLo = -100, zHi = 100;
    double rLo = 0, rHi = 100;
    double shiftX = 0, shiftY = 0, shiftZ = 0;  // the new origin
    CutType cut = CutType::Cartesian;
};

bool KeptByCut(const TOrientParams& params, double x, double y, double z);

// One point through the three steps: rotation, cut, and (when kept) the move to the new origin.
// False when the cut removes it.
class Orientation {
  public:
    explicit Orientation(const TOrientParams& params);
    bool apply(double& x, double& y, double& z) const;

  private:
    TOrientParams params_;
    TFileRotation rotation_;
};

}  // namespace velkor
