// The inelastic-file loader of the set-up program, the dialog's table operations on what it
// accepts, and the round trip through the writer.
#include <cstdlib>

#include "FuzzFiles.h"
#include "LoaderRoundTrip.h"
#include "inputfiles/InelasticFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velkor;
    const std::string path =
        halvern::fuzz::WriteScratchFile("fuzz.inl", halvern::fuzz::AsText(data, size));
    TInelasticSpec spec;
    if (!LoadInlFile(path, spec)) return 0;
    // Loaded cells always convert: the close check has nothing to say.
    if (!CheckInelasticTables(spec).empty()) std::abort();
    fuzz::CheckRoundTrip(
        "round.inl", spec,
        [](const std::string& p, TInelasticSpec& r) { return LoadInlFile(p, r); },
        [](const TInelasticSpec& r) { return InelasticFileText(r); });
    InelasticTable& table = spec.ShapiroTombrello;
    AddRow(table);
    ClearRow(table, table.rows.size() / 2);
    SanitiseTable(table);
    return 0;
}
