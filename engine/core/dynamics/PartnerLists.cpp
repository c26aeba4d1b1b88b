#include "dynamics/PartnerLists.h"

#include <algorithm>
#include <cmath>

#include "Colours.h"

namespace halvern {

namespace {

// A limit the rows can hold: at least 1, at most the row's slots (L - 1 partners and the mark).
int32_t UsableLimit(const TPartnerRows& rows, int32_t limit) {
    return std::clamp(limit, 1, std::max(rows.slots, 1));
}

bool Finite(double x, double y, double z) {
    return std::isfinite(x) && std::isfinite(y) && std::isfinite(z);
}

void EmptyRows(TPartnerRows& rows, int32_t first, int32_t N) {
    for (int32_t i = first; i <= N; ++i) rows.row(i)[0] = kEndOfRow;
}

double SquaredDistance(const double* x, const double* y, const double* z, int32_t i, int32_t k) {
    const double dx = x[i] - x[k], dy = y[i] - y[k], dz = z[i] - z[k];
    return dx * dx + dy * dy + dz * dz;
}

// Rows are short: insertion sort beats the general sort there.
void SortSmall(int32_t* a, int32_t n) {
    if (n > 32) {
        std::sort(a, a + n);
        return;
    }
    for (int32_t i = 1; i < n; ++i) {
        const int32_t v = a[i];
        int32_t j = i;
        for (; j > 0 && a[j - 1] > v; --j) a[j] = a[j - 1];
        a[j] = v;
    }
}

// The last particle whose row is built.
int32_t LastRow(int32_t N, const TPartnerSearch& search) {
    return search.IgnoreTargetForces ? std::min<int32_t>(N, 0) : N;
}

}  // namespace

bool PartnerRebuildPrologue(PartnerBuilder builder, TRebuildContext& ctx) {
    EngineFlags& flags = ctx.host.flags();
    if (flags.AbortRequested) {
        if (ctx.host.sink().askYesNo(kAbortQuestionText)) {
            flags.StopTrajectory = 1;
            ctx.result = false;
            LogLine(ctx.host, builder == PartnerBuilder::Box ? kBoxAbortLine : kBruteAbortLine,
                    colour::Red);
            flags.AbortRequested = 0;
            return false;
        }
        flags.AbortRequested = 0;
        flags.StopTrajectory = 0;
    }
    if (builder == PartnerBuilder::Brute) ctx.host.pumpEvents();
    ctx.host.stepCount(ctx.stepCount);
    ctx.frame.t = static_cast<float>(ctx.t);
    ctx.host.graphFrame(ctx.frame);
    if (builder == PartnerBuilder::Box) ctx.host.pumpEvents();
    return !flags.StopTrajectory;
}

void FinishPartnerRebuild(PartnerBuilder builder, const TRowsOutcome& outcome,
                          TRebuildContext& ctx) {
    ctx.largestPartnerCount = std::max(ctx.largestPartnerCount, outcome.largest);
    if (!outcome.overflow) return;
    EngineFlags& flags = ctx.host.flags();
    flags.StopTrajectory = 1;
    ctx.host.sink().error(builder == PartnerBuilder::Box ? kBoxOverflowText : kBruteOverflowText);
    LogLine(ctx.host, kOverflowLogLine, colour::Red);
    flags.AbortRequested = 1;
    ctx.result = false;
}

TRowsOutcome FillPartnerRowsBox(int32_t N, const double* x, const double* y, const double* z,
                                TPartnerRows& rows, TCellGrid& grid, const TPartnerSearch& search) {
    TRowsOutcome out;
    const double R2 = search.PartnerRadiusSquared;
    const double R = std::sqrt(R2);
    const int32_t L = UsableLimit(rows, search.Limit);
    FillCellGrid(grid, N, x, y, z);
    const int32_t last = LastRow(N, search);
    for (int32_t i = 0; i <= last; ++i) {
        int32_t* row = rows.row(i);
        int32_t c = 0;
        const double xlo = x[i] - R, xhi = x[i] + R;
        const double ylo = y[i] - R, yhi = y[i] + R;
        const double zlo = z[i] - R, zhi = z[i] + R;
        int32_t cx0, cx1, cy0, cy1, cz0, cz1;
        if (Finite(x[i], y[i], z[i]) && CellRange(xlo, xhi, -12, 12, cx0, cx1) &&
            CellRange(ylo, yhi, -12, 12, cy0, cy1) && CellRange(zlo, zhi, -12, 4, cz0, cz1)) {
            bool full = false;
            for (int32_t cx = cx0; cx <= cx1 && !full; ++cx)
                for (int32_t cy = cy0; cy <= cy1 && !full; ++cy)
                    for (int32_t cz = cz0; cz <= cz1 && !full; ++cz) {
                        // Chains run from the newest, that is the highest, index down.
                        for (int32_t k = grid.head[static_cast<size_t>(CellIndex(cx, cy, cz))];
                             k > i; k = grid.next[static_cast<size_t>(k)]) {
                            if (!(x[k] >= xlo && x[k] <= xhi && y[k] >= ylo && y[k] <= yhi &&
                                  z[k] >= zlo && z[k] <= zhi))
                                continue;
                            if (!(SquaredDistance(x, y, z, i, k) < R2)) continue;
                            row[c++] = k;
                            if (c == L) {
                                out.overflow = true;
                                --c;
                                full = true;
                                break;
                            }
                        }
                    }
        }
        row[c] = kEndOfRow;
        out.largest = std::max(out.largest, c);
    }
    EmptyRows(rows, last + 1, N);
    EmptyCellGrid(grid);
    return out;
}

TRowsOutcome FillPartnerRowsScan(int32_t N, const double* x, const double* y, const double* z,
                                 TPartnerRows& rows, const TPartnerSearch& search) {
    TRowsOutcome out;
    const double R2 = search.PartnerRadiusSquared;
    const double b = std::sqrt(R2);
    const int32_t L = UsableLimit(rows, search.Limit);
    const int32_t last = LastRow(N, search);
    for (int32_t i = 0; i <= last; ++i) {
        int32_t* row = rows.row(i);
        int32_t j = 0;
        for (int32_t k = i + 1; k <= N; ++k) {
            if (std::fabs(x[i] - x[k]) <= b && std::fabs(y[i] - y[k]) <= b &&
                std::fabs(z[i] - z[k]) <= b && SquaredDistance(x, y, z, i, k) < R2) {
                row[j] = k;
                if (j + 1 == L) {
                    out.overflow = true;
                    break;
                }
                ++j;
            }
        }
        row[j] = kEndOfRow;
        out.largest = std::max(out.largest, j);
    }
    EmptyRows(rows, last + 1, N);
    return out;
}

TRowsOutcome FillPartnerRowsCells(int32_t N, const double* x, const double* y, const double* z,
                                  TPartnerRows& rows, TCellList& cells,
                                  const TPartnerSearch& search) {
    TRowsOutcome out;
    const double R2 = search.PartnerRadiusSquared;
    const double b = std::sqrt(R2);
    const int32_t L = UsableLimit(rows, search.Limit);
    const int32_t last = LastRow(N, search);
    FillCellList(cells, N, x, y, z, b);
    const int32_t nx = cells.cells[0], ny = cells.cells[1], nz = cells.cells[2];
    int32_t* found = cells.found.data();
    for (int32_t i = 0; i <= last; ++i) {
        int32_t* row = rows.row(i);
        const int32_t ci = cells.cellOf[static_cast<size_t>(i)];
        int32_t n = 0;
        if (ci >= 0) {
            const double xi = x[i], yi = y[i], zi = z[i];
            const int32_t cx = ci / (ny * nz), cy = (ci / nz) % ny, cz = ci % nz;
            for (int32_t ax = std::max(cx - 1, 0); ax <= std::min(cx + 1, nx - 1); ++ax)
                for (int32_t ay = std::max(cy - 1, 0); ay <= std::min(cy + 1, ny - 1); ++ay)
                    for (int32_t az = std::max(cz - 1, 0); az <= std::min(cz + 1, nz - 1); ++az) {
                        const size_t c = static_cast<size_t>((ax * ny + ay) * nz + az);
                        const int32_t* order = cells.order.data();
                        const int32_t e = cells.cellStart[c + 1];
                        // Ascending within the cell: only the particles after i.
                        int32_t s = static_cast<int32_t>(
                            std::upper_bound(order + cells.cellStart[c], order + e, i) - order);
                        for (; s < e; ++s) {
                            const double dx = xi - cells.xs[s], dy = yi - cells.ys[s],
                                         dz = zi - cells.zs[s];
                            // The scan's tests, evaluated without branches.
                            const bool take = (std::fabs(dx) <= b) & (std::fabs(dy) <= b) &
                                              (std::fabs(dz) <= b) &
                                              (dx * dx + dy * dy + dz * dz < R2);
                            found[n] = order[s];
                            n += take;
                        }
                    }
            SortSmall(found, n);
        }
        // The scan stops at the L-th partner and keeps L - 1.
        if (n >= L) {
            out.overflow = true;
            n = L - 1;
        }
        std::copy(found, found + n, row);
        row[n] = kEndOfRow;
        out.largest = std::max(out.largest, n);
    }
    EmptyRows(rows, last + 1, N);
    return out;
}

void BuildPartnerListsBox(int32_t N, const TParticleArrays& p, TPartnerRows& rows, TCellGrid& grid,
                          const TPartnerSearch& search, TRebuildContext& ctx) {
    if (!PartnerRebuildPrologue(PartnerBuilder::Box, ctx)) return;
    const TRowsOutcome out =
        FillPartnerRowsBox(N, p.x.data(), p.y.data(), p.z.data(), rows, grid, search);
    FinishPartnerRebuild(PartnerBuilder::Box, out, ctx);
}

void BuildPartnerListsBrute(int32_t N, const TParticleArrays& p, TPartnerRows& rows,
                            TCellList& cells, const TPartnerSearch& search, TRebuildContext& ctx) {
    if (!PartnerRebuildPrologue(PartnerBuilder::Brute, ctx)) return;
    const TRowsOutcome out =
        FillPartnerRowsCells(N, p.x.data(), p.y.data(), p.z.data(), rows, cells, search);
    FinishPartnerRebuild(PartnerBuilder::Brute, out, ctx);
}

}  // namespace halvern
