// The model file (.MDL): pair potentials, Morse parameters, spline join, lattice vibrations,
// surface barriers, termination energy and lattice temperature, one value a line (21 lines).
#pragma once

#include <cstdint>
#include <string>

#include "dynamics/ParticleArrays.h"
#include "host/EngineHost.h"
#include "host/SimulationOptions.h"
#include "potentials/PairPotentials.h"

namespace halvern {

struct TModelParameters {
    int32_t PtKind = 0;   // projectile-target potential: 0 ZBL, 1 Moliere-Lindhard, 2 Firsov
    double PtFactor = 0;  // its screening-length correction factor
    int32_t TtKind = 0;   // target-target potential
    double TtFactor = 0;
    int32_t MorseOption = 0;       // 0 Morse potential, 1 repulsive potential only
    double MorseD = 0;             // J
    double MorseAlpha = 0;         // 1/m
    double MorseR0 = 0;            // m
    double SplineLow = 0;          // spline inner radius, m
    double SplineHigh = 0;         // spline outer radius, m
    int32_t VibrationFlag = 0;     // 0 include vibrational displacements, 1 do not
    double SurfaceBinding = 0;     // U1, first surface barrier, J
    double BulkBinding = 0;        // U2, second surface barrier, J
    double TerminationEnergy = 0;  // J
    // Mean-square vibration amplitudes, square Angstrom.
    double BulkVariance = 0;
    double PerpendicularVariance = 0;  // surface atoms, along the normal
    double ParallelVariance = 0;       // surface atoms, in the surface plane
    double Temperature = 0;            // K
    uint8_t TestProjectileOnly = 0;    // 1 only the projectile is tested against the energy
};

// What the model file's read takes from the run: its options, its cut-off radius (m) and the
// particles, of which target atom 1 (its Z and its mass still in amu) and the projectile's Z.
struct TModelFileInputs {
    const TSimulationOptions& options;
    double cutOff;
    const TParticleArrays& particles;
};

// Reads the model file into `model` and prepares the pair potentials of the run from it; true for
// success.
bool ReadModelFile(const std::string& fileName, const TModelFileInputs& inputs,
                   TModelParameters& model, TPairPotentials& potentials, EngineHost& host);

// Reads the values ahead of the first impact, before the parameter report (which shows line 21)
// and without preparing anything; false when the file cannot be opened or read.
bool ReadModelFileAhead(const std::string& fileName, TModelParameters& model);

// Refuses, with a red message naming the value, its line and the file, values that would
// divide by zero, read past the Morse table, never end a draw loop or overflow the run's
// arithmetic (limits in input/InputChecks.h). Only values that the run will use (by the Morse
// option, the vibration flag and the option HotTarget) are checked.
bool CheckModelValues(const TModelParameters& model, const TSimulationOptions& options,
                      const std::string& fileName, EngineHost& host);

}  // namespace halvern
