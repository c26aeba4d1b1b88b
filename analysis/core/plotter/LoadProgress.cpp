#include "plotter/LoadProgress.h"

#include "ShortString.h"

namespace halvern {

std::string CountingText(int64_t lines) {
    return CutTo("Loading... please wait (" + std::to_string(lines) + " lines counted)", 60);
}

std::string ReadingText(int64_t records, int64_t total) {
    return CutTo("Loading... please wait (" + std::to_string(records) + " of " +
                     std::to_string(total) + " records read)",
                 60);
}

}  // namespace halvern
