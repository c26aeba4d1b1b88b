#include "plotter/TrajectoryData.h"

#include <unistd.h>

#include <limits>
#include <new>

namespace halvern {

namespace {

// Half the machine's memory: a load beyond it would leave the machine swapping long before the
// allocator refused it.
int64_t LoadableBytes() {
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0) return std::numeric_limits<int64_t>::max();
    return static_cast<int64_t>(pages) / 2 * pageSize;
}

}  // namespace

void TrajectoryData::clear() {
    // Swapped with empty arrays so that the memory is returned, not only emptied.
    TrajectoryData empty;
    empty.osl = osl;
    *this = std::move(empty);
}

bool TrajectoryData::reserve(int64_t n) {
    if (n < 0 || n > kMaxTrajectoryRecords || n > LoadableBytes() / kTrajectoryRecordBytes)
        return false;
    try {
        const auto size = static_cast<size_t>(n);
        x.reserve(size);
        y.reserve(size);
        z.reserve(size);
        time.reserve(size);
        particle.reserve(size);
    } catch (const std::bad_alloc&) {
        clear();
        return false;
    }
    return true;
}

std::string TooLargeText(const std::string& name) {
    return "Not enough memory to load " + name + ".";
}

}  // namespace halvern
