// The orientation windows' picture geometry: the projection of the points on a plane in drawing
// order, their pixels, the zoom and the cursor read-out. The windows only paint what this gives.
#pragma once

#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "orientation/OrientPoints.h"

namespace velkor {

enum class Perspective : int32_t { XY = 0, YZ = 1, XZ = 2 };

// The read-out prefixes of the horizontal and vertical axis: "x:", "y:" or "z:".
const char* HorizLabel(Perspective perspective);
const char* VertLabel(Perspective perspective);

// Horizontal, vertical and depth coordinate of every point, in the order they are drawn:
// ascending depth for the xy-plane, ascending horizontal coordinate for the yz-plane and
// ascending vertical coordinate for the xz-plane.
struct TProjection {
    std::vector<double> u, v, w;
    std::vector<int32_t> index;  // the point each entry came from
    int32_t count() const { return static_cast<int32_t>(u.size()); }
};

void ProjectPoints(const TOrientPoints& points, Perspective perspective, TProjection& out);

// The (u, v) pair of a point for a perspective, for files laid over the picture unsorted.
void ProjectPoint(Perspective perspective, double x, double y, double z, double& u, double& v);

// Where model coordinate (0, 0) sits and how many pixels an Angstrom takes.
struct TPictureFrame {
    int32_t originX = 0;  // pixels from the left edge
    int32_t originY = 0;  // pixels from the bottom edge
    int32_t scale = 0;    // pixels per Angstrom
    int32_t height = 0;   // of the picture
};

struct TPixelPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// px = round(scale u) + originX, py = height - originY - round(scale v), halves to even. False
// for a pixel so far out that it could not be drawn (nothing is drawn for it).
bool ToPixel(const TPictureFrame& frame, double u, double v, TPixelPoint& pixel);

// The cursor read-out: the label and the model coordinate under the pixel in 5 characters with
// 2 decimals; the label alone at zoom 0, where no coordinate belongs to a pixel.
std::string ReadOutHoriz(const TPictureFrame& frame, const std::string& label, int32_t pixelX);
std::string ReadOutVert(const TPictureFrame& frame, const std::string& label, int32_t pixelY);

// "Rxy:" and the like followed by an accumulated display rotation in degrees (5 characters, 2
// decimals).
std::string RotationText(const char* prefix, double radians);

// The settings a window starts from and the steps of its controls.
struct TOrientViewSpec {
    int32_t originX, originY;     // pixel origin when shown
    int32_t zoomStart, zoomMax;   // the zoom control's position
    int32_t pixelsPerZoomStep;    // scale = this x zoom position
};
inline constexpr int32_t kMoveStep = 25;  // pixels per "Move display" press
inline constexpr int32_t kPictureSize = 300;
inline constexpr double kDisplayStepRadians = 5.0 * std::numbers::pi / 180.0;

inline constexpr TOrientViewSpec kTargetViewSpec{150, 150, 5, 50, 2};
inline constexpr TOrientViewSpec kImpactViewSpec{50, 50, 10, 50, 4};

}  // namespace velkor
