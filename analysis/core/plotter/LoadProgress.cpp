#include "plotter/LoadProgress.h"

#include "ShortString.h"

namespace halvern {

std::string CountingText(int64_t lines) {
    return CutTo("Loading... please wait (" + std::to_string(lines) + " lines counted)", 60);
}

namespace {

std::string OfTotalText(int64_t records, int64_t total, const char* done) {
    return CutTo("Loading... please wait (" + std::to_string(records) + " of " +
                     std::to_string(total) + " records " + done + ")",
                 60);
}

}  // namespace

std::string ReadingText(int64_t records, int64_t total) {
    return OfTotalText(records, total, "read");
}

std::string FramingText(int64_t records, int64_t total) {
    return OfTotalText(records, total, "framed");
}

}  // namespace halvern
