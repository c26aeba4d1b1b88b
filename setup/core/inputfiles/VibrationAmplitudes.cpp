#include "inputfiles/VibrationAmplitudes.h"

#include <cmath>

#include "NumberText.h"

namespace velkor {

namespace {

constexpr float kPiSquaredOverSix = 1.6449340668482264f;
// 3 hbar^2 / (amu k_B) in Angstrom^2 K, the prefactor of the Debye amplitude.
constexpr float kAmplitudeFactor = 145.53f;

std::string ConversionMessage(const std::string& text) {
    return "Numeric conversion error (" + text + ")";
}

bool PositiveReal(const std::string& text) {
    long double value = 0;
    return halvern::ParseReal(text, value) && value > 0;
}

bool PositiveInt(const std::string& text) {
    int32_t value = 0;
    return halvern::ParseInt32(text, value) && value > 0;
}

float RealOf(const std::string& text) {
    long double value = 0;
    halvern::ParseReal(text, value);
    return static_cast<float>(value);
}

std::string NotFiniteText() {
    return " gives vibration amplitudes that are not finite.";
}

float IntOf(const std::string& text) {
    int32_t value = 0;
    halvern::ParseInt32(text, value);
    return static_cast<float>(value);
}

}  // namespace

float DebyePhi(float x) {
    if (x <= 3) return 1 - x / 4 + x * x / 36 - x * x * x * x / 3600;
    return (kPiSquaredOverSix - std::exp(-x) * (x + 1) - std::exp(-2 * x) * (x / 2 + 0.25f)) / x;
}

float MeanSquareAmplitude(float theta, float temperature, float mass) {
    const float x = theta / temperature;
    return (DebyePhi(x) / x + 0.25f) * kAmplitudeFactor / (mass * theta);
}

std::optional<VibrationRefusal> FindVibrationRefusal(const TModelSpec& spec) {
    struct Field {
        VibrationField field;
        const std::string& text;
        bool wholeNumber;
    };
    const Field fields[] = {
        {VibrationField::Temperature, spec.Temperature.str(), false},
        {VibrationField::Mass, spec.Mass.str(), false},
        {VibrationField::DebyeBulk, spec.DebyeBulk.str(), true},
        {VibrationField::DebyePerpendicular, spec.DebyePerpendicular.str(), true},
        {VibrationField::DebyeParallel, spec.DebyeParallel.str(), true},
    };
    for (const Field& f : fields)
        if (!(f.wholeNumber ? PositiveInt(f.text) : PositiveReal(f.text)))
            return VibrationRefusal{f.field, ConversionMessage(f.text)};
    // The amplitudes are single precision: a value beyond its range would be written as "INF"
    // or "NAN", which the engine refuses.
    const VibrationAmplitudes a = ComputeVibrationAmplitudes(spec);
    if (std::isfinite(a.bulk) && std::isfinite(a.perpendicular) && std::isfinite(a.parallel))
        return std::nullopt;
    if (!(RealOf(spec.Mass.str()) > 0))
        return VibrationRefusal{VibrationField::Mass, "Mass " + spec.Mass.str() + NotFiniteText()};
    return VibrationRefusal{
        VibrationField::Temperature,
        "Lattice temperature " + spec.Temperature.str() + " K" + NotFiniteText()};
}

VibrationAmplitudes ComputeVibrationAmplitudes(const TModelSpec& spec) {
    const float temperature = RealOf(spec.Temperature.str());
    const float mass = RealOf(spec.Mass.str());
    auto amplitude = [&](const std::string& theta) {
        return static_cast<double>(MeanSquareAmplitude(IntOf(theta), temperature, mass));
    };
    return {amplitude(spec.DebyeBulk.str()), amplitude(spec.DebyePerpendicular.str()),
            amplitude(spec.DebyeParallel.str())};
}

std::string AmplitudeBoxText(const VibrationAmplitudes& a) {
    auto root = [](double u2) { return halvern::FormatFixed(std::sqrt(u2), 0, 3); };
    return "Mean root square amplitudes (in A):\r" + root(a.bulk) + " (Bulk), " +
           root(a.perpendicular) + " (Surf. Perp.), " + root(a.parallel) + " (Surf. Parallel).";
}

}  // namespace velkor
