// The run record of the set-up program (sampling, output selection, incidence angles, time
// step, termination, cut-off, filter expression) and the run dialog's enabling rules.
#pragma once

#include <cstdint>
#include <string>

#include "text/ShortText.h"

namespace velkor {

inline constexpr const char* kDefaultFilterExpression =
    "[ke/ep > 20.0] & [vz> 0.0] & [rz > 0.5e-10] {particles emitted with KE > 20 eV}";

// The engine reads the sampling period as a 16-bit number.
inline constexpr int32_t kMaxSamplingPeriod = 65535;
inline constexpr uint16_t kMaxOutputOption = 8;
inline constexpr uint16_t kUserProgrammedOption = 8;
inline constexpr uint16_t kMaxSampleMode = 3;

struct TRunSpec {
    uint16_t SampleMode = 1;  // bit 0 at termination, bit 1 periodically
    ShortText<5> Period = "001";
    uint16_t OutputOption = 0;  // 0..8, the output radio group's index
    ShortText<5> Altitude = "90.00";
    ShortText<6> Azimuth = "0.00";
    ShortText<12> TimeStep = "07.0e-17";  // s
    ShortText<6> NeighbourUpdate = "10";
    ShortText<6> TMin = "10.0";   // fs
    ShortText<6> TMax = "300.0";  // fs
    ShortText<6> CutOff = "3.7";  // Angstrom
    ShortText<3> Partners = "50";
    std::string FileName = "*.RUN";
    ShortText<255> Expression = kDefaultFilterExpression;

    bool operator==(const TRunSpec&) const = default;
};

// Which of the run dialog's controls can be used.
struct RunControlsEnabled {
    bool period;      // the period edit and its label
    bool output;      // the output radio group
    bool expression;  // the memo, its label and "Samples"

    bool operator==(const RunControlsEnabled&) const = default;
};

RunControlsEnabled RunControlsEnabledFor(bool atTermination, bool periodically,
                                         uint16_t outputOption);

uint16_t SampleModeOf(bool atTermination, bool periodically);
inline bool SamplesAtTermination(uint16_t mode) {
    return mode == 1 || mode == 3;
}
inline bool SamplesPeriodically(uint16_t mode) {
    return mode == 2 || mode == 3;
}

}  // namespace velkor
