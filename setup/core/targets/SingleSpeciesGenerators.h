// Target generators of the one-species lattices (FCC, BCC, diamond, hcp): each writes
// the crystallite of its record into the record's file, the origin atom first, then the sites
// layer by layer into the depth. A failed write shows "Error writing output file." and gives false.
#pragma once

#include "MessageSink.h"
#include "targets/TargetSpec.h"

namespace velkor {

bool GenerateFcc100(const TTargetSpec& params, halvern::MessageSink& sink);
bool GenerateFcc110(const TTargetSpec& params, halvern::MessageSink& sink);
bool GenerateFcc111(const TTargetSpec& params, halvern::MessageSink& sink);
bool GenerateBcc100(const TTargetSpec& params, halvern::MessageSink& sink);
bool GenerateBcc110(const TTargetSpec& params, halvern::MessageSink& sink);
bool GenerateDiamond100(const TTargetSpec& params, halvern::MessageSink& sink);
bool GenerateDiamond110(const TTargetSpec& params, halvern::MessageSink& sink);
bool GenerateDiamond111(const TTargetSpec& params, halvern::MessageSink& sink);
bool GenerateHcp0001(const THexTargetSpec& params, halvern::MessageSink& sink);

}  // namespace velkor
