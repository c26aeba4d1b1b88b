// The impact-file loader of the set-up program: what it accepts fits the record's fields and
// converts back to numbers.
#include <cstdlib>

#include "FuzzFiles.h"
#include "NumberText.h"
#include "inputfiles/ImpactFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velkor;
    const std::string path =
        halvern::fuzz::WriteScratchFile("fuzz.imp", halvern::fuzz::AsText(data, size));
    halvern::RecordingSink sink;
    TImpactSpec spec;
    if (!LoadImpFile(path, spec, sink)) return 0;
    for (const ShortText<8>* text :
         {&spec.BxMin, &spec.BxMax, &spec.ByMin, &spec.ByMax, &spec.Z0}) {
        long double value = 0;
        if (!halvern::ParseReal(text->str(), value)) std::abort();
    }
    if (spec.Density > kWeightedDensity) std::abort();
    return 0;
}
