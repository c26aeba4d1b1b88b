#include "impacts/ImpactMesh.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velkor {

namespace {

int32_t RoundToPixel(double value) {
    const double r = std::nearbyint(value);
    // The picture is 101 pixels; anything far outside it is drawn nowhere.
    return static_cast<int32_t>(std::clamp(r, -1e6, 1e6));
}

}  // namespace

bool InImpactZone(double x, double y, double angleDegrees) {
    if (x == 0 && y == 0) return true;
    return y / std::sqrt(x * x + y * y) <= std::sin(angleDegrees * 2 * std::numbers::pi / 360);
}

TMeshBounds AdjustedBounds(const TMeshBounds& bounds) {
    TMeshBounds b = bounds;
    if (b.bxMax == b.bxMin) b.bxMax = b.bxMin + kMeshEps;
    if (b.byMax == b.byMin) b.byMax = b.byMin + kMeshEps;
    return b;
}

int64_t WalkImpactMesh(const TMeshLayout& layout, const MeshPointSink& emit) {
    if (layout.nx < 1 || layout.ny < 1) return 0;
    const TMeshBounds b = AdjustedBounds(layout.bounds);
    const double xStep = (b.bxMax - b.bxMin) / layout.nx;
    const double yStep = (b.byMax - b.byMin) / layout.ny;
    int64_t count = 0;
    double x = b.bxMin;
    for (int32_t column = 0; column < layout.nx && x + kMeshEps < b.bxMax; ++column) {
        double y = b.byMin;
        for (int32_t row = 0; row < layout.ny && (y + kMeshEps < b.byMax || count == 0); ++row) {
            if (InImpactZone(x, y, layout.angle)) {
                ++count;
                if (!emit(x, y)) return count;
            }
            y += yStep;
        }
        x += xStep;
    }
    return count;
}

std::vector<double> MeshRowsOf(const TMeshLayout& layout) {
    std::vector<double> rows;
    if (layout.ny < 1) return rows;
    const TMeshBounds b = AdjustedBounds(layout.bounds);
    const double yStep = (b.byMax - b.byMin) / layout.ny;
    double y = b.byMin;
    for (int32_t row = 0; row < layout.ny && (y + kMeshEps < b.byMax || row == 0); ++row) {
        rows.push_back(y);
        y += yStep;
    }
    return rows;
}

int64_t CountMeshColumns(const TMeshLayout& layout, const MeshColumnSink& column) {
    if (layout.nx < 1 || layout.ny < 1) return 0;
    const TMeshBounds b = AdjustedBounds(layout.bounds);
    const std::vector<double> rows = MeshRowsOf(layout);
    const auto belowMax = static_cast<int32_t>(
        rows.front() + kMeshEps < b.byMax ? rows.size() : 0);  // 0: only the first, while none
    const double xStep = (b.bxMax - b.bxMin) / layout.nx;
    int64_t count = 0;
    double x = b.bxMin;
    for (int32_t c = 0; c < layout.nx && x + kMeshEps < b.bxMax; ++c) {
        // While no point was emitted the walk goes on past by(max) too, but those rows lie above
        // a rejected first row and are rejected as well.
        int32_t lo = 0, hi = count == 0 ? std::max(belowMax, 1) : belowMax;
        while (lo < hi) {  // the first row outside the zone
            const int32_t mid = lo + (hi - lo) / 2;
            if (InImpactZone(x, rows[static_cast<size_t>(mid)], layout.angle))
                lo = mid + 1;
            else
                hi = mid;
        }
        count += lo;
        column(x, lo);
        x += xStep;
    }
    return count;
}

int64_t MeshPointBound(const TMeshLayout& layout) {
    const TMeshBounds b = AdjustedBounds(layout.bounds);
    if (layout.nx < 1 || layout.ny < 1 || !(b.bxMin + kMeshEps < b.bxMax)) return 0;
    if (!(b.byMin + kMeshEps < b.byMax)) return 1;
    return static_cast<int64_t>(layout.nx) * layout.ny;
}

bool MakePreviewMap(const TMeshBounds& bounds, TPreviewMap& map) {
    map.bounds = AdjustedBounds(bounds);
    const TMeshBounds& b = map.bounds;
    map.span = std::max(b.byMax - b.byMin, b.bxMax - b.bxMin);
    if (!(map.span > 0) || std::fabs(map.span) < 1e-5) return false;
    map.right = RoundToPixel((b.bxMax - b.bxMin) * kPreviewSize / map.span);
    map.top = kPreviewSize - RoundToPixel((b.byMax - b.byMin) * kPreviewSize / map.span);
    return true;
}

void PreviewPixel(const TPreviewMap& map, double x, double y, int32_t& px, int32_t& py) {
    px = RoundToPixel((x - map.bounds.bxMin) * 100 / map.span);
    py = RoundToPixel((1 - (y - map.bounds.byMin) / map.span) * 100);
}

}  // namespace velkor
