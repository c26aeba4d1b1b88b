// The composite target-target potential: the engine's spline join between the screened-Coulomb
// repulsion and the Morse potential, its coefficients as text, and the two SplineDataFiles that
// the potential graphs plot.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "MessageSink.h"

namespace velkor {

// One fit, in SI units (m, J, 1/m).
struct TCompositeParams {
    int16_t Z1 = 29;
    int16_t Z2 = 29;
    int16_t kind = 1;
    double a = 0;      // screening length, with its correction
    double Rlow = 0;   // spline from here ...
    double Rhigh = 0;  // ... to here
    double D = 0;
    double alpha = 0;
    double r0 = 0;
};

struct TSplineCoefficients {
    double c[4] = {};  // a0 .. a3, SI
};

// The full paths of the two files of the last composite (the program-wide SplinePotentialPath
// and SplineForcePath).
struct TCompositeFiles {
    std::string potentialPath;
    std::string forcePath;
};

inline constexpr const char* kCompositeRangeErrorText =
    "Error in spline range parameters ( r2 <= r1 )";

// Radii of the files (m): from the smaller of 0.8 Rlow and 2 Angstrom in steps of 0.01 Angstrom,
// accumulated by addition, while r < 2 Rhigh.
std::vector<double> CompositeRadii(double Rlow, double Rhigh);

// The file contents: V(r) in eV, or -dV/dr in eV per Angstrom, piece by piece (repulsion up to
// Rlow, the cubic between, Morse from Rhigh).
std::string CompositePotentialText(const TCompositeParams& p, const TSplineCoefficients& s);
std::string CompositeForceText(const TCompositeParams& p, const TSplineCoefficients& s);

// The box that shows the coefficients and asks "View now?" (CR separates its lines).
std::string CoefficientBoxText(const TSplineCoefficients& s);

// The engine's fit of the join. False, with its message, for a range with Rhigh <= Rlow (or not
// within 0 .. 100 Angstrom) and for a kind outside 0..2.
bool FitComposite(const TCompositeParams& p, TSplineCoefficients& s, halvern::MessageSink& sink);

// Fits the join, writes POTENTL.SPL and then FORCE.SPL into `directory` and, when both are
// written, shows the coefficients and asks whether to view them. True only for Yes. A range
// or kind the fit cannot take is reported before anything is written; a file that cannot be
// written gives "Cannot create <path>." and no further file.
bool SplineComposite(const TCompositeParams& p, const std::string& directory,
                     TCompositeFiles& files, halvern::MessageSink& sink);

// What the model dialog hands over: the target-target kind and its texts as typed (Angstrom,
// eV, 1/Angstrom) and the target atomic number.
struct TCompositeRequest {
    int32_t Z = 29;
    int32_t kind = 1;
    std::string correction = "0.890869";
    std::string D = "0.480";
    std::string alpha = "1.405";
    std::string r0 = "2.628";
    std::string low = "1.5";
    std::string high = "2.1";
};

inline constexpr const char* kCompositeKindErrorText = "Error in projectile-target SC potential";

// The fit's parameters in SI: the screening length of two atoms of number Z for the kind, with
// the correction. False, with the kind message, for a kind outside 0..2; a text that is
// no number gives its conversion message and counts 0.
bool CompositeParamsOf(const TCompositeRequest& request, TCompositeParams& p,
                       halvern::MessageSink& sink);

}  // namespace velkor
