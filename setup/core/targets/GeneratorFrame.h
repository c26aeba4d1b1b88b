// What every target generator shares: the record's texts as numbers, the order in which the
// sites are written, the count of lines, and the checked file around the atom lines.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "MessageSink.h"
#include "targets/LatticeSites.h"
#include "targets/TargetFileWriter.h"
#include "targets/TargetSpec.h"

namespace velkor {

// Half-widths X, Y (sites run from -X to X) and the number of layers L.
struct LatticeBox {
    int32_t X = 0, Y = 0, L = 0;
};

// The value as the generators hold it in a 32-bit or 64-bit real. Values beyond the range become
// infinite rather than undefined.
long double Single(long double value);
long double Double(long double value);

struct SingleSpeciesInput {
    long double a = 0;   // lattice constant (a1 for hcp)
    long double a3 = 0;  // hcp only
    int32_t AtomicNumber = 0;
    long double Mass = 0;
    LatticeBox box;
    long double x0 = 0, y0 = 0, z0 = 0;
};

struct TwoSpeciesInput {
    long double Mass1 = 0, Mass2 = 0;
    int32_t AtomicNumber1 = 0, AtomicNumber2 = 0;
    long double a = 0;
    LatticeBox box;
    long double x0 = 0, y0 = 0, z0 = 0;
};

// The record's fields in record order; a field that does not convert shows its conversion
// message and counts as 0.
SingleSpeciesInput ConvertTargetSpec(const TTargetSpec& params, halvern::MessageSink& sink);
SingleSpeciesInput ConvertHexTargetSpec(const THexTargetSpec& params, halvern::MessageSink& sink);
TwoSpeciesInput ConvertTwoSpeciesSpec(const TTwoSpeciesTargetSpec& params,
                                      halvern::MessageSink& sink);

// Calls site(m, i, n) for n = 0, -1, ..., -(L-1) (outermost), m = X..-X, i = Y..-Y (innermost),
// leaving out (0, 0, 0), which the header holds.
template <class Site>
void ForEachSite(const LatticeBox& box, Site&& site) {
    for (int32_t n = 0; n > -box.L; --n)
        for (int32_t m = box.X; m >= -box.X; --m)
            for (int32_t i = box.Y; i >= -box.Y; --i)
                if (m != 0 || i != 0 || n != 0) site(m, i, n);
}

inline bool IsOddLayer(int32_t n) {
    return n % 2 != 0;
}

// Lines a generator writes: the header's atoms alone, or the header plus every other site.
int64_t TargetLineCount(const LatticeBox& box, int atomsPerSite);
// The count shown beside the dialogs' dimensions (the texts converted quietly: a bad text is 0).
int64_t TargetLineCount(std::string_view x, std::string_view y, std::string_view layers,
                        int atomsPerSite);

inline constexpr long double kSqrt2 = 1.41421356237309504880L;
inline constexpr long double kPi = 3.14159265358979323846L;

// The origin atom's position held in single precision, as the one-species generators hold it.
inline Offset SingleOrigin(const SingleSpeciesInput& in) {
    return {Single(in.x0), Single(in.y0), Single(in.z0)};
}

// The columns of a one-species file's lines: Z, the mass in single precision, flags, symbol.
inline SpeciesColumns SingleSpeciesColumns(const SingleSpeciesInput& in, uint8_t flags,
                                           std::string_view symbol) {
    return SpeciesColumns(in.AtomicNumber, Single(in.Mass), flags, symbol);
}

inline void PutAtom(TargetFileWriter& out, const Offset& p, const SpeciesColumns& species) {
    out.atom(p.x, p.y, p.z, species);
}

// Creates the file, lets `body` write the atoms and puts the file in place; on failure shows
// "Error writing output file." and returns false.
bool WriteTargetFile(const std::string& path, halvern::MessageSink& sink,
                     const std::function<void(TargetFileWriter&)>& body);

}  // namespace velkor

namespace velkor {

// One atom a site: the origin atom, then site(m, i, n) relative to it for every other site.
template <class Site>
bool WriteOneAtomSites(const std::string& path, halvern::MessageSink& sink, const LatticeBox& box,
                       const Offset& origin, const SpeciesColumns& atom, Site&& site) {
    return WriteTargetFile(path, sink, [&](TargetFileWriter& out) {
        PutAtom(out, origin, atom);
        ForEachSite(box, [&](int32_t m, int32_t i, int32_t n) {
            PutAtom(out, origin + site(m, i, n), atom);
        });
    });
}

// Two atoms a site, the second at `partner` from the first; the origin site is the header.
template <class Site>
bool WritePairedSites(const std::string& path, halvern::MessageSink& sink, const LatticeBox& box,
                      const Offset& origin, const Offset& partner, const SpeciesColumns& first,
                      const SpeciesColumns& second, Site&& site) {
    return WriteTargetFile(path, sink, [&](TargetFileWriter& out) {
        PutAtom(out, origin, first);
        PutAtom(out, origin + partner, second);
        ForEachSite(box, [&](int32_t m, int32_t i, int32_t n) {
            const Offset p = origin + site(m, i, n);
            PutAtom(out, p, first);
            PutAtom(out, p + partner, second);
        });
    });
}

}  // namespace velkor
