#include "ParseErrorLayout.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace halvern {

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const int64_t product = static_cast<int64_t>(a) * b;
    const int64_t magnitude = (std::llabs(product) + std::llabs(c) / 2) / std::llabs(c);
    return static_cast<int>((product < 0) != (c < 0) ? -magnitude : magnitude);
}

ParseErrorLayout LayOutParseError(CharSize chars, int labelWidth, int labelHeight) {
    constexpr int kClientWidth = 500;
    constexpr int kButtonLeft = 400;
    const int w = chars.width;
    const int h = chars.height;

    ParseErrorLayout layout;
    layout.labelLeft = MulDiv(8, w, 4);
    layout.labelTop = MulDiv(8, h, 8);
    layout.button = {kButtonLeft, MulDiv(41, h, 8), MulDiv(50, w, 4), MulDiv(14, h, 8)};
    layout.clientWidth = kClientWidth;
    layout.clientHeight = MulDiv(63, h, 8);

    // The label keeps its left margin on the right as well.
    const int labelWidthNeeded = 2 * layout.labelLeft + labelWidth;
    layout.button.left += std::max(0, labelWidthNeeded - kClientWidth);
    layout.clientWidth =
        std::max({kClientWidth, labelWidthNeeded, layout.button.left + layout.button.width});

    const int overlap = layout.labelTop + labelHeight - layout.button.top;
    if (overlap > 0) {
        layout.button.top += overlap;
        layout.clientHeight += overlap;
    }
    return layout;
}

}  // namespace halvern
