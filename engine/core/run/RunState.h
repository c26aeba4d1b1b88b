// The state of one engine run in three parts: what the run shares read-only once its
// trajectories start (TRunShared), what one trajectory owns (TTrajectoryState) and the run's
// totals, which trajectories update in impact order (TRunTotals). TRunState joins them with the
// run's open files; a serial run follows its trajectories in its own trajectory part, a parallel
// run gives each trajectory in flight a part of its own.
#pragma once

#include <cstdint>
#include <string>

#include "FileSafety.h"
#include "TextReader.h"
#include "dynamics/CellList.h"
#include "dynamics/InelasticModels.h"
#include "dynamics/Integrators.h"
#include "dynamics/ParticleArrays.h"
#include "dynamics/TargetExtent.h"
#include "dynamics/UniformRandom.h"
#include "host/EngineGlobals.h"
#include "host/EngineHost.h"
#include "host/SimulationOptions.h"
#include "input/InputFileNames.h"
#include "input/ModelFile.h"
#include "input/ProjectileFile.h"
#include "input/RunFile.h"
#include "output/OutputWriters.h"
#include "output/PendingOutput.h"
#include "potentials/PairPotentials.h"
#include "run/RunTotals.h"

namespace halvern {

// Read by every trajectory, written only before the first trajectory starts (and by a confirmed
// option write-back, which a parallel run makes only with no trajectory in flight).
struct TRunShared {
    EngineHost* host = nullptr;
    EngineGlobals* globals = nullptr;
    // The options as they were when the run started; the dialog cannot change what the run has
    // allocated. Write-backs that must outlive the run go through WriteBackOption.
    TSimulationOptions options;
    TRunFileNames files;
    bool batch = false;

    TProjectileData projectile;
    TRunParameters run;
    TModelParameters model;

    int32_t N = 0;  // target atoms; particles 0..N
    TPairPotentials potentials;
    double TargetTop = 0;  // highest target atom at the first impact, m

    // The record writer chosen by run.OutputOption (SelectOutputWriter) and the output filter
    // that SetFilterExpression compiles for option 8.
    OslRecordWriter OutputWriter = nullptr;
    TOutputFilter outputFilter;
};

// Where a trajectory's records go: straight into the run's files, or into its pending output
// when the trajectory runs ahead of the commit point.
struct TRecordTargets {
    CheckedOutputFile* dynamics = nullptr;
    CheckedOutputFile* events = nullptr;
    TOutputFilter* filter = nullptr;
    PendingOutput* pending = nullptr;
    bool dynamicsOpen = false;  // with pending output: the run writes that file
    bool eventsOpen = false;
    // Without pending output: the initial conditions of the latest trajectory.
    std::string* initialConditions = nullptr;
};

// What one trajectory owns, from its set-up to its end.
struct TTrajectoryState {
    // Where the trajectory's log lines, messages and pumps go, and its lines that show the run's
    // totals; null: the run's host and the run's totals, at once.
    EngineHost* channel = nullptr;
    TrajectoryReport* report = nullptr;
    TRecordTargets records;

    int32_t RunCount = 0;  // the impact, 1-based
    // The impact line (Angstrom) and what SetUpImpact derived from it.
    double ImpactX = 0;
    double ImpactY = 0;
    double ImpactHeight = 0;
    TTargetExtent targetExtent;

    TParticleArrays particles;
    TPartnerRows partners;
    // Inelastic tables (ReadInelasticFile into inelastic.params), the event rows (allocated
    // with the partner rows for the selected event models) and the loss sums of the trajectory.
    TInelasticState inelastic;
    // Working storage of the trajectory loop, sized at its first use: the box method's grid,
    // the all-pairs method's cell list and the HGE force cache.
    TCellGrid cellGrid;
    TCellList cellList;
    THgeForceCache hgeCache;
    TGraphFrame graphFrame;
    int32_t largestPartners = 0;  // the longest partner row of this trajectory
};

struct TRunState : TRunShared, TTrajectoryState, TRunTotals {
    UniformRandom random;

    // Open files. The outputs are new versions, put in place together at the end of the run;
    // they report their creation and write failures in the log.
    TextReader impactFile;
    CheckedOutputFile dynamicsFile;
    CheckedOutputFile inelasticEventsFile;
    // The initial-conditions file holds the last trajectory's records; they wait here.
    CheckedOutputFile initialConditionsFile;
    std::string initialConditions;
    // A trajectory was followed: the outputs are put in place at the end.
    bool trajectoryFollowed = false;

    // Set once the particle arrays are allocated and kept after they are freed, so that the
    // caller can tell how far a run came.
    bool arraysAllocated = false;
};

// The host a trajectory reports through.
inline EngineHost& HostOf(const TRunShared& run, const TTrajectoryState& tj) {
    return tj.channel ? *tj.channel : *run.host;
}

inline void Log(TRunState& rs, const std::string& line, ColourRef colour) {
    LogLine(*rs.host, line, colour);
}

inline void Log(const TRunShared& run, const TTrajectoryState& tj, const std::string& line,
                ColourRef colour) {
    LogLine(HostOf(run, tj), line, colour);
}

// A change to an option that a run makes (a confirmed question): it reaches the run's copy and the
// program-wide record, so it holds for the rest of this run and for later runs.
inline void WriteBackOption(TRunShared& rs, uint8_t TSimulationOptions::*field, uint8_t value) {
    rs.options.*field = value;
    rs.globals->Options.*field = value;
}

// The run's own files and filter as the targets of a trajectory's records.
inline TRecordTargets RunFileTargets(TRunState& rs) {
    return TRecordTargets{
        &rs.dynamicsFile,     &rs.inelasticEventsFile, &rs.outputFilter, nullptr, false, false,
        &rs.initialConditions};
}

// The run's own files and filter as the records' targets of its trajectory part.
inline void TargetRunFiles(TRunState& rs) {
    rs.records = RunFileTargets(rs);
}

}  // namespace halvern
