// Bounds, width and default text of a numeric field of a dialog, kept beside the computation that
// reads it; the dialog only binds a control to it.
#pragma once

#include <cstdint>

#include "InputLimits.h"

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

// A field whose value goes into an input file of the engine: its own range cut to what the
// engine accepts, so that the field refuses every value the engine's reader would refuse.
constexpr RealFieldSpec EngineField(const halvern::InputLimit& limit, long double min,
                                    long double max, int width, const char* text) {
    const halvern::InputLimit range = halvern::Within(limit, min, max);
    return {range.min, range.max, width, text};
}

constexpr IntFieldSpec EngineField(const halvern::InputLimit& limit, int32_t min, int32_t max,
                                   int width, const char* text) {
    const halvern::InputLimit range = halvern::Within(limit, min, max);
    return {static_cast<int32_t>(range.min), static_cast<int32_t>(range.max), width, text};
}

}  // namespace velkor
