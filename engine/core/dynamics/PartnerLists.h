// Collision-partner lists: per particle the partners j > i within the partner radius, rebuilt
// every K steps by the box method (fixed 4 Angstrom grid) or the all-pairs method. A rebuild is
// also the trajectory's point of contact with the user: abort question, step count, graph frame
// and one event pump.
#pragma once

#include <cstdint>

#include "dynamics/CellList.h"
#include "dynamics/ParticleArrays.h"
#include "host/EngineHost.h"

namespace halvern {

enum class PartnerBuilder { Box, Brute };

struct TPartnerSearch {
    double PartnerRadiusSquared = 0;  // R^2, m^2
    int32_t Limit = 1;                // L: a row holds at most L - 1 partners
    bool IgnoreTargetForces = false;  // only the projectile's row is built
};

// The trajectory's state that a rebuild reads and changes.
struct TRebuildContext {
    EngineHost& host;
    TGraphFrame& frame;
    int32_t stepCount;
    double t;                      // s
    bool& result;                  // the trajectory's result; false after a confirmed abort
    int32_t& largestPartnerCount;  // of the run
};

// What one filling of the rows found.
struct TRowsOutcome {
    int32_t largest = 0;    // longest row
    bool overflow = false;  // some particle had L or more partners
};

constexpr const char* kAbortQuestionText = "Do you really wish to abort the simulation?";
constexpr const char* kBoxAbortLine = " Aborting simulation after next cycle...";
constexpr const char* kBruteAbortLine = "  Aborting simulation after next cycle...";
constexpr const char* kBoxOverflowText =
    "Too many collision partners in system - aborting.\rIncrease 'No. of partners' parameter in "
    ".RUN file,\ror decrease the timestep (if feasible).";
constexpr const char* kBruteOverflowText =
    "Too many collision partners in system - aborting.\rIncrease \"No. of partners\" parameter "
    "in .RUN file,\ror decrease the timestep (if feasible).";
constexpr const char* kOverflowLogLine = "  Too many partners required: aborting.";

// The builders: prologue, rows, largest count and the overflow handling.
void BuildPartnerListsBox(int32_t N, const TParticleArrays& p, TPartnerRows& rows, TCellGrid& grid,
                          const TPartnerSearch& search, TRebuildContext& ctx);
void BuildPartnerListsBrute(int32_t N, const TParticleArrays& p, TPartnerRows& rows,
                            TCellList& cells, const TPartnerSearch& search, TRebuildContext& ctx);

// Answers an abort request, reports and yields in the builder's order; true when the rows are
// to be rebuilt.
bool PartnerRebuildPrologue(PartnerBuilder builder, TRebuildContext& ctx);
// Records the largest count; on overflow stops the trajectory, shows the builder's box, logs
// the red line, requests an abort and makes the result false.
void FinishPartnerRebuild(PartnerBuilder builder, const TRowsOutcome& outcome,
                          TRebuildContext& ctx);

// The rows alone. Box: cells in ascending cx, cy, cz, within a cell the most recently inserted
// particle first. Scan: every k > i in ascending order (the plain O(N^2) form, kept as the
// reference). Cells: the scan's rows in O(N) through a cell list over the particles' extent.
// A particle with a non-finite coordinate has an empty row and is nobody's partner.
TRowsOutcome FillPartnerRowsBox(int32_t N, const double* x, const double* y, const double* z,
                                TPartnerRows& rows, TCellGrid& grid, const TPartnerSearch& search);
TRowsOutcome FillPartnerRowsScan(int32_t N, const double* x, const double* y, const double* z,
                                 TPartnerRows& rows, const TPartnerSearch& search);
TRowsOutcome FillPartnerRowsCells(int32_t N, const double* x, const double* y, const double* z,
                                  TPartnerRows& rows, TCellList& cells,
                                  const TPartnerSearch& search);

// Predicates of the trajectory loop's surface barriers.
inline bool AboveSurfacePlane(double vz, double z, double surfacePlane) {
    return vz > 0 && z > surfacePlane;
}
inline bool LeavingSlab(double lo, double hi, double v, double c) {
    return (c > hi && v > 0) || (c < lo && v < 0);
}
inline double SignOf(double x) {
    return x >= 0 ? 1.0 : -1.0;
}

}  // namespace halvern
