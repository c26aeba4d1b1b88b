// The run record of the set-up program (sampling, output selection, incidence angles, time
// step, termination, cut-off, filter expression) and the run dialog's enabling rules.
#pragma once

#include <cstdint>
#include <string>

#include "text/FieldSpec.h"
#include "text/ShortText.h"

namespace velkor {

inline constexpr const char* kDefaultFilterExpression =
    "[ke/ep > 20.0] & [vz> 0.0] & [rz > 0.5e-10] {particles emitted with KE > 20 eV}";

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

// The dialog's edits that the engine limits. The altitude starts above 0, a multiple of 180
// degrees, at which the engine refuses the run.
inline constexpr IntFieldSpec kPeriodField = EngineField(
    halvern::limits::SamplingInterval, 1, 100000, decltype(TRunSpec::Period)::kWidth, "001");
inline constexpr RealFieldSpec kAltitudeField = EngineField(
    halvern::limits::Angle, 0.01L, 90.0L, decltype(TRunSpec::Altitude)::kWidth, "90.00");
inline constexpr RealFieldSpec kAzimuthField =
    EngineField(halvern::limits::Angle, 0.0L, 360.0L, decltype(TRunSpec::Azimuth)::kWidth, "0.00");
inline constexpr RealFieldSpec kTimeStepField = EngineField(
    halvern::limits::TimeStep, 1e-19L, 1e-12L, decltype(TRunSpec::TimeStep)::kWidth, "07.0e-17");
inline constexpr IntFieldSpec kNeighbourUpdateField = EngineField(
    halvern::limits::RebuildInterval, 1, 999, decltype(TRunSpec::NeighbourUpdate)::kWidth, "10");
inline constexpr RealFieldSpec kCutOffField =
    EngineField(halvern::limits::CutOff, 0.0L, 8.0L, decltype(TRunSpec::CutOff)::kWidth, "3.7");
inline constexpr IntFieldSpec kPartnersField =
    EngineField(halvern::limits::PartnerLimit, 1, 999, decltype(TRunSpec::Partners)::kWidth, "50");

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
