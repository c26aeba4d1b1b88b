// The variables an expression reads: one particle record, and the variables derived from it.
#pragma once

#include <cstdint>

#include "OslRecord.h"
#include "Token.h"

namespace halvern::expr {

// SI units: m, kg m/s, s, kg.
struct RecordVariables {
    long double rx = 0, ry = 0, rz = 0;
    long double px = 0, py = 0, pz = 0;
    long double ti = 0, ms = 0;
    int32_t rw = 0, rn = 0;
};

// The engine's values of a particle (doubles), widened.
RecordVariables VariablesFromDoubles(double x, double y, double z, double px, double py, double pz,
                                     double t, double m, int32_t index, int32_t run);
// A record's 32-bit reals, widened.
RecordVariables VariablesFromRecord(const TOslRecord& record);

// Value of a real variable, stored or derived: VX = PX/MS, LX = RY*PZ - RZ*PY (and cyclic),
// KE = (PX^2 + PY^2 + PZ^2) / (2 MS), ALT the elevation of the momentum above the x-y plane
// (+-pi/2 along the normal, 0 at rest), PHI its azimuth from +x towards +y in [0, 2 pi), ALTD and
// PHID the same in degrees.
long double RealVariableValue(Variable v, const RecordVariables& vars);
int32_t IntVariableValue(Variable v, const RecordVariables& vars);

}  // namespace halvern::expr
