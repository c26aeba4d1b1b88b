// All state of one engine run, owned by RunSimulation and handed to every step. Nothing of it
// outlives the run; what does (options record, event ranges, flags) is in EngineGlobals.
//
// A plain struct: the steps of the run add the fields they need in the marked places.
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
#include "potentials/PairPotentials.h"

namespace halvern {

struct TRunState {
    EngineHost* host = nullptr;
    EngineGlobals* globals = nullptr;
    // The options as they were when the run started; the dialog cannot change what the run has
    // allocated. Write-backs that must outlive the run go through WriteBackOption.
    TSimulationOptions options;
    TRunFileNames files;
    bool batch = false;

    // Input values.
    TProjectileData projectile;
    TRunParameters run;
    TModelParameters model;
    // --- Inelastic tables (read by the inelastic-file reader) go here. ---

    int32_t N = 0;  // target atoms; particles 0..N
    TParticleArrays particles;
    TPartnerRows partners;
    // --- Event rows and the cell grid (partner lists, inelastic models) go here. ---
    TPairPotentials potentials;

    UniformRandom random;
    int32_t RunCount = 0;              // current impact, 1-based
    double CumulativeEnergyError = 0;  // sum of the per-trajectory errors, percent
    double CumulativeLssLoss = 0;      // J
    double CumulativeOrLoss = 0;       // J
    double CumulativeStLoss = 0;       // J
    int32_t LargestPartnerCount = 0;

    // The current impact line (Angstrom) and what SetUpImpact derived from it.
    double ImpactX = 0;
    double ImpactY = 0;
    double ImpactHeight = 0;
    TTargetExtent targetExtent;
    double TargetTop = 0;  // highest target atom at the first impact, m

    // Open files. The per-trajectory initial-conditions file is written whole by its writer.
    TextReader impactFile;
    // Output files report their creation and write failures in the log (CheckedFile's calls).
    CheckedOutputFile dynamicsFile;
    CheckedOutputFile inelasticEventsFile;

    TGraphFrame graphFrame;

    // --- Output records and inelastic models (OutputWriters, InelasticModels, Trajectory) ---
    // The record writer chosen by run.OutputOption (SelectOutputWriter) and the output filter
    // that SetFilterExpression compiles for option 8.
    OslRecordWriter OutputWriter = nullptr;
    TOutputFilter outputFilter;
    // Inelastic tables (ReadInelasticFile into inelastic.params), the event rows (allocated
    // with the partner rows: AllocateEventRows for the selected event models) and the loss sums
    // of the current trajectory.
    TInelasticState inelastic;
    // Trajectories whose energy error entered CumulativeEnergyError.
    int32_t BalancedTrajectories = 0;
    // Working storage of the trajectory loop, sized at the run's first trajectory: the box
    // method's grid, the all-pairs method's cell list and the HGE force cache.
    TCellGrid cellGrid;
    TCellList cellList;
    THgeForceCache hgeCache;
    // --- end of output and inelastic state ---

    // Set once the particle arrays are allocated and kept after they are freed, so that the
    // caller can tell how far a run came.
    bool arraysAllocated = false;
};

inline void Log(TRunState& rs, const std::string& line, ColourRef colour) {
    LogLine(*rs.host, line, colour);
}

// A change to an option that the Parts make during a run: it reaches the run's copy and the
// program-wide record, so it holds for the rest of this run and for later runs.
inline void WriteBackOption(TRunState& rs, uint8_t TSimulationOptions::*field, uint8_t value) {
    rs.options.*field = value;
    rs.globals->Options.*field = value;
}

}  // namespace halvern
