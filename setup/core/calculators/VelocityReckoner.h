// The velocity reckoner: a projectile's speed from its energy and mass, and the time step in
// which it moves 0.1 Angstrom.
#pragma once

#include <string>
#include <string_view>

#include "text/FieldSpec.h"

namespace velkor {

inline constexpr RealFieldSpec kReckonerEnergyField{0.0L, 1000000.0L, 0, "1.0"};  // keV
inline constexpr RealFieldSpec kReckonerMassField{0.0L, 1000.0L, 0, "4.0026"};    // amu

struct TReckoning {
    std::string velocity;  // Angstrom per fs, x:4:5; "0.0" for bad input
    std::string timestep;  // fs, x:4:5; "?" when there is none
};

// The read-outs of the two texts, read quietly (a bad text counts 0).
TReckoning ReckonVelocity(std::string_view energyText, std::string_view massText);

}  // namespace velkor
