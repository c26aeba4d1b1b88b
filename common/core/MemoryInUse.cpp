#include "MemoryInUse.h"

#include <malloc.h>

namespace halvern {

uint64_t AllocatedBytes() {
    const struct mallinfo2 info = ::mallinfo2();
    return static_cast<uint64_t>(info.uordblks) + static_cast<uint64_t>(info.hblkhd);
}

}  // namespace halvern
