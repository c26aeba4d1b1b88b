// Kinematics of a binary elastic collision in the laboratory frame: from the projectile mass M1,
// the target mass M2 and the projectile's scattering angle, the centre-of-mass angle or angles,
// the recoil angle and the energy fractions of projectile and target.
#pragma once

#include <array>
#include <string>

#include "MessageSink.h"

namespace halvern {

// The window's inputs: bounds, lists and default texts.
inline constexpr long double kScatterMassMin = 1e-05L;
inline constexpr long double kScatterMassMax = 100000.0L;
inline constexpr long double kScatterAngleMin = 0.0L;
inline constexpr long double kScatterAngleMax = 180.0L;
inline constexpr std::array<const char*, 6> kProjectileMassList = {"1.00779", "4.00260", "20.179",
                                                                   "39.948",  "83.80",   "131.29"};
inline constexpr std::array<const char*, 8> kTargetMassList = {
    "28.0855", "58.69", "63.546", "12.011", "14.00067", "15.9994", "32.06", "35.453"};
inline constexpr const char* kDefaultProjectileMass = "4.00260";
inline constexpr const char* kDefaultTargetMass = "63.546";
inline constexpr const char* kDefaultLabAngle = "90";

// Every result is a text of at most 10 characters.
inline constexpr size_t kScatterTextWidth = 10;

struct TScatterResults {
    std::string comAngle1, e1Ratio1, e2Ratio1, recoilAngle, comAngle2, e1Ratio2, e2Ratio2;
};

// The last masses that were numbers within range; they stand in for a bad mass text.
struct TScatterMasses {
    long double m1 = 4.0026L;
    long double m2 = 63.546L;
};

// The texts of the three inputs; a refused mass text is replaced by its last good value.
struct TScatterInput {
    std::string m1, m2, labAngle;
};

inline constexpr const char* kImpossibleAngleText =
    "Lab theta is not possible (too large) for this M1/M2 ratio. ";

// Evaluates the relations into `results`. A mass text that is no number or lies outside its
// range is replaced by the last good mass (its text rewritten in shortest notation, with a beep).
// A bad angle text (conversion or range message) and an angle too large for the mass ratio stop
// the evaluation and keep the old results; false then.
bool EvaluateScattering(TScatterInput& input, TScatterMasses& lastGood, TScatterResults& results,
                        MessageSink& sink);

}  // namespace halvern
