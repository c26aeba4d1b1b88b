// Refusal of input values that would crash, hang or corrupt a run, with one message that names
// the value, the line and the file.
#pragma once

#include <cstdint>
#include <string>

#include "host/EngineHost.h"

namespace halvern {

// what + " " + value + " at line " + line + " of " + file + " " + rule, e.g.
// "Initial time step 0 at line 6 of cu.run must be above 0".
std::string BadValueText(const std::string& what, const std::string& value, int line,
                         const std::string& file, const std::string& rule);

// Logs in red "  ++++ Error ++++" and the text above with the file's name without its folder
// (a log line holds 100 characters).
void ReportBadValue(EngineHost& host, const std::string& what, const std::string& value, int line,
                    const std::string& file, const std::string& rule);

// A value as the message shows it: the shortest real text, or decimal digits.
std::string ValueText(double value);
std::string ValueText(int value);

// Bounds that keep a run finite and its arithmetic inside the range of a double. None of them
// refuses a physically meaningful project of keV impacts.
namespace limits {
constexpr double MaxEnergy = 1e6;      // keV, projectile
constexpr double MaxMass = 1e4;        // amu, projectile and target atoms
constexpr double MaxCoordinate = 1e6;  // A, target atoms and impact points
constexpr double MinTimeStep = 1e-19;  // s, the run dialog's range
constexpr double MaxTimeStep = 1e-12;  // s
constexpr double MaxSteps = 1e9;       // t_max over the initial time step
constexpr double MaxAngle = 360;       // degrees, either sign
constexpr double MaxCutOff = 8;        // A, where the Morse table ends
constexpr double MaxScreeningFactor = 100;
constexpr double MaxModelEnergy = 1e6;  // eV, surface barriers and termination energy, either sign
constexpr double MaxVibrationVariance = 10;  // square A
constexpr double MaxTemperature = 1e5;       // K
constexpr double MaxMorseValue = 1e6;        // D (eV), a (1/A), r0 (A), either sign
}  // namespace limits

// The checks of one input file: every failed rule is logged at once (ReportBadValue), in the
// order checked; `ok` tells whether all held.
struct ValueChecks {
    EngineHost& host;
    std::string file;
    bool ok = true;

    // Logs the rule unless it holds.
    void require(bool holds, const std::string& what, const std::string& value, int line,
                 const std::string& rule);
    // "must be above <low><unit>" when the value is not above low (NaN included), else
    // "must not exceed <high><unit>" when it is above high (infinity included).
    void aboveAtMost(const std::string& what, double value, int line, double low, double high,
                     const std::string& unit = "");
    // "must not be negative", else "must not exceed <high><unit>".
    void notNegativeAtMost(const std::string& what, double value, int line, double high,
                           const std::string& unit = "");
    // "must lie in -<limit>..<limit><unit>" unless |value| <= limit.
    void within(const std::string& what, double value, int line, double limit,
                const std::string& unit = "");
};

}  // namespace halvern
