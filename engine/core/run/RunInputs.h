// The run-level steps of reading a run's input files: each reads through the readers of input/
// into the run state and reports at the level of the run.
#pragma once

#include <cstdint>
#include <string>

#include "run/RunState.h"

namespace halvern {

// The run's read, into rs.inelastic.params: a model the file switches off stays off for this run
// and in the program-wide options.
bool ReadInelasticFile(const std::string& name, TRunState& rs);

// Logs the parameter block and, unless rs.batch is set, asks "Proceed with simulation now?".
// Non-zero when the user refuses the run. The termination-test line shows
// rs.model.TestProjectileOnly, which the caller reads from the model file beforehand.
// Reads the run file into rs.run (input/RunFile) and chooses the record writer of its output
// option; 0 for success.
int32_t ReadRunFile(const std::string& fileName, TRunState& rs);

// Reads the N atoms into particles 1..N at the first impact (input/TargetFile), placing the
// projectile and reading the model file after line 1 and displacing every atom when the model's
// vibrations are on. False, after its box, when the target or the model file is refused.
bool ReadTargetFile(const std::string& targetFile, const std::string& modelFile, int32_t N,
                    TRunState& rs);

int32_t ReportRunParameters(int32_t projectileZ, const std::string& name, int32_t N, double energy,
                            double mass, TRunState& rs);

}  // namespace halvern
