// The model file: the values read ahead of the run and their checks under every option that
// selects which of them the run uses.
#include "FuzzFiles.h"
#include "input/ModelFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace halvern;
    const std::string path = fuzz::WriteScratchFile("fuzz.mdl", fuzz::AsText(data, size));
    TModelParameters model;
    if (!ReadModelFileAhead(path, model)) return 0;
    RecordingHost host;
    TSimulationOptions options;
    for (uint8_t hot = 0; hot < 2; ++hot) {
        options.HotTarget = hot;
        CheckModelValues(model, options, path, host);
    }
    return 0;
}
