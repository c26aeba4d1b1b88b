// Reads of spill files that fail on purpose: this test program replaces pread(2), and while a
// folder is named here, a read of a file in it returns short, as a failing disk would.
#pragma once

#include <string>

namespace halvern::test {

// Reads of files under `folder` fail after `goodReads` more reads succeed; "" ends the failures.
void FailSpillReadsUnder(const std::string& folder, int goodReads = 0);

// Reads that failed so far.
int FailedSpillReads();

}  // namespace halvern::test
