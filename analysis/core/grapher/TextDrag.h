// Dragging titles and labels with the mouse: what a press picks up and where a release puts it.
#pragma once

#include <cstdint>
#include <vector>

#include "grapher/GraphLayout.h"
#include "grapher/GrapherModel.h"

namespace halvern {

// A press takes an item whose top-left corner lies within this many pixels above and left of it.
inline constexpr int32_t kDragReach = 20;

// The titles are tried first (main, x, y) and the first visible one hit is picked up; else every
// visible label hit, of which the last is picked up. Returns the items hit, to be marked. An item
// among the `drawn` texts of the picture is taken where it was drawn.
std::vector<GraphText> PressAt(GrapherModel& model, int32_t x, int32_t y,
                               const std::vector<PlacedText>& drawn = {});

// Puts the item picked up at (x, y); false when nothing was picked up.
bool ReleaseAt(GrapherModel& model, int32_t x, int32_t y);

}  // namespace halvern
