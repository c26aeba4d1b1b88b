// 32-bit reals from wider ones: what the hardware gives (infinity beyond the single range), but
// without the undefined behaviour of a cast that overflows.
#pragma once

#include <cmath>
#include <limits>

namespace halvern {

// True for a finite value within the range of a single.
inline bool FitsSingle(long double x) {
    return std::fabs(x) <= std::numeric_limits<float>::max();
}

inline float ToSingle(long double x) {
    if (std::isnan(x)) return std::numeric_limits<float>::quiet_NaN();
    if (!FitsSingle(x))
        return x < 0 ? -std::numeric_limits<float>::infinity()
                     : std::numeric_limits<float>::infinity();
    return static_cast<float>(x);
}

}  // namespace halvern
