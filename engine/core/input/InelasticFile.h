// The inelastic-loss parameters of a run, read from the InelasticFile (.INL): the LSS,
// Oen-Robinson and Shapiro-Tombrello tables and the event ranges of the two event models.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dynamics/UniformRandom.h"
#include "host/EngineHost.h"
#include "host/SimulationOptions.h"

namespace halvern {

struct TLssEntry {
    int32_t Z1 = 0;
    double K = 0;  // J s/m^2: -dE/dx = K v
};

struct TOrEntry {
    int32_t Z1Z2 = 0;
    double K = 0;  // K(OR) x scale in SI, divided by 2 pi
};

struct TStEntry {
    int32_t Z1Z2 = 0;
    double dE = 0;     // J per promoted electron
    double Rcrit = 0;  // m
    int32_t Nmax = 0;
    double prob = 0;
};

// The event range an event model starts a run with: (2 Angstrom)^2.
constexpr double kDefaultEventRange = 4e-20;

struct TInelasticParameters {
    std::vector<TLssEntry> lss;
    double lssThreshold = 0;  // m/s
    std::vector<TOrEntry> oenRobinson;
    double gamma = 0;
    std::vector<TStEntry> shapiroTombrello;
    // Squared distances (m^2) within which pairs are watched for events.
    double OrEventRange = kDefaultEventRange;
    double StEventRange = kDefaultEventRange;
};

// Reads the file into `params` (tables emptied first, event ranges back at their start value, so
// an earlier run's file has no say). A table without a usable row switches its model off in
// `options` with a red warning line. False, with the box "Inelastic file not found: " + name,
// when the file cannot be read or is empty; false after the whole file when a value is no number.
bool ReadInelasticFile(const std::string& name, TInelasticParameters& params,
                       TSimulationOptions& options, EngineHost& host);

struct TRunState;

// The run's read, into rs.inelastic.params: a model the file switches off stays off for this run
// and in the program-wide options.
bool ReadInelasticFile(const std::string& name, TRunState& rs);

// K of the first LSS row for Z, 0 when none.
double LssLookup(const TInelasticParameters& params, int32_t Z);
// K of the first Oen-Robinson row for Z1*Z2, 0 when none.
double OrLookup(const TInelasticParameters& params, int32_t Z1Z2);
// The first Shapiro-Tombrello row for Z1*Z2; all zero when none.
TStEntry StLookup(const TInelasticParameters& params, int32_t Z1Z2);

// The number of electrons promoted in `trials` tries of probability `prob`, at most Nmax.
int32_t PromotedElectrons(int32_t trials, int32_t Nmax, double prob, UniformRandom& random);

}  // namespace halvern
