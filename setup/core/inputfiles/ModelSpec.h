// The model record of the set-up program: pair potentials, Morse constants and spline range,
// lattice vibrations and specific energies, as typed.
#pragma once

#include <cstdint>

#include "text/FieldSpec.h"
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

// The dialog's edits that the engine limits.
inline constexpr RealFieldSpec kScreeningCorrectionField =
    EngineField(halvern::limits::ScreeningFactor, 0.0L, 2.0L,
                decltype(TModelSpec::PtCorrection)::kWidth, "1.0");
inline constexpr RealFieldSpec kMorseDField = EngineField(
    halvern::limits::MorseValue, -20.0L, 20.0L, decltype(TModelSpec::MorseD)::kWidth, "0.480");
inline constexpr RealFieldSpec kMorseAField = EngineField(
    halvern::limits::MorseValue, 0.0L, 20.0L, decltype(TModelSpec::MorseA)::kWidth, "1.405");
inline constexpr RealFieldSpec kMorseR0Field = EngineField(
    halvern::limits::MorseValue, 0.0L, 20.0L, decltype(TModelSpec::MorseR0)::kWidth, "2.628");
inline constexpr RealFieldSpec kSplineLowField = EngineField(
    halvern::limits::SplineInner, 1.0L, 10.0L, decltype(TModelSpec::SplineLow)::kWidth, "1.5");
inline constexpr RealFieldSpec kSplineHighField = EngineField(
    halvern::limits::SplineOuter, 1.0L, 10.0L, decltype(TModelSpec::SplineHigh)::kWidth, "2.1");
inline constexpr RealFieldSpec kBindingEnergyField =
    EngineField(halvern::limits::ModelEnergy, -100.0L, 100.0L,
                decltype(TModelSpec::SurfaceBinding)::kWidth, "0.00");
inline constexpr RealFieldSpec kTerminationEnergyField =
    EngineField(halvern::limits::ModelEnergy, 0.0L, 100000.0L,
                decltype(TModelSpec::TerminationEnergy)::kWidth, "3.0");
inline constexpr RealFieldSpec kLatticeTemperatureField =
    EngineField(halvern::limits::Temperature, 1.0L, 3000.0L,
                decltype(TModelSpec::Temperature)::kWidth, "300.0");

}  // namespace velkor
