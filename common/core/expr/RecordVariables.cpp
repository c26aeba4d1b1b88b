#include "RecordVariables.h"

#include <cmath>

#include "miscutil.h"

namespace halvern::expr {

namespace {

constexpr long double kHalfPi = 1.570796326794896619231321691639751442L;
constexpr long double kDegreesPerRadian = 57.29577951L;  // the languages' own rounding

long double Altitude(const RecordVariables& v) {
    const long double h = std::sqrt(v.px * v.px + v.py * v.py);
    if (h != 0) return std::atan(v.pz / h);
    if (v.pz > 0) return kHalfPi;
    if (v.pz < 0) return -kHalfPi;
    return 0;
}

}  // namespace

RecordVariables VariablesFromDoubles(double x, double y, double z, double px, double py, double pz,
                                     double t, double m, int32_t index, int32_t run) {
    return {x, y, z, px, py, pz, t, m, index, run};
}

RecordVariables VariablesFromRecord(const TOslRecord& r) {
    return {r.rx, r.ry, r.rz, r.px, r.py, r.pz, r.ti, r.ms, r.rw, r.rn};
}

long double RealVariableValue(Variable v, const RecordVariables& s) {
    switch (v) {
        case Variable::RX:
            return s.rx;
        case Variable::RY:
            return s.ry;
        case Variable::RZ:
            return s.rz;
        case Variable::PX:
            return s.px;
        case Variable::PY:
            return s.py;
        case Variable::PZ:
            return s.pz;
        case Variable::TI:
            return s.ti;
        case Variable::MS:
            return s.ms;
        case Variable::VX:
            return s.px / s.ms;
        case Variable::VY:
            return s.py / s.ms;
        case Variable::VZ:
            return s.pz / s.ms;
        case Variable::LX:
            return s.ry * s.pz - s.rz * s.py;
        case Variable::LY:
            return s.rz * s.px - s.rx * s.pz;
        case Variable::LZ:
            return s.rx * s.py - s.ry * s.px;
        case Variable::KE:
            return (s.px * s.px + s.py * s.py + s.pz * s.pz) / (2 * s.ms);
        case Variable::ALT:
            return Altitude(s);
        case Variable::PHI:
            return FullAtan2(s.px, s.py);
        case Variable::ALTD:
            return Altitude(s) * kDegreesPerRadian;
        case Variable::PHID:
            return FullAtan2(s.px, s.py) * kDegreesPerRadian;
        case Variable::RW:
            return s.rw;
        case Variable::RN:
            return s.rn;
    }
    return 0;
}

int32_t IntVariableValue(Variable v, const RecordVariables& s) {
    return v == Variable::RN ? s.rn : s.rw;
}

}  // namespace halvern::expr
