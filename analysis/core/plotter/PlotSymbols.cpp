#include "plotter/PlotSymbols.h"

#include <cmath>

namespace halvern {

namespace {

constexpr int32_t kRadius = 5;

// The angle of the ray from the box's centre through a point, counter-clockwise on screen.
double RayDegrees(const PlotBox& box, double x, double y) {
    const double cx = (box.left + box.right) / 2.0;
    const double cy = (box.top + box.bottom) / 2.0;
    return std::atan2(cy - y, x - cx) * 57.29577951308232;
}

}  // namespace

PlotBox CircleBox(PlotPixel p) {
    return {p.x - kRadius, p.y - kRadius, p.x + kRadius, p.y + kRadius};
}

SphereOutline SphereOutlineAt(PlotPixel p) {
    // Integer division truncates towards zero, as the outline was first drawn.
    SphereOutline s;
    s.disc = CircleBox(p);
    s.meridian = {(2 * p.x - kRadius) / 2 + 1, p.y - kRadius, (2 * p.x + kRadius) / 2,
                  p.y + kRadius};
    s.equator = {p.x - kRadius, (2 * p.y - kRadius) / 2 - 1, p.x + kRadius,
                 (2 * p.y + kRadius) / 2 - 1};
    const double start = RayDegrees(s.equator, p.x - kRadius, (2 * p.y - kRadius) / 2 - 1);
    const double end = RayDegrees(s.equator, p.x + 11, (2 * p.y + kRadius) / 2 - 1);
    s.startDegrees = start;
    s.spanDegrees = std::fmod(end - start + 720.0, 360.0);
    return s;
}

PlotPixel IconCorner(PlotPixel p, int32_t width, int32_t height) {
    return {p.x - width / 2, p.y - height / 2};
}

ColourRef CircleFill(const PlotColourScheme& scheme) {
    return scheme.pen == kYellow ? colour::Black : kWhite;
}

}  // namespace halvern
