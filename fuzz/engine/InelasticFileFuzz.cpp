// The inelastic file reader with every model selected, so that each table is read and checked.
#include "FuzzFiles.h"
#include "input/InelasticFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace halvern;
    const std::string path = fuzz::WriteScratchFile("fuzz.inl", fuzz::AsText(data, size));
    RecordingHost host;
    TSimulationOptions options;
    options.LssModel = options.OenRobinsonModel = options.ShapiroTombrelloModel = 1;
    TInelasticParameters params;
    ReadInelasticFile(path, params, options, host);
    return 0;
}
