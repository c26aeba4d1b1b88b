// The model dialog's plausibility checks: warnings that never stop the file from being written.
#pragma once

#include "MessageSink.h"
#include "inputfiles/ModelSpec.h"

namespace velkor {

// Each check shows its box at most once, in a fixed order; texts that do not convert give
// their conversion message and count as 0.
void CheckModelValues(const TModelSpec& spec, halvern::MessageSink& sink);

}  // namespace velkor
