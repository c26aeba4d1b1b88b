// One trajectory: partner-list rebuilds, integrator steps, time-step control, the two surface
// barriers, periodic and final records, the termination test and the report lines.
#pragma once

#include <cstdint>

#include "dynamics/PairForce.h"
#include "dynamics/TargetExtent.h"

namespace halvern {

struct TRunState;

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

// The force field of the run's particles.
TForceField ForceFieldOf(const TRunState& rs);

// Follows one impact; false when the user confirmed an abort (the run then ends).
bool RunTrajectory(const TTargetExtent& extent, int32_t N, double initialTimestep, TRunState& rs);

// The start values of a trajectory for the current particles.
TTrajectory StartTrajectory(const TTargetExtent& extent, double initialTimestep,
                            const TRunState& rs);

void AdaptTimestep(TTrajectory& tr, const TRunState& rs);
void UpdatePartnerRadius(TTrajectory& tr, const TRunState& rs);
bool TrajectoryFinished(const TTrajectory& tr, const TRunState& rs);
void UpdateOrEventRows(const TTrajectory& tr, TRunState& rs);
void UpdateStEventRows(const TTrajectory& tr, TRunState& rs);

// The surface barriers: U1 at the surface plane, U2 at the x and y faces of the lattice zone.
void ApplyFirstBarrier(TTrajectory& tr, TRunState& rs);
void ApplySecondBarrier(TTrajectory& tr, TRunState& rs);

}  // namespace halvern
