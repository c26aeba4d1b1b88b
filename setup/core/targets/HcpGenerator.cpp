#include "targets/GeneratorFrame.h"
#include "targets/SingleSpeciesGenerators.h"

namespace velkor {

// a1, a3, the mass, the origin and the layer offsets are held in single precision.
bool GenerateHcp0001(const THexTargetSpec& params, halvern::MessageSink& sink) {
    const SingleSpeciesInput in = ConvertHexTargetSpec(params, sink);
    const long double a1 = Single(in.a);
    const long double a3 = Single(in.a3);
    return WriteOneAtomSites(
        params.FileName, sink, in.box, SingleOrigin(in),
        SingleSpeciesColumns(in, params.Flags, params.Symbol),
        [&](int32_t m, int32_t i, int32_t n) { return Hcp0001Site(a1, a3, m, i, n); });
}

}  // namespace velkor
