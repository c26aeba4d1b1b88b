#include "targets/TwoSpeciesBuilders.h"

#include <cmath>

#include "targets/GeneratorFrame.h"

namespace velkor {

namespace {

// The builders hold a, the masses and the origin in double precision.
struct TwoSpecies {
    TwoSpeciesInput in;
    long double a;
    Offset origin;
    SpeciesColumns type1, type2;
};

TwoSpecies Convert(const TTwoSpeciesTargetSpec& params, halvern::MessageSink& sink) {
    const TwoSpeciesInput in = ConvertTwoSpeciesSpec(params, sink);
    return {in,
            Double(in.a),
            {Double(in.x0), Double(in.y0), Double(in.z0)},
            SpeciesColumns(in.AtomicNumber1, Double(in.Mass1), params.Flags, params.Symbol1),
            SpeciesColumns(in.AtomicNumber2, Double(in.Mass2), params.Flags, params.Symbol2)};
}

}  // namespace

// One atom a grid point of spacing a/2; the species alternates with i + j + k.
bool BuildRockSalt100(const TTwoSpeciesTargetSpec& params, halvern::MessageSink& sink) {
    const TwoSpecies c = Convert(params, sink);
    const long double h = Double(c.a * 0.5L);
    return WriteTargetFile(params.FileName, sink, [&](TargetFileWriter& out) {
        PutAtom(out, c.origin, c.type1);
        ForEachSite(c.in.box, [&](int32_t i, int32_t j, int32_t k) {
            const SpeciesColumns& species = (i + j + k) % 2 == 0 ? c.type1 : c.type2;
            PutAtom(out, c.origin + Offset{i * h, j * h, k * h}, species);
        });
    });
}

// The diamond (110) geometry with species; d, q and h are held in single precision.
bool BuildSphalerite110(const TTwoSpeciesTargetSpec& params, halvern::MessageSink& sink) {
    const TwoSpecies c = Convert(params, sink);
    const long double d = Single(c.a / kSqrt2);
    const Offset partner{Single(c.a * 0.25L), Single(d * 0.5L), 0};
    return WritePairedSites(params.FileName, sink, c.in.box, c.origin, partner, c.type1, c.type2,
                            [&](int32_t m, int32_t i, int32_t n) {
                                return FccSite(FccSurface::S110, c.a, d, m, i, n);
                            });
}

// The diamond (100) geometry with species, all lengths in double precision.
bool BuildSphalerite100(const TTwoSpeciesTargetSpec& params, halvern::MessageSink& sink) {
    const TwoSpecies c = Convert(params, sink);
    const long double q = Double(c.a * 0.25L);
    const long double e = Double(q * std::sin(kPi / 4) + q * std::cos(kPi / 4));
    const long double d = Double(c.a / kSqrt2);
    return WritePairedSites(params.FileName, sink, c.in.box, c.origin, Offset{0, -e, -q}, c.type1,
                            c.type2, [&](int32_t m, int32_t i, int32_t n) {
                                return FccSite(FccSurface::S100, c.a, d, m, i, n);
                            });
}

}  // namespace velkor
