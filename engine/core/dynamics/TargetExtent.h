// The box spanned by all particles of an impact, widened by the cut-off radius on every side:
// the "lattice zone" of the trajectory.
#pragma once

namespace halvern {

struct TTargetExtent {
    double xMax = 0, xMin = 0;  // m
    double yMax = 0, yMin = 0;
    double zMax = 0, zMin = 0;
};

// Strictly inside on all three axes.
inline bool InLatticeZone(const TTargetExtent& e, double x, double y, double z) {
    return x < e.xMax && x > e.xMin && y < e.yMax && y > e.yMin && z < e.zMax && z > e.zMin;
}

}  // namespace halvern
