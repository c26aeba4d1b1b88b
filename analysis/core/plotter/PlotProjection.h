// A frame projected on the plane of view and sorted by depth, so that nearer symbols are drawn
// over farther ones.
#pragma once

#include <cstdint>
#include <vector>

#include "plotter/FrameList.h"
#include "plotter/TrajectoryData.h"

namespace halvern {

// The planes of view, as the perspective group numbers them.
enum class Perspective : int32_t { XY = 0, YZ = 1, XZ = 2 };

// Sorts n entries ascending by key, moving second, third and index along: the shared shell sort,
// so equal keys end in the order the engine's graph window gives them.
void DepthSort(int32_t n, float* key, float* second, int32_t* index, float* third);

// The projected frame; allocated once per load for the largest frame, reused for every frame.
struct FrameArrays {
    std::vector<float> horizontal, vertical, depth;
    std::vector<int32_t> particle;
    int32_t count = 0;  // entries of the frame on show

    // Room for frames of up to n records; false when the memory cannot be had.
    bool allocate(int32_t n);
};

// Copies the frame's records by plane (xy: x, y, depth z; yz: y, z, depth x; xz: x, z, depth y)
// and sorts them by depth.
void ProjectFrame(const TrajectoryData& data, TFrame frame, Perspective perspective,
                  FrameArrays& out);

}  // namespace halvern
