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
inline RecordVariables VariablesFromRecord(const TOslRecord& r) {
    return {r.rx, r.ry, r.rz, r.px, r.py, r.pz, r.ti, r.ms, r.rw, r.rn};
}

// The elevation of the momentum above the x-y plane in radians: atan(pz / sqrt(px^2 + py^2)),
// +-pi/2 along the normal, 0 at rest.
long double Altitude(long double px, long double py, long double pz);
// The azimuth of the momentum from +x towards +y, in [0, 2 pi).
long double Azimuth(long double px, long double py);

inline constexpr long double kDegreesPerRadian = 57.29577951L;  // the languages' own rounding

// The value of a variable, stored or derived (RW and RN exactly, as reals): VX = PX/MS,
// LX = RY*PZ - RZ*PY (and cyclic), KE = (PX^2 + PY^2 + PZ^2) / (2 MS), ALT and PHI the
// altitude and azimuth, ALTD and PHID the same in degrees. `Fields` is RecordVariables or a
// record with the same field names (TOslRecord): every field is widened to extended first.
template <class Fields>
long double VariableValue(Variable v, const Fields& s) {
    using L = long double;
    switch (v) {
        case Variable::RX:
            return L(s.rx);
        case Variable::RY:
            return L(s.ry);
        case Variable::RZ:
            return L(s.rz);
        case Variable::PX:
            return L(s.px);
        case Variable::PY:
            return L(s.py);
        case Variable::PZ:
            return L(s.pz);
        case Variable::TI:
            return L(s.ti);
        case Variable::MS:
            return L(s.ms);
        case Variable::VX:
            return L(s.px) / L(s.ms);
        case Variable::VY:
            return L(s.py) / L(s.ms);
        case Variable::VZ:
            return L(s.pz) / L(s.ms);
        case Variable::LX:
            return L(s.ry) * L(s.pz) - L(s.rz) * L(s.py);
        case Variable::LY:
            return L(s.rz) * L(s.px) - L(s.rx) * L(s.pz);
        case Variable::LZ:
            return L(s.rx) * L(s.py) - L(s.ry) * L(s.px);
        case Variable::KE: {
            const L px = s.px, py = s.py, pz = s.pz;
            return (px * px + py * py + pz * pz) / (2 * L(s.ms));
        }
        case Variable::ALT:
            return Altitude(s.px, s.py, s.pz);
        case Variable::PHI:
            return Azimuth(s.px, s.py);
        case Variable::ALTD:
            return Altitude(s.px, s.py, s.pz) * kDegreesPerRadian;
        case Variable::PHID:
            return Azimuth(s.px, s.py) * kDegreesPerRadian;
        case Variable::RW:
            return L(s.rw);
        case Variable::RN:
            return L(s.rn);
    }
    return 0;
}

}  // namespace halvern::expr
