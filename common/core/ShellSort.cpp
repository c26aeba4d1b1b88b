#include "ShellSort.h"

namespace halvern {

void ShellSort(int32_t n, int32_t* index, double* key, double* second, double* third) {
    ShellSortEntries(n, index, key, second, third);
}

}  // namespace halvern
