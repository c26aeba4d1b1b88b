#include "ShellSort.h"

#include <utility>

namespace halvern {

namespace {

// The whole part of log2 n, for n >= 1.
int32_t PassCount(int32_t n) {
    int32_t passes = 0;
    while (n > 1) {
        n >>= 1;
        ++passes;
    }
    return passes;
}

}  // namespace

void ShellSort(int32_t n, int32_t* index, double* key, double* second, double* third) {
    if (n < 2) return;
    int32_t gap = n;
    for (int32_t pass = PassCount(n); pass > 0; --pass) {
        gap /= 2;
        for (int32_t i = 0; i + gap < n; ++i) {
            for (int32_t j = i; j >= 0; j -= gap) {
                // A NaN key compares false and moves up; every walk still ends at j < 0.
                if (key[j] <= key[j + gap]) break;
                std::swap(key[j], key[j + gap]);
                std::swap(second[j], second[j + gap]);
                std::swap(third[j], third[j + gap]);
                std::swap(index[j], index[j + gap]);
            }
        }
    }
}

}  // namespace halvern
