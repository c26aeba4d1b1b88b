#include "editor/ObjectSize.h"

#include <algorithm>
#include <cmath>

namespace halvern {

TwipSize DraggedSize(TwipSize start, double dx, double dy) {
    const double w = std::max<int32_t>(start.width, 1);
    const double h = std::max<int32_t>(start.height, 1);
    const double sx = (w + dx) / w;
    const double sy = (h + dy) / h;
    double scale = std::abs(sx - 1) >= std::abs(sy - 1) ? sx : sy;
    // Neither side may fall below the minimum nor rise above the maximum.
    scale = std::max(scale, kMinItemTwips / std::min(w, h));
    scale = std::min(scale, kMaxItemTwips / std::max(w, h));
    return {static_cast<int32_t>(std::lround(w * scale)), static_cast<int32_t>(std::lround(h * scale))};
}

}  // namespace halvern
