#include "impacts/ImpactMeshFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "NumberText.h"
#include "impacts/ImpactLines.h"
#include "text/LineFileWriter.h"
#include "text/TextConversions.h"

namespace velkor {

const char* const kOriginRuleMessage =
    "Impact zone (bx(min), by(min)) must start at origin if axes are non-perpendicular.\r\r"
    "Tip: you can achieve the same effect by translating the target in the x- and y-directions "
    "(Target|Display/Orient), or by translating the impact zone itself (Impact|Display/Orient).";

namespace {

bool Finite(const TMeshBounds& b) {
    return std::isfinite(b.bxMin) && std::isfinite(b.bxMax) && std::isfinite(b.byMin) &&
           std::isfinite(b.byMax);
}

TMeshHeader HeaderOf(const TMeshNumbers& mesh) {
    const TMeshBounds b = AdjustedBounds(mesh.layout.bounds);
    return {b.bxMin, b.bxMax, b.byMin,          b.byMax,        mesh.layout.angle,
            mesh.density, mesh.layout.nx, mesh.layout.ny, mesh.z0};
}

}  // namespace

bool AgreeToLargeMesh(const TMeshLayout& layout, halvern::MessageSink& sink) {
    const int64_t points = MeshPointBound(layout);
    if (points <= kLargeMeshPoints) return true;
    return sink.askYesNo("The mesh has " + halvern::FormatInt(points) +
                             " points, more than 10 million: walking it takes long and its "
                             "file is large.\r\rGo on?",
                         halvern::BoxIcon::Warning);
}

bool WriteImpactMesh(const TMeshNumbers& mesh, const std::string& path,
                     halvern::MessageSink& sink) {
    const TMeshLayout& layout = mesh.layout;
    if (!(mesh.z0 >= 2.0)) ShowWarning(sink, "Projectile z0 is < 2.0 A");
    if (layout.nx <= 0 || layout.ny <= 0) {
        sink.error("Number of impacts must be > 0.");
        return false;
    }
    const TMeshBounds& b = layout.bounds;
    if (b.bxMin > b.bxMax || b.byMin > b.byMax || !Finite(b) || !std::isfinite(mesh.z0)) {
        sink.error("Impact parameter range error.");
        return false;
    }
    if (!AgreeToLargeMesh(layout, sink)) return false;

    LineFileWriter out;
    int64_t count = 0;
    if (out.open(path) && mesh.density == 0) {
        const std::string header = MeshHeaderText(HeaderOf(mesh));
        bool first = true;
        count = WalkImpactMesh(layout, [&](double x, double y) {
            out.write(MeshPointText(x, y, mesh.z0));
            if (first) out.write(header);
            first = false;
            out.write(kLineEnd);
            return out.ok();
        });
    }
    if (out.ok() && count == 0) {
        sink.error("Ambiguous input: \rb(min) must be < b(max)");
        return false;  // the temporary file goes with the writer
    }
    if (!out.finish()) {
        sink.error(out.failureText("Error writing output to disk."));
        return false;
    }
    sink.info("Number of trajectories: " + halvern::FormatInt(count));
    return true;
}

// The pixels of the walk's points, found column by column: a pixel column is lit down from the
// first row as far as the column of it that emits the most rows, so the work grows with the
// number of columns and rows, not with their product.
TMeshPreview PreviewImpactMesh(const TMeshNumbers& mesh) {
    TMeshPreview preview;
    if (mesh.density != 0) return preview;
    preview.drawable = MakePreviewMap(mesh.layout.bounds, preview.map);
    if (!preview.drawable) return preview;
    const TPreviewMap& map = preview.map;
    auto inside = [](int32_t p) { return p >= 0 && p < kPreviewSize; };

    constexpr int32_t kNoRow = std::numeric_limits<int32_t>::max();
    std::array<int32_t, kPreviewSize> firstRowOfPixelRow;
    firstRowOfPixelRow.fill(kNoRow);
    const std::vector<double> rows = MeshRowsOf(mesh.layout);
    for (size_t j = 0; j < rows.size(); ++j) {
        int32_t px = 0, py = 0;
        PreviewPixel(map, map.bounds.bxMin, rows[j], px, py);
        if (inside(py) && firstRowOfPixelRow[static_cast<size_t>(py)] == kNoRow)
            firstRowOfPixelRow[static_cast<size_t>(py)] = static_cast<int32_t>(j);
    }
    std::array<int32_t, kPreviewSize> rowsOfPixelColumn{};
    preview.count = CountMeshColumns(mesh.layout, [&](double x, int32_t emitted) {
        int32_t px = 0, py = 0;
        PreviewPixel(map, x, map.bounds.byMin, px, py);
        if (inside(px))
            rowsOfPixelColumn[static_cast<size_t>(px)] =
                std::max(rowsOfPixelColumn[static_cast<size_t>(px)], emitted);
    });

    preview.lit.assign(static_cast<size_t>(kPreviewSize * kPreviewSize), 0);
    for (size_t py = 0; py < kPreviewSize; ++py)
        for (size_t px = 0; px < kPreviewSize; ++px)
            if (firstRowOfPixelRow[py] < rowsOfPixelColumn[px])
                preview.lit[py * kPreviewSize + px] = 1;
    return preview;
}

std::string PreviewCountText(int64_t count) {
    if (count < 1) return "Ambiguous input.";
    return halvern::FormatInt(count) + " impact points.";
}

void PreviewReadOut(const TMeshBounds& bounds, int32_t pixelX, int32_t pixelY, std::string& xText,
                    std::string& yText) {
    if (bounds.bxMin > bounds.bxMax || bounds.byMin > bounds.byMax) {
        xText = yText = "Maximum in impact range should not be smaller than minimum.";
        return;
    }
    const TMeshBounds b = AdjustedBounds(bounds);
    const double span = std::max(b.byMax - b.byMin, b.bxMax - b.bxMin);
    xText = "x = " + halvern::ShortestRealText(span * pixelX * 0.01 + b.bxMin);
    yText = "y = " + halvern::ShortestRealText(span * (1 - pixelY * 0.01) + b.byMin);
}

bool OriginRuleHolds(double angle, double bxMin, double byMin) {
    return !((bxMin != 0 || byMin != 0) && angle != 90);
}

}  // namespace velkor
