// The reader of the InelasticFile (.INL): the LSS, Oen-Robinson and Shapiro-Tombrello tables and
// the event ranges of the two event models.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dynamics/InelasticTables.h"
#include "host/EngineHost.h"
#include "host/SimulationOptions.h"

namespace halvern {

// Reads the file into `params` (tables emptied first, event ranges back at their start value, so
// an earlier run's file has no say). A table without a usable row switches its model off in
// `options` with a red warning line. False, with the box "Inelastic file not found: " + name,
// when the file cannot be read or is empty; false after the whole file when a value is no number.
bool ReadInelasticFile(const std::string& name, TInelasticParameters& params,
                       TSimulationOptions& options, EngineHost& host);

}  // namespace halvern
