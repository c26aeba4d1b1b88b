// Brings target and projectile to their starting state for one impact: the first impact reads
// the target (and the model), later ones restore the lattice sites; then thermal displacements,
// the target extent, the cell-grid size check and the initial velocities.
#pragma once

#include <cstdint>
#include <string>

#include "dynamics/TargetExtent.h"
#include "dynamics/UniformRandom.h"

namespace halvern {

struct TRunState;
struct TRunShared;
struct TTrajectoryState;
struct TParticleArrays;

// The box method's cell grid: 25 x 25 x 17 cells of 4 A round the origin.
constexpr double kCellGridXYLimit = 4.8e-9;  // m, on both sides
constexpr double kCellGridZMax = 1.6e-9;     // m
constexpr double kCellGridZMin = -4.8e-9;    // m

extern const char* const kBoxTooSmallText;

// False when the first impact's reading failed (after "  Aborted during initialisation").
bool SetUpImpact(int32_t projectileZ, int32_t N, const std::string& targetFile,
                 TTargetExtent& extent, const std::string& modelFile, double projectileMass,
                 TRunState& rs);

// The projectile's velocity along the incidence direction and, for a hot target without
// displacements, thermal velocities of the target atoms. Always true.
bool SetInitialVelocities(int32_t N, double energy, TRunState& rs);
void SetInitialVelocities(const TRunShared& run, TTrajectoryState& tj, UniformRandom& random,
                          double energy);

// The split forms take the run's shared part, the trajectory's own and the run's generator;
// their log lines go to the trajectory's channel.

// The projectile starts rs.ImpactHeight above atom 1's site, moved back along the incidence
// direction and shifted by the impact offsets.
void PlaceProjectile(TRunState& rs);
void PlaceProjectile(const TRunShared& run, TTrajectoryState& tj);

// Later impacts: positions and flags from the sites, the projectile placed, atoms displaced.
void ResetTarget(int32_t N, TRunState& rs);
void ResetTarget(const TRunShared& run, TTrajectoryState& tj, UniformRandom& random);

// One displacement (m) of a Rayleigh-times-cosine distribution of the variance (square
// Angstrom), its positive tail cut at 2.5 sigma. Draws: sign, angle, then magnitudes until one
// passes. A variance of 0 (or less) gives 0 without a draw.
double ThermalDisplacement(double variance, UniformRandom& random);

// Displaces atom i from its position: bulk atoms (more than 1 A below atom 1) by the bulk
// variance on all axes, surface atoms by the parallel one in x, y and the perpendicular one in
// z; y is kept with the option NoYVibration. Draws in the order x, y, z.
void ApplyThermalDisplacements(int32_t i, TRunState& rs);
void ApplyThermalDisplacements(int32_t i, const TRunShared& run, TTrajectoryState& tj,
                               UniformRandom& random);

// One velocity component (m/s) of the variance (m^2/s^2): draws sign, angle and magnitude.
double ThermalVelocity(double variance, UniformRandom& random);

// 1 when the target holds more than one atomic number among atoms 1..N.
uint8_t DetectComplexTarget(const TParticleArrays& p, int32_t N);

// The box over particles 0..N widened by Rc on every side.
TTargetExtent ComputeTargetExtent(const TParticleArrays& p, int32_t N, double Rc);

// The highest z among target atoms 1..N.
double ComputeTargetTop(const TParticleArrays& p, int32_t N);

bool ExtentLeavesCellGrid(const TTargetExtent& e);

}  // namespace halvern
