// The "Open Display" dialog's preview of a cache's style: a line across the middle and, with
// symbols, five of them on it.
#pragma once

#include <cstdint>

#include "grapher/GraphLayout.h"

namespace halvern {

DisplayList PenPreview(int32_t width, int32_t height, const PenSpec& pen, bool symbols,
                       int32_t symbolSize, bool squares);

}  // namespace halvern
