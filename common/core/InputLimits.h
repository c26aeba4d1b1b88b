// The values the engine accepts in its input files, one entry a quantity. The engine's readers
// refuse a value outside its entry; the set-up program's fields take their bounds from the same
// entries, so that a value one program accepts the other runs.
#pragma once

#include <algorithm>
#include <cmath>

namespace halvern {

// Both ends included; NaN lies outside every limit. The ends are the decimal values as long
// doubles, which the set-up program's fields compare a typed text with; the engine compares the
// double it reads with their doubles. Rounding to double keeps the order, so a text that a field
// accepts the engine accepts too, the ends themselves included.
struct InputLimit {
    long double min;
    long double max;

    constexpr bool holds(double value) const {
        return value >= static_cast<double>(min) && value <= static_cast<double>(max);
    }
};

// The part of a field's own range [fieldMin, fieldMax] that the limit accepts.
constexpr InputLimit Within(const InputLimit& limit, long double fieldMin, long double fieldMax) {
    return {std::max(limit.min, fieldMin), std::min(limit.max, fieldMax)};
}

// Each bound keeps a run finite and its arithmetic inside the range of a double; none refuses a
// physically meaningful project of keV impacts. A quantity that must be positive starts at the
// smallest value its file carries (or 1e-6 where the file holds the typed text).
namespace limits {

inline constexpr InputLimit ProjectileEnergy{0.001L, 1e6L};  // keV, written with three decimals
inline constexpr InputLimit AtomicNumber{1.0L, 1000.0L};     // projectile and target atoms
inline constexpr InputLimit AtomMass{1e-5L, 1e4L};           // amu, written with five decimals
inline constexpr InputLimit Coordinate{-1e6L, 1e6L};         // A, target atoms and impact offsets
inline constexpr InputLimit ImpactHeight{1e-8L, 1e6L};       // A, written with eight decimals

inline constexpr InputLimit SamplingInterval{1.0L, 65535.0L};  // time steps, a 16-bit field
inline constexpr InputLimit RebuildInterval{1.0L, 65535.0L};   // time steps
inline constexpr InputLimit PartnerLimit{1.0L, 500.0L};        // the engine's partner rows
inline constexpr InputLimit TimeStep{1e-19L, 1e-12L};          // s
inline constexpr double MaxSteps = 1e9;                        // t_max over the initial time step
inline constexpr InputLimit Angle{-360.0L, 360.0L};            // degrees, polar and azimuthal
inline constexpr InputLimit CutOff{1e-6L, 8.0L};               // A, where the Morse table ends

inline constexpr InputLimit ScreeningFactor{1e-6L, 100.0L};
inline constexpr InputLimit MorseValue{-1e6L, 1e6L};         // D (eV), a (1/A), r0 (A)
inline constexpr InputLimit SplineInner{1e-6L, 8.0L};        // A
inline constexpr InputLimit SplineOuter{1.0L, 7.9997L};      // A, inside the Morse table
inline constexpr InputLimit ModelEnergy{-1e6L, 1e6L};        // eV, surface barriers, termination
inline constexpr InputLimit VibrationVariance{0.0L, 10.0L};  // square A
inline constexpr InputLimit Temperature{0.0L, 1e5L};         // K

}  // namespace limits

// A polar angle within its limit that is no multiple of 180 degrees: at those the projectile
// would start parallel to the surface, infinitely far away.
inline bool PolarAngleAccepted(double degrees) {
    return limits::Angle.holds(degrees) && std::fmod(degrees, 180.0) != 0;
}

}  // namespace halvern
