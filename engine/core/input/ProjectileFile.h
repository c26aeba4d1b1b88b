// The projectile file (.PRJ): one line of energy (keV), Z, mass (amu), flags and symbol.
#pragma once

#include <cstdint>
#include <string>

#include "host/EngineHost.h"

namespace halvern {

struct TProjectileData {
    double Energy = 0;  // keV
    int32_t Z = 0;
    double Mass = 0;    // amu
    uint8_t Flags = 0;  // low 8 bits of the flags column
    std::string Name;   // at most 10 characters: what follows the separator blank
};

constexpr size_t kProjectileNameLength = 10;

// Reads the projectile line; 0 for success. A file that cannot be read, whose flags are not
// followed by a blank, or whose energy, Z or mass is not above 0 or above its limit (1e6 keV,
// 1000, 1e4 amu) gives 1 after its red log lines.
// The name is stored in every case.
int32_t ReadProjectileFile(const std::string& fileName, TProjectileData& data, EngineHost& host);

// Logs in red "  ++++ Error ++++" and "  File (" + name + ") could not be read or has wrong
// format.".
void ReportUnreadableFile(const std::string& fileName, EngineHost& host);

}  // namespace halvern
