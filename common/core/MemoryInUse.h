// The memory figure of the main windows' memory display.
#pragma once

#include <cstdint>

namespace halvern {

// Bytes the program holds from the heap: the allocator's bytes in use plus its mapped blocks.
uint64_t AllocatedBytes();

}  // namespace halvern
