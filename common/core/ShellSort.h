// Diminishing-increment sort, shared by every depth order and distance list of the kit.
#pragma once

#include <cstdint>

namespace halvern {

// Sorts the n entries 0..n-1 ascending by key, moving second, third and index along. The gap
// halves from n/2 to 1, so the last pass is an insertion sort; equal keys may change order.
void ShellSort(int32_t n, int32_t* index, double* key, double* second, double* third);

}  // namespace halvern
