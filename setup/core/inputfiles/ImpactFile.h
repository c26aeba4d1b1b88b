// Reading an impact file (.IMP) back into the impact-mesh record: the mesh parameters that
// its first line carries behind the first impact point.
#pragma once

#include <string>

#include "MessageSink.h"
#include "inputfiles/ImpactSpec.h"

namespace velkor {

// The record changes only on success. A first line that ends after ny is a version-1 file
// (z0 := 3, with a warning). A file that ends early, holds no number where one belongs, a
// bound that no field of 8 characters can hold or a density other than 0 and 1 gives false,
// without a message of its own.
bool LoadImpFile(const std::string& path, TImpactSpec& spec, halvern::MessageSink& sink);

}  // namespace velkor
