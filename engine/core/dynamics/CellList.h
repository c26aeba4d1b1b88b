// Cell structures of the partner-list builders, allocated once per run and refilled at every
// rebuild without heap allocation per particle.
#pragma once

#include <cstdint>
#include <vector>

namespace halvern {

// The box method's fixed grid of 4 Angstrom cells: cx, cy in -12..12, cz in -12..4, covering x and
// y from -48 to 48 Angstrom and z from -48 to 16 Angstrom. Each cell heads a chain through
// `next`, newest particle first; -1 ends a chain (the shared empty cell).
constexpr int32_t kGridCellsX = 25;
constexpr int32_t kGridCellsY = 25;
constexpr int32_t kGridCellsZ = 17;
constexpr int32_t kGridCells = kGridCellsX * kGridCellsY * kGridCellsZ;  // 10625
constexpr double kGridCellsPerMetre = 2.5e9;                             // 1 / 4e-10 m

struct TCellGrid {
    std::vector<int32_t> head;  // kGridCells chain heads
    std::vector<int32_t> next;  // per particle
};

void AllocateCellGrid(TCellGrid& grid, int32_t N);
void FreeCellGrid(TCellGrid& grid);

inline int32_t CellIndex(int32_t cx, int32_t cy, int32_t cz) {
    return (cx + 12) * 425 + (cy + 12) * 17 + (cz + 12);
}

bool InCellGridBox(double x, double y, double z);

// Puts every particle 0..N inside the grid's box at the front of its cell's chain.
void FillCellGrid(TCellGrid& grid, int32_t N, const double* x, const double* y, const double* z);
void InsertIntoCell(TCellGrid& grid, int32_t i, double x, double y, double z);
// Points every cell back at the empty chain.
void EmptyCellGrid(TCellGrid& grid);

// The cell range [first, last] that covers [lo, hi] on one axis, by rounding to the nearest cell
// (halves to even) and clipping to [minCell, maxCell]. False for an empty or non-finite range.
bool CellRange(double lo, double hi, int32_t minCell, int32_t maxCell, int32_t& first,
               int32_t& last);

// A uniform cell list over the actual extent of the particles, cells at least `width` wide,
// particles of a cell in ascending index; for the all-pairs builder.
struct TCellList {
    double origin[3] = {};
    double inverseWidth[3] = {};
    int32_t cells[3] = {};
    std::vector<int32_t> cellStart;  // cell c holds order[cellStart[c] .. cellStart[c + 1])
    std::vector<int32_t> order;      // particle indices sorted by cell
    std::vector<double> xs, ys, zs;  // their coordinates, in the same order
    std::vector<int32_t> cellOf;     // per particle; -1 for a non-finite position
    std::vector<int32_t> cursor;     // fill positions while sorting
    std::vector<int32_t> found;      // candidates of one row
};

void AllocateCellList(TCellList& list, int32_t N);
void FreeCellList(TCellList& list);

// Sorts particles 0..N into cells at least `width` wide (non-finite positions enter no cell).
void FillCellList(TCellList& list, int32_t N, const double* x, const double* y, const double* z,
                  double width);

}  // namespace halvern
