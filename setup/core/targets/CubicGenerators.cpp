#include "targets/GeneratorFrame.h"
#include "targets/SingleSpeciesGenerators.h"

namespace velkor {

namespace {

// A one-atom-a-site generator over site(a, m, i, n), a the lattice constant in single precision.
template <class Site>
bool GenerateOneAtomSites(const TTargetSpec& params, halvern::MessageSink& sink, Site&& site) {
    const SingleSpeciesInput in = ConvertTargetSpec(params, sink);
    const long double a = Single(in.a);
    return WriteOneAtomSites(params.FileName, sink, in.box, SingleOrigin(in),
                             SingleSpeciesColumns(in, params.Flags, params.Symbol),
                             [&](int32_t m, int32_t i, int32_t n) { return site(a, m, i, n); });
}

bool GenerateFcc(const TTargetSpec& params, halvern::MessageSink& sink, FccSurface surface) {
    return GenerateOneAtomSites(params, sink,
                                [surface](long double a, int32_t m, int32_t i, int32_t n) {
                                    return FccSite(surface, a, Single(a / kSqrt2), m, i, n);
                                });
}

}  // namespace

bool GenerateFcc100(const TTargetSpec& params, halvern::MessageSink& sink) {
    return GenerateFcc(params, sink, FccSurface::S100);
}

bool GenerateFcc110(const TTargetSpec& params, halvern::MessageSink& sink) {
    return GenerateFcc(params, sink, FccSurface::S110);
}

bool GenerateFcc111(const TTargetSpec& params, halvern::MessageSink& sink) {
    return GenerateFcc(params, sink, FccSurface::S111);
}

bool GenerateBcc100(const TTargetSpec& params, halvern::MessageSink& sink) {
    return GenerateOneAtomSites(params, sink, [](long double a, int32_t m, int32_t i, int32_t n) {
        return Bcc100Site(a, m, i, n);
    });
}

// Two atoms a site in a rectangular cell s by a, s = a x 1.414213562 held in double; odd layers
// are shifted by s/2 along x only.
bool GenerateBcc110(const TTargetSpec& params, halvern::MessageSink& sink) {
    const SingleSpeciesInput in = ConvertTargetSpec(params, sink);
    const long double a = Single(in.a);
    const long double s = Double(a * 1.414213562L);
    const SpeciesColumns atom = SingleSpeciesColumns(in, params.Flags, params.Symbol);
    return WritePairedSites(params.FileName, sink, in.box, SingleOrigin(in),
                            Offset{s / 2, a / 2, 0}, atom, atom,
                            [&](int32_t m, int32_t i, int32_t n) {
                                const long double p = IsOddLayer(n) ? 1 : 0;
                                return Offset{m * s + p * s / 2, i * a, n * a / 1.414213562L};
                            });
}

}  // namespace velkor
