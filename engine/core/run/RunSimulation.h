// One engine run: reads and checks the six input files of a project, reports the parameters,
// allocates the particle arrays and follows one trajectory per line of the impact file.
#pragma once

#include <string>

#include "host/EngineGlobals.h"
#include "host/EngineHost.h"
#include "run/RunState.h"

namespace halvern {

// The one entry of a run, called by the Run command (batch false) and by the batch runner
// (batch true) with the same ten arguments. Works on a copy of globals.Options taken at its
// start; the run's progress goes to the host's log, its questions to the host's sink.
void RunSimulation(const std::string& projectileFile, const std::string& targetFile,
                   const std::string& modelFile, const std::string& runFile,
                   const std::string& impactFile, const std::string& inelasticFile,
                   const std::string& initialConditionsFile, const std::string& dynamicsFile,
                   const std::string& inelasticEventsFile, bool batch, EngineGlobals& globals,
                   EngineHost& host);

// The run's steps on a state that the caller owns and has given its host and globals; every
// file and array is released when it returns, and the state tells how far the run came.
void RunSimulationSteps(const TRunFileNames& names, bool batch, TRunState& rs);

// Allocates the particle arrays, mass and Z and the partner rows for rs.N, stores the
// projectile's flag byte and points the graph frame at the positions (or velocities).
void AllocateRun(TRunState& rs);

// Points the trajectory's graph frame at its positions (or, in the velocity plot, velocities).
void AimGraphFrame(TTrajectoryState& tj, const TSimulationOptions& options, int32_t N);

// Closes the run's files (outputs not yet put in place are dropped) and frees its rows and
// arrays (and the Morse table), in that order. Safe to call more than once.
void ReleaseRun(TRunState& rs);

}  // namespace halvern
