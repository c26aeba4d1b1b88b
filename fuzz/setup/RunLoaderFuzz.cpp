// The run-file loader of the set-up program, and the round trip through its writer.
#include "FuzzFiles.h"
#include "LoaderRoundTrip.h"
#include "inputfiles/RunFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velkor;
    const std::string path =
        halvern::fuzz::WriteScratchFile("fuzz.run", halvern::fuzz::AsText(data, size));
    halvern::RecordingSink sink;
    TRunSpec spec;
    if (!LoadRunFile(path, spec, sink)) return 0;
    fuzz::CheckRoundTrip(
        "round.run", spec,
        [&sink](const std::string& p, TRunSpec& r) { return LoadRunFile(p, r, sink); },
        [](const TRunSpec& r) { return RunFileText(r); });
    return 0;
}
