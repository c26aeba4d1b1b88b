// The run file (.RUN): sampling, output selection, incidence angles, time step, partner-list
// rebuilds, termination times, cut-off, partner limit and output-filter expression.
#pragma once

#include <cstdint>
#include <string>

#include "InputLimits.h"
#include "host/EngineHost.h"

namespace halvern {

struct TRunParameters {
    uint16_t SampleMode = 0;      // bit 0 at termination, bit 1 periodically
    uint16_t SampleInterval = 0;  // time steps
    uint16_t OutputOption = 0;    // record writer 0..8
    double Theta = 0;             // altitudinal angle of incidence, radians (pi/2 along the normal)
    double Phi = 0;               // azimuthal angle, radians
    double TimeStep = 0;          // initial time step, s
    int32_t RebuildInterval = 0;  // partner-list rebuild interval, time steps
    double TMax = 0;              // time before compulsory termination, s
    double TMin = 0;              // time before termination tests begin, s
    double CutOff = 0;            // potential cut-off radius Rc, m
    int32_t PartnerLimit = 0;     // collision partners per particle
    std::string FilterExpression;  // at most 255 characters
};

// The largest partner limit the engine accepts.
constexpr int32_t kMaxPartnerLimit = static_cast<int32_t>(limits::PartnerLimit.max);
constexpr int32_t kMaxOutputOption = 8;
constexpr int32_t kUserProgrammedOutput = 8;

// Reads the run file into `run` and logs the output selection; 0 for success. Every error is
// logged and the reading goes on; a non-zero result means the run is not started.
int32_t ReadRunFile(const std::string& fileName, TRunParameters& run, EngineHost& host);

// "HGE (B)", "Two-Step (A)", "Beeman", "Verlet", other "***** UNDEFINED *****".
std::string AlgorithmName(int32_t algorithm);

// Logs "  ...Simulation aborted" in red.
void ReportRunRefused(EngineHost& host);

}  // namespace halvern
