// "ostrel.cfg": loaded at start-up from arbitrary bytes; a record that loads must save and load
// back to the same options.
#include <cstdlib>

#include "FuzzFiles.h"
#include "host/SimulationOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace halvern;
    const std::string path = fuzz::WriteScratchFile("ostrel.cfg", fuzz::AsText(data, size));
    TSimulationOptions options;
    if (!LoadOptionsAtStartUp(path, options)) return 0;
    RecordingSink sink;
    if (!SaveSimulationOptions(path, options, sink)) std::abort();
    TSimulationOptions again;
    if (!LoadOptionsAtStartUp(path, again) || !(again == options)) std::abort();
    return 0;
}
