// One trajectory: partner-list rebuilds, integrator steps, time-step control, the two surface
// barriers, periodic and final records, the termination test and the report lines.
#pragma once

#include <cstdint>

#include "dynamics/PairForce.h"
#include "dynamics/TargetExtent.h"

namespace halvern {

struct TRunState;
struct TRunShared;
struct TTrajectoryState;
class UniformRandom;

// The values a trajectory keeps; all set anew at its start.
struct TTrajectory {
    double t = 0;   // elapsed time, s
    double dt = 0;  // current time step, s
    int32_t stepCount = 0;
    int32_t stepsSinceRebuild = 0;  // starts at the rebuild interval, so step 0 rebuilds
    double vFast = 0;  // fastest speed inside the lattice zone at the last adaptation, m/s
    int32_t fastIndex = 0;
    double testSpeed = 0;  // of the termination-test particle, m/s
    int32_t testIndex = 0;
    double dx = 0;        // distance per step of the fastest particle, m
    double barrier1 = 0;  // energy taken by the first surface barrier, J
    double barrier2 = 0;  // and by the second
    double TimestepRatio = 1;
    double PartnerRadius = 0;  // m
    double PartnerRadiusSquared = 0;
    TTargetExtent extent;
    double SurfacePlane = 0;  // m
    double E0 = 0;            // eV
    bool result = true;       // false after a confirmed abort
};

// The force field of the trajectory's particles.
TForceField ForceFieldOf(const TRunShared& run, const TTrajectoryState& tj);
TForceField ForceFieldOf(const TRunState& rs);

// Follows one impact whose particles the set-up has placed in tj; false when the user confirmed
// an abort or the partner rows overflowed (the run then ends). `random` is the run's generator
// for the Shapiro-Tombrello draws, needed only with that model.
bool RunTrajectory(const TRunShared& run, TTrajectoryState& tj, UniformRandom* random,
                   double initialTimestep);
// The same on the run's own trajectory part, reporting straight to its host and totals.
bool RunTrajectory(const TTargetExtent& extent, int32_t N, double initialTimestep, TRunState& rs);

// The warning of a termination energy too high for direct impacts, through the run's own host; a
// trajectory on the run's host gives it itself at the first impact.
void WarnOfHighTerminationEnergy(const TRunShared& run, const TTrajectoryState& tj);

// The start values of a trajectory for the current particles.
TTrajectory StartTrajectory(const TTargetExtent& extent, double initialTimestep,
                            const TRunShared& run, const TTrajectoryState& tj);

void AdaptTimestep(TTrajectory& tr, const TRunShared& run, const TTrajectoryState& tj);
void UpdatePartnerRadius(TTrajectory& tr, const TRunShared& run);
bool TrajectoryFinished(const TTrajectory& tr, const TRunShared& run, const TTrajectoryState& tj);
void UpdateOrEventRows(const TTrajectory& tr, const TRunShared& run, TTrajectoryState& tj);
void UpdateStEventRows(const TTrajectory& tr, const TRunShared& run, TTrajectoryState& tj);

// The surface barriers: U1 at the surface plane, U2 at the x and y faces of the lattice zone.
void ApplyFirstBarrier(TTrajectory& tr, const TRunShared& run, TTrajectoryState& tj);
void ApplySecondBarrier(TTrajectory& tr, const TRunShared& run, TTrajectoryState& tj);

// The steps above on the run's own trajectory part.
TTrajectory StartTrajectory(const TTargetExtent& extent, double initialTimestep,
                            const TRunState& rs);
void AdaptTimestep(TTrajectory& tr, const TRunState& rs);
bool TrajectoryFinished(const TTrajectory& tr, const TRunState& rs);
void ApplyFirstBarrier(TTrajectory& tr, TRunState& rs);
void ApplySecondBarrier(TTrajectory& tr, TRunState& rs);

}  // namespace halvern
