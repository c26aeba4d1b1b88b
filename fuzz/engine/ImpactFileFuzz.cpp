// The impact-point file: the check before allocation and the line reader of the impact loop,
// which must agree on every line.
#include <cstdlib>

#include "FuzzFiles.h"
#include "input/ImpactFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace halvern;
    const TextReader file{std::string(fuzz::AsText(data, size))};
    RecordingHost host;
    const bool accepted = CheckImpactFile(file, "fuzz.imp", host);
    TextReader in = file;
    TImpactLine line;
    int points = 0;
    bool allGood = true;
    while (NextImpactLine(in, line)) {
        ++points;
        if (!CheckImpactLine(line, "fuzz.imp", host)) allGood = false;
    }
    if (accepted != (allGood && points > 0)) std::abort();
    return 0;
}
