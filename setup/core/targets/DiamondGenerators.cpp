// The diamond structure as the FCC site net of the same surface with a partner beside every
// FCC atom; a, the derived lengths, the mass and the origin are held in single precision.
#include <cmath>

#include "targets/GeneratorFrame.h"
#include "targets/SingleSpeciesGenerators.h"

namespace velkor {

namespace {

using PartnerOffset = Offset (*)(long double a, long double d);

bool GenerateDiamond(const TTargetSpec& params, halvern::MessageSink& sink, FccSurface surface,
                     PartnerOffset partner) {
    const SingleSpeciesInput in = ConvertTargetSpec(params, sink);
    const long double a = Single(in.a);
    const long double d = Single(a / kSqrt2);
    const SpeciesColumns atom = SingleSpeciesColumns(in, params.Flags, params.Symbol);
    return WritePairedSites(
        params.FileName, sink, in.box, SingleOrigin(in), partner(a, d), atom, atom,
        [&](int32_t m, int32_t i, int32_t n) { return FccSite(surface, a, d, m, i, n); });
}

Offset Partner100(long double a, long double /*d*/) {
    const long double q = Single(a * 0.25L);
    const long double e = Single(q * std::sin(kPi / 4) + q * std::cos(kPi / 4));
    return {0, -e, -q};
}

Offset Partner110(long double a, long double d) {
    return {Single(a * 0.25L), Single(d * 0.5L), 0};
}

Offset Partner111(long double a, long double d) {
    const long double h = Single(d * 0.5L);
    const long double t = Single(std::sin(kPi / 3) * d * (1.0L / 3));
    const long double g = Single(a * -kInvSqrt3 * 0.25L);  // below its FCC atom
    return {h, t, g};
}

}  // namespace

bool GenerateDiamond100(const TTargetSpec& params, halvern::MessageSink& sink) {
    return GenerateDiamond(params, sink, FccSurface::S100, Partner100);
}

bool GenerateDiamond110(const TTargetSpec& params, halvern::MessageSink& sink) {
    return GenerateDiamond(params, sink, FccSurface::S110, Partner110);
}

bool GenerateDiamond111(const TTargetSpec& params, halvern::MessageSink& sink) {
    return GenerateDiamond(params, sink, FccSurface::S111, Partner111);
}

}  // namespace velkor
