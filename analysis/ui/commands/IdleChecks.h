// What the main window checks whenever it is idle: low free disk space (warned once a run) and
// the heap total of the memory display.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace brisal {

inline constexpr uint64_t kLowDiskBytes = 5000000;

class IdleChecks {
  public:
    // The warning's text the first time the free space is known to be below the limit.
    std::optional<std::string> lowDiskWarning(std::optional<uint64_t> freeBytes);
    // The memory display's new caption when the heap total has changed since it was shown.
    std::optional<std::string> memoryCaption(uint64_t allocatedBytes);

  private:
    bool lowDiskShown_ = false;
    uint64_t lastShownTotal_ = 0;
};

}  // namespace brisal
