// The impact-point mesh: the zone of a non-rectangular surface cell, the walk over the mesh's
// columns and rows, and where the preview draws it.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace velkor {

inline constexpr double kMeshEps = 1e-12;

// The origin is always inside; another point only when y / r <= sin(angle), so points that rise
// more steeply than the second surface axis are left out.
bool InImpactZone(double x, double y, double angleDegrees);

struct TMeshBounds {
    double bxMin = 0, bxMax = 0, byMin = 0, byMax = 0;
};

// Equal bounds become a range of kMeshEps, so that a column or row can still start there.
TMeshBounds AdjustedBounds(const TMeshBounds& bounds);

struct TMeshLayout {
    TMeshBounds bounds;  // as given; the walk adjusts equal ones itself
    int32_t nx = 0, ny = 0;
    double angle = 90;
};

// Receives each accepted point; false stops the walk.
using MeshPointSink = std::function<bool(double x, double y)>;

// Columns bx(min) + k (bx(max) - bx(min)) / nx for k = 0 .. nx-1 while below bx(max), rows the
// same in y, every point inside the zone emitted. The steps are added, as the files always had
// them; each loop also stops after its count, so rounding never adds a column or row. While no
// point has been accepted the rows go on past by(max), but never past ny of them. Returns the
// number of points emitted.
int64_t WalkImpactMesh(const TMeshLayout& layout, const MeshPointSink& emit);

// The walk's count and, column by column in walk order, how many of the column's leading rows
// it emits, without visiting each point: the zone keeps a leading run of a column's rows (y / r
// grows with y), which a binary search finds. The same count as WalkImpactMesh.
using MeshColumnSink = std::function<void(double x, int32_t rows)>;
int64_t CountMeshColumns(const TMeshLayout& layout, const MeshColumnSink& column);

// The y of the rows a column visits, added as the walk adds them: the rows below by(max), and
// the first row also when none is (the walk visits it while no point was emitted).
std::vector<double> MeshRowsOf(const TMeshLayout& layout);

// The number of points the walk visits at most: nx x ny, 1 when the y bounds are equal, 0 when
// no column starts. Asked before a long walk.
int64_t MeshPointBound(const TMeshLayout& layout);
inline constexpr int64_t kLargeMeshPoints = 10'000'000;

// The preview's 101 x 101 picture.
inline constexpr int32_t kPreviewSize = 101;

struct TPreviewMap {
    TMeshBounds bounds;  // adjusted
    double span = 0;     // the larger of the two ranges
    // The dotted frame from (0, 101) to (right, top).
    int32_t right = 0, top = 0;
};

// False when the ranges give nothing to draw (span not > 0 or below 1e-5).
bool MakePreviewMap(const TMeshBounds& bounds, TPreviewMap& map);
// The pixel of a mesh point: (round((x - bx(min)) 100 / span), round((1 - (y - by(min)) / span)
// 100)).
void PreviewPixel(const TPreviewMap& map, double x, double y, int32_t& px, int32_t& py);

}  // namespace velkor
