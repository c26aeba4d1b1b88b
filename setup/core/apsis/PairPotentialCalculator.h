// The pair-potential and apsis window's computation: its fields, the evaluation of the potential,
// the centre-of-mass energy and the apsis from the texts typed, and the three chart series.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "MessageSink.h"
#include "apsis/PairPotential.h"
#include "text/FieldSpec.h"
#include "text/ShortText.h"

namespace velkor {

inline constexpr RealFieldSpec kZ1Field{1e-06L, 1000.0L, 7, "18"};
inline constexpr RealFieldSpec kZ2Field{1e-06L, 1000.0L, 7, "29"};
inline constexpr RealFieldSpec kDistanceField{1e-06L, 100000.0L, 10, "1.0"};
inline constexpr RealFieldSpec kCorrectionField{0.1L, 2.0L, 10, "1.0"};
inline constexpr RealFieldSpec kM1Field{1e-06L, 1000000.0L, 0, "39.948"};
inline constexpr RealFieldSpec kM2Field{1e-06L, 1000000.0L, 0, "63.546"};
inline constexpr RealFieldSpec kImpactParameterField{0.0L, 5.0L, 0, "0.1"};
inline constexpr RealFieldSpec kLabEnergyField{1e-06L, 10000000000.0L, 0, "1000"};

inline constexpr std::array<const char*, kPairPotentialKinds> kPairPotentialKindNames = {
    "ZBL", "Moliere-Lindhard", "Moliere-Firsov"};

inline constexpr const char* kParameterRangeErrorText =
    "Parameter range error - cannot evaluate potential.";

// The window's texts as typed.
struct TPairPotentialInput {
    ShortText<10> distance = kDistanceField.text;
    ShortText<10> correction = kCorrectionField.text;
    std::string Z1 = kZ1Field.text, Z2 = kZ2Field.text;
    std::string M1 = kM1Field.text, M2 = kM2Field.text;
    std::string impactParameter = kImpactParameterField.text;
    std::string labEnergy = kLabEnergyField.text;
    int32_t kind = 0;
};

// The read-outs: potential (eV, at most 10 characters), apsis and COM energy (x:1:6), and the
// screening-length label. The apsis is empty when the solver found none.
struct TPairPotentialOutput {
    std::string potential, apsis, comEnergy, screeningLabel;
};

// Evaluates the potential at the distance, the COM energy and the apsis. Texts that are no
// numbers are reported; r, c, Z1, Z2, m1, m2 and E must be > 0 and p >= 0, else the range
// message. False, with the output untouched, when the evaluation was refused; a solver message
// (outside range, not converged) leaves the apsis empty.
bool EvaluatePairPotential(const TPairPotentialInput& in, TPairPotentialOutput& out,
                           halvern::MessageSink& sink);

// The chart's three series (ZBL, Moliere-Lindhard, Moliere-Firsov) from the correction and the
// atomic numbers, or none when those do not give a potential (no number, or not > 0).
std::optional<std::array<std::vector<TPotentialPoint>, kPairPotentialKinds>> PlotPotentials(
    const TPairPotentialInput& in);

}  // namespace velkor
