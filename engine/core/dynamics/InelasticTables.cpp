#include "dynamics/InelasticTables.h"

#include <algorithm>

namespace halvern {

double LssLookup(const TInelasticParameters& params, int32_t Z) {
    for (const TLssEntry& e : params.lss)
        if (e.Z1 == Z) return e.K;
    return 0;
}

double OrLookup(const TInelasticParameters& params, int64_t Z1Z2) {
    for (const TOrEntry& e : params.oenRobinson)
        if (e.Z1Z2 == Z1Z2) return e.K;
    return 0;
}

TStEntry StLookup(const TInelasticParameters& params, int64_t Z1Z2) {
    for (const TStEntry& e : params.shapiroTombrello)
        if (e.Z1Z2 == Z1Z2) return e;
    return TStEntry{};
}

int32_t PromotedElectrons(int32_t trials, int32_t Nmax, double prob, UniformRandom& random) {
    if (prob == 1.0) return std::min(trials, Nmax);
    int32_t count = 0;
    for (int32_t k = 0; k < trials; ++k) {
        if (count == Nmax) break;
        if (random() < prob) ++count;
    }
    return count;
}

}  // namespace halvern
