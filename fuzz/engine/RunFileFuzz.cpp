// The run file reader and, for a file it accepts, the parameter report.
#include "FuzzFiles.h"
#include "FuzzRun.h"
#include "input/RunFile.h"
#include "run/RunInputs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace halvern;
    const std::string path = fuzz::WriteScratchFile("fuzz.run", fuzz::AsText(data, size));
    fuzz::FuzzRun run;
    if (ReadRunFile(path, run.rs) != 0) return 0;
    ReportRunParameters(18, "Ar", 13, 1.0, 39.948, run.rs);
    return 0;
}
