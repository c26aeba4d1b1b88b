#include "processes/ProcessHost.h"

#include "ShortString.h"

namespace halvern {

std::string ProgressText(int64_t records) {
    return CutTo("Working... please wait (" + std::to_string(records) + " records processed)", 60);
}

void RecordingProcessHost::statusText(const std::string& text) {
    events.push_back("status: " + text);
    ++statusCount;
}

void RecordingProcessHost::pumpEvents() {
    events.push_back("pump");
    ++pumps;
    if (onPump) onPump(*this);
}

}  // namespace halvern
