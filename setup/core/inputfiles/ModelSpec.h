// The model record of the set-up program: pair potentials, Morse constants and spline range,
// lattice vibrations and specific energies, as typed.
#pragma once

#include <cstdint>

#include "text/ShortText.h"

namespace velkor {

inline constexpr uint16_t kMaxPotentialKind = 2;  // 0 ZBL, 1 Moliere-Lindhard, 2 Moliere-Firsov

struct TModelSpec {
    uint16_t PtKind = 0;  // projectile-target potential
    ShortText<10> PtCorrection = "1.0";
    uint16_t TtKind = 1;  // target-target potential
    ShortText<10> TtCorrection = "0.890869";
    uint16_t MorseFlag = 0;          // 0 = "Use Morse potential" checked
    ShortText<9> MorseD = "0.480";   // eV
    ShortText<9> MorseA = "1.405";   // 1/Angstrom
    ShortText<9> MorseR0 = "2.628";  // Angstrom
    ShortText<9> SplineLow = "1.5";  // Angstrom
    ShortText<9> SplineHigh = "2.1";
    uint16_t VibrationFlag = 0;      // 0 = "Include Vibrational Displacements" checked
    ShortText<10> Mass = "63.546";   // lattice atom, amu
    ShortText<9> DebyeBulk = "343";  // K, whole numbers
    ShortText<9> DebyePerpendicular = "192";
    ShortText<9> DebyeParallel = "292";
    ShortText<9> SurfaceBinding = "0.00";  // eV
    ShortText<9> BulkBinding = "0.00";
    ShortText<9> TerminationEnergy = "3.0";
    ShortText<9> Temperature = "300.0";  // K
    int32_t TestProjectileOnly = 0;      // 1 = checked

    bool operator==(const TModelSpec&) const = default;
};

}  // namespace velkor
