// The inclusive bounds of a dialog's numeric field, kept beside the record the field edits.
#pragma once

#include <cstdint>

namespace halvern {

struct IntBounds {
    int32_t min;
    int32_t max;
};

struct RealBounds {
    long double min;
    long double max;
};

}  // namespace halvern
