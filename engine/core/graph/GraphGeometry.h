// Geometry of the graph window: projection planes, scale and zoom, origin and shifts, pixel
// coordinates and the depth sort of icon mode. The window only paints what these compute.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/EngineHost.h"
#include "host/SimulationOptions.h"

namespace halvern {

constexpr int32_t kGraphMaxParticles = 30000;  // particles 0..29999 are drawn

enum class GraphPlane : int32_t { XZ = 0, XY = 1, YZ = 2 };
enum class GraphSymbols { Circles, Points, Icons };

// The window's settings; never stored.
struct TGraphView {
    GraphPlane plane = GraphPlane::XZ;
    double scale = kSpatialGraphScale;
    int32_t radius = 6;
    int32_t xShift = 0;
    int32_t yShift = 0;
    bool circles = false;
    bool icons = true;
    bool refreshEachStep = true;
    bool drawSmall = true;
    bool highlight = false;
    bool blackBackground = false;
};

GraphSymbols SymbolsOf(const TGraphView& view);
void SetSymbols(TGraphView& view, GraphSymbols symbols);

// Plane xz, the given scale, radius 6, no shifts, icons, refresh and draw small on, white
// background; highlight stays as it was.
void ResetGraphDefaults(TGraphView& view, double scale = kSpatialGraphScale);

// Zooming stops at these bounds, so scale and radius stay finite and within int range.
constexpr int32_t kGraphMaxRadius = 1 << 14;
constexpr double kGraphMaxZoom = 1e12;  // scale bounds relative to the spatial scale
void ZoomIn(TGraphView& view);
void ZoomOut(TGraphView& view);

// Shift steps: the tool buttons move by 100 pixels, keys by 25 or by 100 with Shift alone.
enum class GraphShift { Left, Right, Up, Down };
void ShiftView(TGraphView& view, GraphShift direction, int32_t step);
constexpr int32_t kButtonShiftStep = 100;
int32_t KeyShiftStep(bool shiftAlone);

struct TPixel {
    int32_t x = 0;
    int32_t y = 0;
};

// Screen origin: the centre horizontally; vertically the centre for xy and a quarter of the
// height from the top for the side views, so z = 0 lies there and up is positive.
TPixel GraphOrigin(const TGraphView& view, int32_t width, int32_t height);

// Pixel coordinates are kept within this bound, far inside the int range, so a symbol around
// any point can be drawn without overflow; the painter clips what lies outside the picture.
constexpr int32_t kGraphPixelLimit = 1 << 24;

// The pixel of a value pair: X = x0 + round(h scale), Y = y0 - round(v scale), halves to even.
// False for a non-finite value (nothing is drawn for it).
bool ToPixel(TPixel origin, double h, double v, double scale, TPixel& out);

// The frame's arrays as horizontal, vertical and depth axis of a plane.
struct TFrameAxes {
    const double* h = nullptr;
    const double* v = nullptr;
    const double* d = nullptr;
};
TFrameAxes AxesOf(GraphPlane plane, const TGraphFrame& frame);

// Index of the last particle drawn: N clamped to 29999; -1 when there is nothing to draw.
int32_t LastDrawnParticle(const TGraphFrame& frame);

// Copies of a frame's axes sorted by depth, for icon mode; allocated once, reused per frame.
class DepthSortedFrame {
  public:
    DepthSortedFrame();
    // Copies particles 0..last and sorts them ascending by depth.
    void sort(const TFrameAxes& axes, int32_t last);
    int32_t count() const { return count_; }
    double h(int32_t k) const { return h_[k]; }
    double v(int32_t k) const { return v_[k]; }
    double depth(int32_t k) const { return d_[k]; }
    int32_t particle(int32_t k) const { return index_[k]; }

  private:
    std::vector<double> h_, v_, d_;
    std::vector<int32_t> index_;
    int32_t count_ = 0;
};

// Icon choice: the projectile icon for particle 0, or with highlight on for depths above 1e-10.
bool UsesProjectileIcon(const TGraphView& view, int32_t particle, double depth);

// " t = " and the time in fs with two decimals, " fs".
std::string GraphTimeText(float t);
std::string GraphPlaneStatusText(GraphPlane plane);

}  // namespace halvern
