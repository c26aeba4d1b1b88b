// Resizing a picture or an object by dragging its corner: the shown size follows the pointer
// with the proportions kept, within bounds that keep the item visible and sensible.
#pragma once

#include <cstdint>

namespace halvern {

struct TwipSize {
    int32_t width = 0;
    int32_t height = 0;

    bool operator==(const TwipSize&) const = default;
};

inline constexpr int32_t kMinItemTwips = 120;       // 8 pixels
inline constexpr int32_t kMaxItemTwips = 1000000;   // as the RTF reader bounds sizes

// The size after the corner moved by (dx, dy) twips from where the drag began: the larger of
// the two relative changes decides, and both sides scale by it.
TwipSize DraggedSize(TwipSize start, double dx, double dy);

}  // namespace halvern
