// Engine state that outlives a run: the options record, the graph scale and the window's two
// flags. One instance lives for the whole program run.
#pragma once

#include <cstdint>
#include <optional>

#include "host/EngineHost.h"
#include "host/SimulationOptions.h"

namespace halvern {

struct EngineGlobals {
    TSimulationOptions Options;
    // Not stored; derived from the graph mode when the options dialog is accepted.
    double GraphScale = kSpatialGraphScale;

    // The flags the window's EngineHost hands out through flags(); the core reaches them only
    // through the host.
    EngineFlags Flags;

    // When set, every run seeds its random generator with this value instead of the clock.
    std::optional<uint32_t> RandomSeed;
};

}  // namespace halvern
