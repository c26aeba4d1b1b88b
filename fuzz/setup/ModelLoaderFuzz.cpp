// The model-file loader of the set-up program, the model dialog's computations on what it
// accepts, and the round trip through the writer.
#include "FuzzFiles.h"
#include "LoaderRoundTrip.h"
#include "inputfiles/ModelChecks.h"
#include "inputfiles/ModelFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velkor;
    const std::string path =
        halvern::fuzz::WriteScratchFile("fuzz.mdl", halvern::fuzz::AsText(data, size));
    halvern::RecordingSink sink;
    TModelSpec spec;
    if (!LoadMdlFile(path, spec, sink)) return 0;
    VibrationAmplitudes amplitudes;
    if (!FindVibrationRefusal(spec)) amplitudes = ComputeVibrationAmplitudes(spec);
    CheckModelValues(spec, sink);
    fuzz::CheckRoundTrip(
        "round.mdl", spec,
        [&sink](const std::string& p, TModelSpec& r) { return LoadMdlFile(p, r, sink); },
        [&amplitudes](const TModelSpec& r) { return ModelFileText(r, amplitudes); });
    return 0;
}
