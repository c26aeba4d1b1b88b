// Rotations of the whole data set about the three axes, in place, as the plotter's up-downs and
// its "Apply Rotation" button make them; the view keeps the cumulative angles.
#pragma once

#include <array>
#include <string>

#include "plotter/PlotView.h"
#include "plotter/TrajectoryData.h"

namespace halvern {

enum class RotationPlane { XY, YZ, ZX };

// One up-down step: +5 degrees for the next arrow, -5 for the previous one, in one plane.
// Positive steps turn x towards y, y towards z and x towards z. The cumulative angle is not
// wrapped.
void RotateStep(TrajectoryData& data, PlotView& view, RotationPlane plane, bool next);
// The angle edits' texts after a step: "5" or "-5" in the stepped plane's edit, "0.0" in the
// others (xy, yz, zx).
std::array<std::string, 3> StepAngleTexts(RotationPlane plane, bool next);

// "Apply Rotation": the three angles in degrees, applied in the order xy, yz, zx; each
// cumulative angle is then wrapped once into (-2 pi, 2 pi). A positive angle turns the xy and
// yz planes the other way from the up-downs' positive steps, and the zx plane the same way.
void ApplyRotation(TrajectoryData& data, PlotView& view, long double xyDegrees,
                   long double yzDegrees, long double zxDegrees);

}  // namespace halvern
