// The inelastic passes of a run's trajectory: the step they work on, built from the run's shared
// part and the trajectory's part, with the event lines going where the trajectory's records go.
#pragma once

#include <cstdint>

#include "dynamics/InelasticModels.h"
#include "run/RunState.h"

namespace halvern {

// The models that the run's options select, after the velocity update of a Verlet step
// (dynamics/InelasticModels); the Shapiro-Tombrello draws come from `random`.
void ApplyInelasticModels(const TRunShared& run, TTrajectoryState& tj, UniformRandom* random,
                          const TTargetExtent& extent, int32_t N, double dt);
void ApplyInelasticModels(TRunState& rs, const TTargetExtent& extent, int32_t N, double dt);

}  // namespace halvern
