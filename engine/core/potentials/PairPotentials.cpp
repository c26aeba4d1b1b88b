#include "potentials/PairPotentials.h"

#include <algorithm>
#include <cmath>

#include "Colours.h"
#include "Units.h"
#include "miscutil.h"

namespace halvern {

namespace {

// Atomic numbers above this are left to the on-the-fly fit.
constexpr int32_t kPairTableMaxZ = 127;

constexpr double kEvPerAngstrom = 1e-10 * units::EvPerJoule;  // N to eV/A

// Step 10 with the Morse option 0: force at the cut-off, Fmin, the join, the table and its check.
bool PrepareMorse(const TPotentialInputs& in, TPairPotentials& pot, EngineHost& host) {
    pot.twoDAlpha = 2.0 * pot.D * pot.alpha;
    const double e = std::exp(pot.alpha * (pot.r0 - pot.Rc));
    pot.ForceAtCutoff = std::fabs(pot.twoDAlpha * (e * e - e));
    if (in.Verbose)
        LogLine(host,
                "  Force at cut-off distance: " + RealToText8(pot.ForceAtCutoff * kEvPerAngstrom) +
                    " eV/A",
                colour::Blue);
    switch (in.MinForce) {
        case 1:
            pot.Fmin = 0.1 * pot.ForceAtCutoff;
            break;
        case 2:
            pot.Fmin = 0.01 * pot.ForceAtCutoff;
            break;
        default:
            pot.Fmin = 0;
            break;
    }
    if (in.Verbose)
        LogLine(host,
                "  Minimum force parameter: " + RealToText8(pot.Fmin * kEvPerAngstrom) + " eV/A",
                colour::Blue);
    double* c = pot.SplineCoefficients;
    if (!FitPotentialSpline(static_cast<int16_t>(in.targetZ), static_cast<int16_t>(in.targetZ),
                            static_cast<int16_t>(pot.ttKind), pot.aTT, pot.Rlow, pot.Rhigh, pot.D,
                            pot.alpha, pot.r0, c[0], c[1], c[2], c[3], &host.sink()))
        return false;
    FillMorseTable(pot.MorseTable, pot.twoDAlpha, pot.alpha, pot.r0);
    return CheckMorseTable(pot, host.sink());
}

void ClearMorse(TPairPotentials& pot) {
    pot.Rlow = 2.0 * pot.Rc;
    pot.Rhigh = 3.0 * pot.Rc;
    pot.twoDAlpha = 0;
    pot.ForceAtCutoff = 0;
    pot.Fmin = 0;
    std::fill(std::begin(pot.SplineCoefficients), std::end(pot.SplineCoefficients), 0.0);
}

double Quotient(double b, double a) {
    return a != 0 ? b / a : 0.0;
}

}  // namespace

bool PreparePotentials(const TPotentialInputs& in, TPairPotentials& pot, EngineHost& host) {
    bool ok = true;
    pot.ptKind = in.ptKind;
    pot.ptFactor = in.ptFactor;
    pot.ttKind = in.ttKind;
    pot.ttFactor = in.ttFactor;
    pot.MorseOption = in.MorseOption;
    pot.D = in.D;
    pot.alpha = in.alpha;
    pot.r0 = in.r0;
    pot.Rlow = in.Rlow;
    pot.Rhigh = in.Rhigh;
    pot.Rc = in.Rc;
    pot.MorseTable.clear();

    if (!ScreeningLengthOfKind(in.ptKind, in.targetZ, in.projectileZ, in.ptFactor, pot.aPT)) {
        LogLine(host, "  Error in heteronuclear screening length.", colour::Red);
        ok = false;
    }
    if (!ScreeningLengthOfKind(in.ttKind, in.targetZ, in.targetZ, in.ttFactor, pot.aTT)) {
        LogLine(host, "  Error in homonuclear screening length.", colour::Red);
        ok = false;
    }
    switch (in.MorseOption) {
        case 0:
            if (!PrepareMorse(in, pot, host)) ok = false;
            break;
        case 1:
            ClearMorse(pot);
            break;
        default:
            LogLine(host, "  Error in Morse option.", colour::Red);
            ok = false;
            break;
    }
    for (int k = 0; k < 7; ++k) {
        pot.ReducedExponents[k] = Quotient(kScreeningExponents[k], pot.aPT);
        pot.ReducedExponents[7 + k] = Quotient(kScreeningExponents[k], pot.aTT);
    }
    return ok;
}

void PreparePairTables(TPairPotentials& pot, const int32_t* Z, int32_t N) {
    TPairTable& t = pot.pairs;
    std::vector<int32_t> present;
    for (int32_t i = 0; i <= N; ++i)
        if (Z[i] >= 0 && Z[i] <= kPairTableMaxZ &&
            std::find(present.begin(), present.end(), Z[i]) == present.end())
            present.push_back(Z[i]);
    t.zMax = present.empty() ? -1 : *std::max_element(present.begin(), present.end());
    const size_t side = static_cast<size_t>(t.zMax + 1);
    t.ready.assign(side * side, 0);
    t.spline.assign(side * side * 4, 0.0);
    t.betaPT.assign(side * side * 4, 0.0);
    t.betaTT.assign(side * side * 4, 0.0);
    for (int32_t zi : present)
        for (int32_t zj : present) {
            const size_t e = static_cast<size_t>(zi) * side + static_cast<size_t>(zj);
            const double aPT = ZblScreeningLength(zi, zj, pot.ptFactor);
            const double aTT = ZblScreeningLength(zi, zj, pot.ttFactor);
            for (int k = 0; k < 4; ++k) {
                t.betaPT[e * 4 + k] = kScreeningExponents[k] / aPT;
                t.betaTT[e * 4 + k] = kScreeningExponents[k] / aTT;
            }
            double* c = &t.spline[e * 4];
            FitPotentialSpline(static_cast<int16_t>(zi), static_cast<int16_t>(zj),
                               static_cast<int16_t>(pot.ttKind), aTT, pot.Rlow, pot.Rhigh, pot.D,
                               pot.alpha, pot.r0, c[0], c[1], c[2], c[3], nullptr);
            t.ready[e] = 1;
        }
}

}  // namespace halvern
