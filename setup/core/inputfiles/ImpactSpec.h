// The impact-mesh record of the set-up program: the mesh bounds and start height as typed,
// the counts, the axis angle and the density option.
#pragma once

#include <cstdint>

#include "text/FieldSpec.h"
#include "text/ShortText.h"

namespace velkor {

inline constexpr uint16_t kWeightedDensity = 1;  // 0 uniform

struct TImpactSpec {
    ShortText<8> BxMin = "0.0000";  // Angstrom
    ShortText<8> BxMax = "2.55598";
    int32_t Nx = 50;
    ShortText<8> ByMin = "0.000000";
    ShortText<8> ByMax = "1.27799";
    int32_t Ny = 25;
    double Angle = 90.0;      // degrees between the two surface axes
    ShortText<8> Z0 = "3.0";  // projectile start height, Angstrom
    uint16_t Density = 0;

    bool operator==(const TImpactSpec&) const = default;
};

// The impact dialog's edits; their texts come from the record.
inline constexpr RealFieldSpec kMeshBoundField =
    EngineField(halvern::limits::Coordinate, -10.0L, 10.0L, 8, "0.0");  // Angstrom
inline constexpr IntFieldSpec kMeshCountField{1, 1000000, 7, "1"};
inline constexpr RealFieldSpec kMeshAngleField{0.0L, 90.0L, 0, "90"};  // degrees
inline constexpr RealFieldSpec kMeshZ0Field =
    EngineField(halvern::limits::ImpactHeight, -100.0L, 100.0L, 8, "3.0");  // Angstrom

}  // namespace velkor
