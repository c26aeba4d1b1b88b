// The impact loop of a run: one impact after the other on the window thread, or trajectories on
// worker threads ahead of a commit point that hands their lines, messages and records to the
// host and the files in impact order, so that a run writes the same bytes with any number of
// threads. The set-up of each impact, with its random draws, is made on the window thread in
// impact order before its trajectory starts.
#pragma once

#include "input/ImpactFile.h"

namespace halvern {

struct TRunState;

// The set-up of one impact on the window thread and the run's own trajectory part, reported to
// the host at once; false (after the error box) when the run is to end.
bool SetUpSerialImpact(TRunState& rs, const TImpactLine& impact);

// One impact on the window thread (set-up and trajectory on the run's own trajectory part);
// false when the run is to end. rs.RunCount is the impact's number.
bool RunSerialImpact(TRunState& rs, const TImpactLine& impact);

// The first impact line's set-up on the window thread: it reads the target and the model and
// asks the questions of the run's start, so the run calls it before creating its outputs.
// rs.RunCount becomes 1 when there was a line; false (after the error box) when the run is to end.
bool SetUpFirstImpact(TRunState& rs);

// The trajectory of the impact that SetUpFirstImpact (or SetUpSerialImpact) set up, on the
// window thread.
bool RunFirstTrajectory(TRunState& rs);

// Every impact of rs.impactFile, starting with the one SetUpFirstImpact set up (rs.RunCount 1).
// Trajectories run one after the other with one thread, with the Shapiro-Tombrello model (its
// draws are made during the trajectory), while the host shows each trajectory and once Step has
// been used; otherwise up to two per thread are in flight.
void RunImpacts(TRunState& rs);

}  // namespace halvern
