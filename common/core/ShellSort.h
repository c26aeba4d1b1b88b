// Diminishing-increment sort, shared by every depth order and distance list of the kit.
#pragma once

#include <cstdint>
#include <utility>

namespace halvern {

namespace shell_sort_detail {

// The whole part of log2 n, for n >= 1.
inline int32_t PassCount(int32_t n) {
    int32_t passes = 0;
    while (n > 1) {
        n >>= 1;
        ++passes;
    }
    return passes;
}

// Walks the diminishing gaps over key and calls moveAlong(a, b) for every swap of entries a and b.
template <class Real, class MoveAlong>
void SortByKey(int32_t n, Real* key, MoveAlong moveAlong) {
    if (n < 2) return;
    int32_t gap = n;
    for (int32_t pass = PassCount(n); pass > 0; --pass) {
        gap /= 2;
        for (int32_t i = 0; i + gap < n; ++i) {
            for (int32_t j = i; j >= 0; j -= gap) {
                // A NaN key compares false and moves up; every walk still ends at j < 0.
                if (key[j] <= key[j + gap]) break;
                std::swap(key[j], key[j + gap]);
                moveAlong(j, j + gap);
            }
        }
    }
}

}  // namespace shell_sort_detail

// Sorts the n entries 0..n-1 ascending by key, moving second, third and index along. The gap
// halves from n/2 to 1, so the last pass is an insertion sort; equal keys may change order, the
// same way for every real type, so orders made in single and double precision agree.
template <class Real>
void ShellSortEntries(int32_t n, int32_t* index, Real* key, Real* second, Real* third) {
    shell_sort_detail::SortByKey(n, key, [=](int32_t a, int32_t b) {
        std::swap(second[a], second[b]);
        std::swap(third[a], third[b]);
        std::swap(index[a], index[b]);
    });
}

// The same sort with only the index moving along.
template <class Real>
void ShellSortIndex(int32_t n, int32_t* index, Real* key) {
    shell_sort_detail::SortByKey(n, key,
                                 [=](int32_t a, int32_t b) { std::swap(index[a], index[b]); });
}

void ShellSort(int32_t n, int32_t* index, double* key, double* second, double* third);

}  // namespace halvern
