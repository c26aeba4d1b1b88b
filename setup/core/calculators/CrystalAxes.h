// Angles of surface normals in a cubic crystal whose x, y, z axes are [100], [010], [001]: the
// polar and azimuthal angle of each of two normals given by Miller indices, and the angle
// between them (degrees).
#pragma once

#include <cstdint>
#include <string>

#include "MessageSink.h"
#include "text/FieldSpec.h"

namespace velkor {

// Each index edit: -30 .. 30; three characters, so that "-10" .. "-30" can be typed.
inline constexpr IntFieldSpec kMillerIndexField{-30, 30, 3, "0"};
inline constexpr IntFieldSpec kMillerLIndexField{-30, 30, 3, "1"};

struct TMillerIndices {
    int32_t h = 0, k = 0, l = 1;
};

double PolarAngle(const TMillerIndices& n);
double AzimuthAngle(const TMillerIndices& n);
double InterPlaneAngle(const TMillerIndices& a, const TMillerIndices& b);

inline constexpr const char* kNullIndexText = "Miller index cannot be a null vector [000].";

// The five read-outs in the shortest real notation.
struct TAxesAngles {
    std::string theta1, phi1, theta2, phi2, interPlane;
};

// False, with the null-vector message, when either index triple is (0, 0, 0).
bool EvaluateAxes(const TMillerIndices& surface1, const TMillerIndices& surface2, TAxesAngles& out,
                  halvern::MessageSink& sink);

}  // namespace velkor
