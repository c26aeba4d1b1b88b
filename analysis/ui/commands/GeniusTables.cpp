#include "GeniusTables.h"

#include "ShortString.h"

namespace brisal {

const std::array<GeniusChoice, 16> kGeniusVariables = {{
    {"Kinetic energy (particle energy spectrum, in eV)", "ke/ep { particle KE, in eV }"},
    {"Speed", "sqrt(vx*vx+vy*vy+vz*vz) { particle speed, in m/s }"},
    {"Perpendicular velocity (vz)", "vz { perpendicular velocity, m/s }"},
    {"Momentum (magnitude)", "sqrt(px*px+py*py+pz*pz) { particle momentum, kg m/s }"},
    {"Perpendicular momentum (pz)", "pz { perpendicular momentum, kg m/s }"},
    {"Total angular momentum (magnitude)",
     "sqrt(lx*lx+ly*ly+lz*lz) { particle ang. momentum, J s }"},
    {"Perpendicular angular momentum (lz)", "lz { perpendicular angular momentum, Js }"},
    {"Azimuthal emission angle (in degrees)", "phid { azimuthal angle, degrees }"},
    {"Altitudinal emission angle (in degrees)", "altd { altitudinal angle, degrees}"},
    {"Azimuthal emission angle (in rad.)", "phi { azimuthal angle, radians }"},
    {"Altitudinal emission angle (in rad.)", "alt { altitudinal angle, radians }"},
    {"Perpendicular location (in A)", "rz*1.0E10 { perpendicular position, Angstrom }"},
    {"Lateral spread (radial distance from z-axis, in A)",
     "sqrt(rx*rx + ry*ry)*1.0E10 { lateral distance from z-axis, Angstrom }"},
    {"Elapsed time (in fs)", "ti*1.0E15 { elapsed time }"},
    {"Particle index (0=projectile, 1,2,..N = target)", "rw { particle index }"},
    {"Trajectory index (1,2,..M)", "rn { trajectory index }"},
}};

const std::array<GeniusChoice, 11> kFilterParameters = {{
    {"Kinetic energy (eV)", "[ke/ep "},
    {"Perpendicular location (z axis, in A)", "[rz*1E10 "},
    {"Altitudinal angle of flight (degrees)", "[altd "},
    {"Azimuthal angle of flight (degrees)", "[phid "},
    {"Velocity (m/s)", "[sqrt(vx*vx+vy*vy+vz*vz) "},
    {"Momentum (kg m /s)", "[sqrt(px*px+py*py+pz*pz) "},
    {"Angular momentum (J s)", "[sqrt(lx*lx+ly*ly+lz*lz) "},
    {"Time elapsed (fs)", "[ti*1E15 "},
    {"Particle mass (amu)", "[ms/1.66056E-27 "},
    {"Particle index (0=proj., 1..N = target)", "[rw "},
    {"Run index (1..M)", "[rn "},
}};

const std::array<GeniusChoice, 6> kFilterRelations = {{
    {"Equal to (=)", "= "},
    {"Not equal to (<>)", "<> "},
    {"Greater than (>)", "> "},
    {"Less than (<)", "< "},
    {"Greater than, or equal to (>=)", ">= "},
    {"Less than, or equal to (<=)", "<= "},
}};

const std::array<GeniusChoice, 4> kFilterLogicOperators = {{
    {"AND", "& "},
    {"OR", "| "},
    {"AND NOT", "& !"},
    {"OR NOT", "| !"},
}};

std::string GeniusExpression(int index) {
    if (index < 0 || index >= static_cast<int>(kGeniusVariables.size()))
        return "{ internal error }";
    return kGeniusVariables[static_cast<size_t>(index)].text;
}

std::string FilterTestValue(bool realValue, const std::string& realText,
                            const std::string& integerText) {
    if (!realValue) return integerText;
    std::string value = halvern::CutTo(realText, 50);
    if (value.find_first_of(".eE") == std::string::npos) value += ".0";
    return value;
}

std::string FilterPiece(int parameter, int relation, const std::string& testValue) {
    const std::string piece =
        std::string(kFilterParameters.at(static_cast<size_t>(parameter)).text) +
        kFilterRelations.at(static_cast<size_t>(relation)).text + testValue + "]" + " ";
    return halvern::CutTo(piece, 50);
}

}  // namespace brisal
