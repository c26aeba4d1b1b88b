// Writing the impact-point mesh as an impact file, and the preview of the same walk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "MessageSink.h"
#include "impacts/ImpactMesh.h"

namespace velkor {

// The mesh record's values as numbers.
struct TMeshNumbers {
    TMeshLayout layout;
    double z0 = 3;
    int32_t density = 0;  // 0 uniform; 1 weighted, which has no points
};

// Every check runs before the file is touched, with the messages in this order: the z0 warning
// ("Projectile z0 is < 2.0 A", the writing goes on), "Number of impacts must be > 0.",
// "Impact parameter range error." (also for bounds beyond the range of a double), and for a mesh
// of more than 10 million points the question whether to go on. The points then go through a
// temporary file; no point gives "Ambiguous input: \rb(min) must be < b(max)" and leaves the
// disk as it was. Once the file is in place "Number of trajectories: " and the count, else
// "Error writing output to disk.". True when the file was written.
bool WriteImpactMesh(const TMeshNumbers& mesh, const std::string& path, halvern::MessageSink& sink);

// Asks before a walk of more than 10 million points; true to go on.
bool AgreeToLargeMesh(const TMeshLayout& layout, halvern::MessageSink& sink);

// The preview's picture: which of the 101 x 101 pixels the mesh lights, the frame and the count.
struct TMeshPreview {
    bool drawable = false;  // false: "Impact param. range error: cannot preview."
    TPreviewMap map;
    std::vector<uint8_t> lit;  // kPreviewSize rows of kPreviewSize pixels
    int64_t count = 0;
};

TMeshPreview PreviewImpactMesh(const TMeshNumbers& mesh);

// "Ambiguous input." for no point, else the count and " impact points.".
std::string PreviewCountText(int64_t count);

// The coordinates under a pixel of the preview: "x = " and "y = " with the shortest real text.
// With a maximum below its minimum both texts hold the message that says so.
void PreviewReadOut(const TMeshBounds& bounds, int32_t pixelX, int32_t pixelY, std::string& xText,
                    std::string& yText);

// The origin rule of OK and Preview: a mesh of non-perpendicular axes must start at the origin.
bool OriginRuleHolds(double angle, double bxMin, double byMin);
extern const char* const kOriginRuleMessage;

}  // namespace velkor
