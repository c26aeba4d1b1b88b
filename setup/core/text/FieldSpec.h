// Bounds, width and default text of a numeric field of a dialog, kept beside the computation that
// reads it; the dialog only binds a control to it.
#pragma once

#include <cstdint>

namespace velkor {

struct RealFieldSpec {
    long double min;
    long double max;
    int width;  // longest text; 0 for no limit
    const char* text;
};

struct IntFieldSpec {
    int32_t min;
    int32_t max;
    int width;
    const char* text;
};

}  // namespace velkor
