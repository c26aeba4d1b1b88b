#include "plotter/PlotProjection.h"

#include <algorithm>
#include <new>

#include "ShellSort.h"

namespace halvern {

void DepthSort(int32_t n, float* key, float* second, int32_t* index, float* third) {
    ShellSortEntries(n, index, key, second, third);
}

bool FrameArrays::allocate(int32_t n) {
    const auto size = static_cast<size_t>(std::max(n, 0));
    try {
        horizontal.assign(size, 0.0f);
        vertical.assign(size, 0.0f);
        depth.assign(size, 0.0f);
        particle.assign(size, 0);
    } catch (const std::bad_alloc&) {
        *this = FrameArrays{};
        return false;
    }
    count = 0;
    return true;
}

void ProjectFrame(const TrajectoryData& data, TFrame frame, Perspective perspective,
                  FrameArrays& out) {
    out.count = 0;
    if (frame.first < 0 || frame.last >= data.count() || frame.last < frame.first) return;
    const float* h = data.x.data();
    const float* v = data.z.data();
    const float* d = data.y.data();
    if (perspective == Perspective::XY) {
        v = data.y.data();
        d = data.z.data();
    } else if (perspective == Perspective::YZ) {
        h = data.y.data();
        d = data.x.data();
    }
    const auto n = std::min(static_cast<size_t>(std::max(frame.size(), 0)), out.particle.size());
    const auto first = static_cast<size_t>(frame.first);
    std::copy_n(h + first, n, out.horizontal.begin());
    std::copy_n(v + first, n, out.vertical.begin());
    std::copy_n(d + first, n, out.depth.begin());
    std::copy_n(data.particle.data() + first, n, out.particle.begin());
    out.count = static_cast<int32_t>(n);
    DepthSort(out.count, out.depth.data(), out.horizontal.data(), out.particle.data(),
              out.vertical.data());
}

}  // namespace halvern
