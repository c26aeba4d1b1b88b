// Mean-square thermal vibration amplitudes of the lattice atoms from the Debye model, and the
// refusal of the values that the formula cannot take.
#pragma once

#include <optional>
#include <string>

#include "inputfiles/ModelSpec.h"

namespace velkor {

// Square Angstrom.
struct VibrationAmplitudes {
    double bulk = 0;
    double perpendicular = 0;  // surface atoms, along the normal
    double parallel = 0;       // surface atoms, in the surface plane
};

// Debye function Phi(x) as the model uses it (single precision).
float DebyePhi(float x);
// u^2 = (Phi(x)/x + 1/4) 145.53 / (M Theta) with x = Theta/T (Angstrom^2; amu, K).
float MeanSquareAmplitude(float theta, float temperature, float mass);

// The fields the amplitudes are computed from.
enum class VibrationField { Temperature, Mass, DebyeBulk, DebyePerpendicular, DebyeParallel };

struct VibrationRefusal {
    VibrationField field;
    std::string message;  // the conversion message of the field's text
};

// The first of temperature, mass and the three Debye temperatures (whole numbers) that does
// not convert or is not above 0; else the temperature (or a mass too small for single
// precision) when an amplitude would not be finite; none when the amplitudes can be computed.
std::optional<VibrationRefusal> FindVibrationRefusal(const TModelSpec& spec);

// The three amplitudes of a record that FindVibrationRefusal accepts.
VibrationAmplitudes ComputeVibrationAmplitudes(const TModelSpec& spec);

// "Mean root square amplitudes (in A):\r" b " (Bulk), " p " (Surf. Perp.), " q
// " (Surf. Parallel)." with the square roots to 3 decimals.
std::string AmplitudeBoxText(const VibrationAmplitudes& amplitudes);

}  // namespace velkor
