// The run's three output files: begun as new versions once every input is checked, written while
// trajectories run, and put in place together at the end of the run, or left as they were.
#pragma once

#include <string>

namespace halvern {

struct TRunState;

// Begins the outputs the options and the run file ask for. False, after the box and the red
// log lines, when one is refused (read-only, no regular file) or cannot be made.
bool CreateRunOutputs(TRunState& rs);

// True once a write to an output failed: nothing of the run will be put in place.
bool RunOutputFailed(const TRunState& rs);

// At the end of a run: once a trajectory was followed and nothing failed, the outputs take the
// run's records (an aborted run's finished trajectories among them); after a failed write, or
// when the run ended before its first trajectory, every output stays as it was (the failure is
// reported in a box and in the log).
void FinishRunOutputs(TRunState& rs);

// Drops whatever outputs are still open (every way out of a run).
void DiscardRunOutputs(TRunState& rs);

// The box text when a write to an output failed (the run stops at once).
std::string RunOutputFailedText(const std::string& name);

}  // namespace halvern
