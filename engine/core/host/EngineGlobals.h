// Engine state that outlives a run: the options record, the graph scale and the window's two
// flags. One instance lives for the whole program run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

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

    // Worker threads of a run; unset: the environment's HALVERN_THREADS, else one per core.
    std::optional<int> Threads;
    // Bytes of one trajectory's output kept in memory while it waits for its turn; the rest
    // waits in a spill file of a private folder under SpillLocation ("": $TMPDIR, else /tmp).
    std::size_t PendingMemoryLimit = std::size_t{4} << 20;
    std::string SpillLocation;
    // Where no spill file can be written, the bytes of one trajectory kept in memory in all;
    // beyond them the trajectory is followed again on its own, straight into the files.
    std::size_t PendingFallbackLimit = std::size_t{32} << 20;
};

}  // namespace halvern
