// The projectile file reader on arbitrary bytes.
#include "FuzzFiles.h"
#include "input/ProjectileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace halvern;
    const std::string path = fuzz::WriteScratchFile("fuzz.prj", fuzz::AsText(data, size));
    RecordingHost host;
    TProjectileData projectile;
    ReadProjectileFile(path, projectile, host);
    return 0;
}
