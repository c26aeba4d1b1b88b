// The projectile-file loader of the set-up program, and the round trip through its writer.
#include "FuzzFiles.h"
#include "LoaderRoundTrip.h"
#include "inputfiles/ProjectileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velkor;
    const std::string path =
        halvern::fuzz::WriteScratchFile("fuzz.prj", halvern::fuzz::AsText(data, size));
    TProjectileSpec spec;
    if (!LoadPrjFile(path, spec)) return 0;
    halvern::RecordingSink sink;
    fuzz::CheckRoundTrip(
        "round.prj", spec,
        [](const std::string& p, TProjectileSpec& r) { return LoadPrjFile(p, r); },
        [&sink](const TProjectileSpec& r) { return ProjectileFileText(r, sink); });
    return 0;
}
