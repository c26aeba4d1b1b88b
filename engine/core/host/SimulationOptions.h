// The engine's options: one fixed 40-byte record, stored verbatim in "ostrel.cfg".
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "MessageSink.h"

namespace halvern {

// Field order and widths are those of the stored record; the reserved bytes are kept as they were
// loaded so that a saved file gives back what it was read from.
struct TSimulationOptions {
    int32_t Algorithm = 3;         // 0 HGE B, 1 Two-Step A, 2 Beeman, 3 Verlet
    uint8_t BruteForceSearch = 1;  // 1 test all pairs, 0 cell-index (box) method
    std::array<uint8_t, 3> Reserved5{};
    int32_t GraphMode = 0;  // 0 spatial plot, 1 velocity plot
    uint8_t Verbose = 1;
    uint8_t ReportEnergy = 1;
    uint8_t ReportInelastic = 1;
    uint8_t Reserved15 = 0;
    int32_t EditBufferLines = 2000;  // log line limit
    uint8_t ElementalTarget = 0;
    uint8_t RecordInitial = 0;
    uint8_t RecordInelastic = 0;
    uint8_t HotTarget = 0;
    uint8_t LoadAtStartUp = 0;
    uint8_t FixedTimestep = 0;
    std::array<uint8_t, 2> Reserved26{};
    int32_t MinForce = 1;  // 0 Fmin = 0, 1 one tenth, 2 one hundredth of F(Rc)
    uint8_t NoYVibration = 0;
    uint8_t LssModel = 0;
    uint8_t OenRobinsonModel = 0;
    uint8_t ShapiroTombrelloModel = 0;
    uint8_t IgnoreTargetForces = 0;
    uint8_t SelfBombardment = 0;
    std::array<uint8_t, 2> Reserved38{};

    bool operator==(const TSimulationOptions&) const = default;
};

constexpr std::size_t kOptionsRecordSize = 40;
using OptionsRecordBytes = std::array<uint8_t, kOptionsRecordSize>;

// Ranges of the integer fields, as the options dialog offers them.
constexpr int32_t kMaxAlgorithm = 3;
constexpr int32_t kMaxGraphMode = 1;
constexpr int32_t kMaxEditBufferLines = 9000000;
constexpr int32_t kMaxMinForce = 2;

OptionsRecordBytes EncodeSimulationOptions(const TSimulationOptions& options);
TSimulationOptions DecodeSimulationOptions(const uint8_t* bytes);

// True when every integer field lies in the range the dialog offers.
bool SimulationOptionsInRange(const TSimulationOptions& options);

// True when any inelastic-loss model is selected.
bool InelasticModelSelected(const TSimulationOptions& options);

// Graph window pixels per unit of the plotted quantity: 1 px = 0.1 A in the spatial plot,
// 1 px = 100 m/s in the velocity plot.
constexpr double kSpatialGraphScale = 1e11;
constexpr double kVelocityGraphScale = 0.01;
inline double GraphScaleForMode(int32_t graphMode) {
    return graphMode == 1 ? kVelocityGraphScale : kSpatialGraphScale;
}

// Start-up: applies the record stored at `path` when it can be read whole, its integer fields
// are in range and its `LoadAtStartUp` byte is set; otherwise `options` is left as it is.
// Nothing is reported. Returns whether the record was applied.
bool LoadOptionsAtStartUp(const std::string& path, TSimulationOptions& options);

// Writes the record as the file's one record; a failure leaves an earlier file as it was and
// reports "Error writing options to " + path + ".".
bool SaveSimulationOptions(const std::string& path, const TSimulationOptions& options,
                           MessageSink& sink);

}  // namespace halvern
