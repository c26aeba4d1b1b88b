// The prepared pair potentials of a run: screening lengths, reduced exponents, Morse
// parameters, the spline join, the cut-off and the Morse force table. Made once when the model
// file is read; the force loops only read them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ScreenedCoulomb.h"
#include "Spline.h"
#include "host/EngineHost.h"
#include "potentials/MorseTable.h"

namespace halvern {

// Spline coefficients and screening of one pair of atomic numbers in a complex target, fitted
// once before the trajectories (PreparePairTables) so that no fit runs inside a step.
struct TPairTable {
    int32_t zMax = -1;           // entries cover Z 0..zMax; -1 while not prepared
    std::vector<uint8_t> ready;  // (zMax + 1)^2, 1 where the entry is filled
    std::vector<double> spline;  // 4 per entry: a0..a3 of the pair's own fit
    std::vector<double> betaPT;  // 4 per entry: b_k / a of ZBL with the P-T factor
    std::vector<double> betaTT;  // 4 per entry: b_k / a of ZBL with the T-T factor

    int32_t index(int32_t Zi, int32_t Zj) const {
        if (Zi < 0 || Zj < 0 || Zi > zMax || Zj > zMax) return -1;
        const int32_t e = Zi * (zMax + 1) + Zj;
        return ready[static_cast<size_t>(e)] ? e : -1;
    }
};

struct TPairPotentials {
    // Projectile-target and target-target kinds (0 ZBL, 1 Moliere-Lindhard, 2 Moliere-Firsov),
    // correction factors and screening lengths (m).
    int32_t ptKind = 0;
    double ptFactor = 1;
    double aPT = 0;
    int32_t ttKind = 0;
    double ttFactor = 1;
    double aTT = 0;
    // b_k / a_PT for the seven exponents of kScreeningExponents, then b_k / a_TT (1/m): entries
    // 0..3 and 7..10 are the four-term exponents, 4..6 and 11..13 the three-term ones.
    double ReducedExponents[14] = {};

    int32_t MorseOption = 0;  // 0 Morse, 1 repulsive only
    double D = 0;             // J
    double alpha = 0;         // 1/m
    double r0 = 0;            // m
    double twoDAlpha = 0;     // 2 D alpha, N
    double Rlow = 0;          // spline radii, m
    double Rhigh = 0;
    double SplineCoefficients[4] = {};  // a0..a3: J, J/m, J/m^2, J/m^3
    double Rc = 0;                      // cut-off radius, m
    double ForceAtCutoff = 0;           // |Morse force| at Rc, N
    double Fmin = 0;                    // HGE minimum force, N
    std::vector<float> MorseTable;      // empty while absent

    uint8_t ComplexTarget = 0;
    TPairTable pairs;  // complex targets only

    const double* betaPT4() const { return ReducedExponents; }
    const double* betaPT3() const { return ReducedExponents + 4; }
    const double* betaTT4() const { return ReducedExponents + 7; }
    const double* betaTT3() const { return ReducedExponents + 11; }
};

// The values of the model and run files from which the potentials are prepared (SI units).
struct TPotentialInputs {
    int32_t ptKind = 0;       // model line 1
    double ptFactor = 1;      // line 2
    int32_t ttKind = 0;       // line 3
    double ttFactor = 1;      // line 4
    int32_t MorseOption = 0;  // line 5
    double D = 0;             // line 6, J
    double alpha = 0;         // line 7, 1/m
    double r0 = 0;            // line 8, m
    double Rlow = 0;          // line 9, m
    double Rhigh = 0;         // line 10, m
    double Rc = 0;            // run file line 9, m
    int32_t projectileZ = 0;
    int32_t targetZ = 0;   // target atom 1
    int32_t MinForce = 1;  // option: 0 none, 1 a tenth, 2 a hundredth of the force at Rc
    bool Verbose = false;
};

// The model reader's preparation of the potentials, in its order: the P-T screening length
// (red "  Error in heteronuclear screening length." for a kind outside 0..2), the T-T one (red
// "  Error in homonuclear screening length."), then by the Morse option: 0 the force at the
// cut-off and Fmin (logged in blue when Verbose), the spline fit, the Morse table and its check;
// 1 spline radii 2 Rc and 3 Rc with no spline, no Morse force and no table; other values red
// "  Error in Morse option.". Last the reduced exponents. Every step runs; the result is false
// when any failed. Boxes go to the host's sink, lines to its log.
bool PreparePotentials(const TPotentialInputs& in, TPairPotentials& pot, EngineHost& host);

// Fits the pair splines and pair screening of a complex target for every pair of atomic numbers
// among Z[0..N] (call once ComplexTarget is known). Without it the pair routines fit on the fly.
void PreparePairTables(TPairPotentials& pot, const int32_t* Z, int32_t N);

// The model-level checks of the table, on the prepared values.
inline bool CheckMorseTable(const TPairPotentials& pot, MessageSink& sink) {
    return CheckMorseTable(pot.MorseTable, pot.Rhigh, pot.Rc, pot.twoDAlpha, pot.alpha, pot.r0,
                           sink);
}
inline double MorseTableLookup(const TPairPotentials& pot, double r) {
    return MorseTableLookup(pot.MorseTable.data(), r);
}

}  // namespace halvern
