// The points of a target or impact file held in memory by the orientation windows: read from
// the file, turned by the display rotations and tried out by "Test".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "orientation/OrientParams.h"

namespace velkor {

struct TOrientPoints {
    std::vector<double> x, y, z;  // Angstrom
    int32_t count() const { return static_cast<int32_t>(x.size()); }
    void clear();
    void add(double px, double py, double pz);
};

// The first three numbers of every line that is not blank (the rest of each line, such as a
// mesh header or the atom's species, is dropped). False when the file cannot be read or a line
// holds no three numbers; the points before that line are kept.
bool ReadPointFile(const std::string& path, TOrientPoints& points);

// One step of a rotate-display arrow on every point.
void StepDisplay(TOrientPoints& points, RotationPlane plane, double radians);
// "Apply Rotation" on every point.
void TurnDisplay(TOrientPoints& points, double xyRadians, double yzRadians, double zxRadians);

// "Test": every point rotated, cut and moved to the new origin; the points the cut removes are
// dropped from memory. Returns the number kept.
int32_t TestOrientation(TOrientPoints& points, const TOrientParams& params);

}  // namespace velkor
