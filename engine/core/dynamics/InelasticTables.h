// The inelastic-loss parameters of a run: the LSS, Oen-Robinson and Shapiro-Tombrello tables and
// the event ranges of the two event models, with their look-ups.
#pragma once

#include <cstdint>
#include <vector>

#include "dynamics/UniformRandom.h"

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

// K of the first LSS row for Z, 0 when none.
double LssLookup(const TInelasticParameters& params, int32_t Z);
// K of the first Oen-Robinson row for Z1*Z2, 0 when none.
double OrLookup(const TInelasticParameters& params, int64_t Z1Z2);
// The first Shapiro-Tombrello row for Z1*Z2; all zero when none.
TStEntry StLookup(const TInelasticParameters& params, int64_t Z1Z2);

// The number of electrons promoted in `trials` tries of probability `prob`, at most Nmax.
int32_t PromotedElectrons(int32_t trials, int32_t Nmax, double prob, UniformRandom& random);

}  // namespace halvern
