#include "dynamics/CellList.h"

#include <algorithm>
#include <cmath>

namespace halvern {

void AllocateCellGrid(TCellGrid& grid, int32_t N) {
    grid.head.assign(kGridCells, -1);
    grid.next.assign(static_cast<size_t>(N) + 1, -1);
}

void FreeCellGrid(TCellGrid& grid) {
    std::vector<int32_t>().swap(grid.head);
    std::vector<int32_t>().swap(grid.next);
}

bool InCellGridBox(double x, double y, double z) {
    return x >= -4.8e-9 && x <= 4.8e-9 && y >= -4.8e-9 && y <= 4.8e-9 && z >= -4.8e-9 &&
           z <= 1.6e-9;
}

void InsertIntoCell(TCellGrid& grid, int32_t i, double x, double y, double z) {
    if (!InCellGridBox(x, y, z)) return;
    // Inside the box every rounded coordinate is a valid cell.
    const int32_t c = CellIndex(static_cast<int32_t>(std::nearbyint(x * kGridCellsPerMetre)),
                                static_cast<int32_t>(std::nearbyint(y * kGridCellsPerMetre)),
                                static_cast<int32_t>(std::nearbyint(z * kGridCellsPerMetre)));
    grid.next[static_cast<size_t>(i)] = grid.head[static_cast<size_t>(c)];
    grid.head[static_cast<size_t>(c)] = i;
}

void FillCellGrid(TCellGrid& grid, int32_t N, const double* x, const double* y, const double* z) {
    if (grid.next.size() < static_cast<size_t>(N) + 1) AllocateCellGrid(grid, N);
    for (int32_t i = 0; i <= N; ++i) InsertIntoCell(grid, i, x[i], y[i], z[i]);
}

void EmptyCellGrid(TCellGrid& grid) {
    std::fill(grid.head.begin(), grid.head.end(), -1);
}

bool CellRange(double lo, double hi, int32_t minCell, int32_t maxCell, int32_t& first,
               int32_t& last) {
    const double a = std::nearbyint(lo * kGridCellsPerMetre);
    const double b = std::nearbyint(hi * kGridCellsPerMetre);
    if (!std::isfinite(a) || !std::isfinite(b)) return false;
    first = static_cast<int32_t>(std::max(a, static_cast<double>(minCell)));
    last = static_cast<int32_t>(std::min(b, static_cast<double>(maxCell)));
    return first <= last;
}

void AllocateCellList(TCellList& list, int32_t N) {
    const size_t n = static_cast<size_t>(N) + 1;
    list.order.assign(n, 0);
    list.xs.assign(n, 0.0);
    list.ys.assign(n, 0.0);
    list.zs.assign(n, 0.0);
    list.cellOf.assign(n, -1);
    list.found.assign(n, 0);
    list.cellStart.reserve(4 * n + 65);
    list.cursor.reserve(4 * n + 64);
}

void FreeCellList(TCellList& list) {
    std::vector<int32_t>().swap(list.cellStart);
    std::vector<int32_t>().swap(list.order);
    for (auto* v : {&list.xs, &list.ys, &list.zs}) std::vector<double>().swap(*v);
    std::vector<int32_t>().swap(list.cellOf);
    std::vector<int32_t>().swap(list.found);
    std::vector<int32_t>().swap(list.cursor);
}

namespace {

bool Finite(double x, double y, double z) {
    return std::isfinite(x) && std::isfinite(y) && std::isfinite(z);
}

// Cells per axis: as many as fit at `width` (with a small margin, so that two points closer
// than `width` never lie two cells apart after rounding), at most about 4 per particle in all.
void ChooseCells(TCellList& list, const double* extent, double width, int32_t n) {
    const double w = width > 0 && std::isfinite(width) ? width * (1.0 + 1e-6) : 0;
    const double maxCells = 4.0 * n + 64.0;
    double count[3];
    for (int a = 0; a < 3; ++a) {
        const double c = w > 0 ? std::floor(extent[a] / w) : 1.0;
        count[a] = std::clamp(std::isfinite(c) ? c : 1.0, 1.0, maxCells);
    }
    while (count[0] * count[1] * count[2] > maxCells) {
        const int a = static_cast<int>(std::max_element(count, count + 3) - count);
        count[a] = std::max(1.0, std::floor(count[a] / 2.0));
    }
    for (int a = 0; a < 3; ++a) {
        list.cells[a] = static_cast<int32_t>(count[a]);
        list.inverseWidth[a] = extent[a] > 0 ? count[a] / extent[a] : 0.0;
    }
}

int32_t CellCoordinate(double u, double origin, double inverseWidth, int32_t cells) {
    const double c = std::floor((u - origin) * inverseWidth);
    if (!(c >= 0)) return 0;
    return c >= cells ? cells - 1 : static_cast<int32_t>(c);
}

}  // namespace

void FillCellList(TCellList& list, int32_t N, const double* x, const double* y, const double* z,
                  double width) {
    const size_t n = static_cast<size_t>(N) + 1;
    if (list.order.size() < n) AllocateCellList(list, N);
    double lo[3] = {INFINITY, INFINITY, INFINITY}, hi[3] = {-INFINITY, -INFINITY, -INFINITY};
    for (int32_t i = 0; i <= N; ++i) {
        if (!Finite(x[i], y[i], z[i])) continue;
        const double p[3] = {x[i], y[i], z[i]};
        for (int a = 0; a < 3; ++a) {
            lo[a] = std::min(lo[a], p[a]);
            hi[a] = std::max(hi[a], p[a]);
        }
    }
    double extent[3];
    for (int a = 0; a < 3; ++a) {
        if (!(hi[a] >= lo[a])) lo[a] = hi[a] = 0;  // no finite particle
        list.origin[a] = lo[a];
        extent[a] = hi[a] - lo[a];
    }
    ChooseCells(list, extent, width, static_cast<int32_t>(n));
    const size_t cellCount = static_cast<size_t>(list.cells[0]) * list.cells[1] * list.cells[2];
    list.cellStart.assign(cellCount + 1, 0);
    for (int32_t i = 0; i <= N; ++i) {
        int32_t c = -1;
        if (Finite(x[i], y[i], z[i])) {
            const int32_t cx =
                CellCoordinate(x[i], list.origin[0], list.inverseWidth[0], list.cells[0]);
            const int32_t cy =
                CellCoordinate(y[i], list.origin[1], list.inverseWidth[1], list.cells[1]);
            const int32_t cz =
                CellCoordinate(z[i], list.origin[2], list.inverseWidth[2], list.cells[2]);
            c = (cx * list.cells[1] + cy) * list.cells[2] + cz;
            ++list.cellStart[static_cast<size_t>(c) + 1];
        }
        list.cellOf[static_cast<size_t>(i)] = c;
    }
    for (size_t c = 0; c < cellCount; ++c) list.cellStart[c + 1] += list.cellStart[c];
    // Counting sort, stable: ascending index within each cell.
    list.cursor.assign(list.cellStart.begin(), list.cellStart.end() - 1);
    for (int32_t i = 0; i <= N; ++i) {
        const int32_t c = list.cellOf[static_cast<size_t>(i)];
        if (c < 0) continue;
        const size_t at = static_cast<size_t>(list.cursor[static_cast<size_t>(c)]++);
        list.order[at] = i;
        list.xs[at] = x[i];
        list.ys[at] = y[i];
        list.zs[at] = z[i];
    }
}

}  // namespace halvern
