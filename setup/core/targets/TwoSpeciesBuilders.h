// Builders of the two-species crystals (rocksalt (100), sphalerite (110) and (100)): each line
// carries the Z, mass and symbol of its species. A failed write shows "Error writing output
// file." and gives false.
#pragma once

#include "MessageSink.h"
#include "targets/TargetSpec.h"

namespace velkor {

bool BuildRockSalt100(const TTwoSpeciesTargetSpec& params, halvern::MessageSink& sink);
bool BuildSphalerite110(const TTwoSpeciesTargetSpec& params, halvern::MessageSink& sink);
bool BuildSphalerite100(const TTwoSpeciesTargetSpec& params, halvern::MessageSink& sink);

}  // namespace velkor
