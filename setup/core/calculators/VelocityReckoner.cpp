#include "calculators/VelocityReckoner.h"

#include <cmath>

#include "NumberText.h"
#include "text/TextConversions.h"

namespace velkor {

namespace {

constexpr long double kTwoJoulesPerKeV = 3.20438e-16L;
constexpr long double kKilogramsPerAmu = 1.66056e-27L;
constexpr long double kAngstromPerFsPerMetrePerS = 1e-5L;

}  // namespace

TReckoning ReckonVelocity(std::string_view energyText, std::string_view massText) {
    const long double E = TextToRealQuiet(energyText);
    const long double m = TextToRealQuiet(massText);
    if (!(E > 0) || !(m > 0)) return {"0.0", "?"};
    const long double v =
        std::sqrt(E * kTwoJoulesPerKeV / (m * kKilogramsPerAmu)) * kAngstromPerFsPerMetrePerS;
    TReckoning out{halvern::FormatFixed(v, 4, 5), "?"};
    // 0.1 Angstrom at v takes 1 / (10 v) fs.
    if (v > 1e-100L) out.timestep = halvern::FormatFixed(1 / (10 * v), 4, 5);
    return out;
}

}  // namespace velkor
