#include "IdleChecks.h"

namespace brisal {

std::optional<std::string> IdleChecks::lowDiskWarning(std::optional<uint64_t> freeBytes) {
    if (lowDiskShown_ || !freeBytes || *freeBytes >= kLowDiskBytes) return std::nullopt;
    lowDiskShown_ = true;
    return "Free space on current disk drive is low (" + std::to_string(*freeBytes) + " bytes).";
}

std::optional<std::string> IdleChecks::memoryCaption(uint64_t allocatedBytes) {
    if (allocatedBytes == lastShownTotal_) return std::nullopt;
    lastShownTotal_ = allocatedBytes;
    return std::to_string(allocatedBytes);
}

}  // namespace brisal
