#include "potentials/MorseTable.h"

#include <cmath>

#include "Units.h"

namespace halvern {

double MorseEnergy(double D, double alpha, double r0, double r) {
    const double u = std::exp(-alpha * (r - r0));
    return D * (u * u - 2.0 * u);
}

double MorseForce(double twoDAlpha, double alpha, double r0, double r) {
    const double u = std::exp(alpha * (r0 - r));
    return twoDAlpha * (u * u - u) / r;
}

void FillMorseTable(std::vector<float>& table, double twoDAlpha, double alpha, double r0) {
    table.assign(kMorseTableSize, 0.0f);
    for (int32_t k = kMorseTableFirst; k <= kMorseTableLast; ++k) {
        const double r = k * kMorseTableStep;
        table[static_cast<size_t>(k - kMorseTableFirst)] =
            static_cast<float>(MorseForce(twoDAlpha, alpha, r0, r));
    }
}

bool SplineEndInsideMorseTable(double Rhigh) {
    // The look-up reads entries k and k + 1 with k = trunc(r x 6.173e13), so the first checked
    // point needs k + 1 <= 50000.
    const double first = Rhigh + 1e-11;
    return first * kMorseTableScale < kMorseTableLast;
}

bool CheckMorseTable(const std::vector<float>& table, double Rhigh, double Rc, double twoDAlpha,
                     double alpha, double r0, MessageSink& sink) {
    // Written as negations so that a non-finite radius is refused too.
    if (!(Rc <= 8e-10) || !(Rhigh >= 1e-10)) {
        sink.error(kMorseLimitsText);
        return false;
    }
    if (!SplineEndInsideMorseTable(Rhigh)) {
        sink.error(kSplineEndBeyondTableText);
        return false;
    }
    if (table.size() != static_cast<size_t>(kMorseTableSize)) {
        sink.error(kMorsePrecisionText);
        return false;
    }
    double r = Rhigh;
    for (;;) {
        r = r + 1e-11;
        const double exact = MorseForce(twoDAlpha, alpha, r0, r);
        const double err = std::fabs(exact - MorseTableLookup(table.data(), r)) * r *
                           units::EvPerJoule * units::Angstrom;
        if (!(err <= 0.001)) {
            sink.error(kMorsePrecisionText);
            return false;
        }
        if (r >= Rc - 2e-11) return true;
    }
}

}  // namespace halvern
