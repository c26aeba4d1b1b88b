// What the plotter draws for one entry of a frame, as geometry the painter only follows: the
// symbol styles, the outline of a sphere, and the two colour schemes.
#pragma once

#include <cstdint>

#include "Colours.h"
#include "plotter/PlotView.h"

namespace halvern {

enum class PlotSymbols : int32_t { Icons = 0, Circles = 1, Points = 2, Spheres = 3 };

// A box as the platform's ellipse takes it: left and top inside, right and bottom outside.
struct PlotBox {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The circle of "Circles" (and the disc of "Spheres") around a pixel: 10 pixels across.
PlotBox CircleBox(PlotPixel p);

// "Spheres": the disc, a narrow upright ellipse (the meridian) and the front half of a flat
// ellipse (the equator), drawn counter-clockwise from startDegrees through spanDegrees.
struct SphereOutline {
    PlotBox disc;
    PlotBox meridian;
    PlotBox equator;
    double startDegrees = 0;
    double spanDegrees = 0;
};
SphereOutline SphereOutlineAt(PlotPixel p);

// The top-left corner of an icon of the given size centred on a pixel.
PlotPixel IconCorner(PlotPixel p, int32_t width, int32_t height);

// Pen, point and background colours; the icons of the light scheme are its own.
struct PlotColourScheme {
    ColourRef pen = 0;
    ColourRef points = 0;
    ColourRef background = 0;
    bool light = false;
};
inline constexpr ColourRef kYellow = 0x00FFFF;
inline constexpr ColourRef kWhite = 0xFFFFFF;
inline constexpr PlotColourScheme kDarkScheme{kYellow, kWhite, colour::Black, false};
inline constexpr PlotColourScheme kLightScheme{colour::Blue, colour::Black, kWhite, true};

// The circles' fill: black under the yellow pen, else white.
ColourRef CircleFill(const PlotColourScheme& scheme);

}  // namespace halvern
