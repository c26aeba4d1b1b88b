// Test-side reader of the files the set-up program writes: lines as the engine counts them, and
// target atoms read as the engine reads them (x, y, z, Z, mass, flags, then the name), each line
// checked against the atom-line layout.
#pragma once

#include <string>
#include <vector>

#include "targets/TargetSpec.h"

namespace velkor::test {

// The lines of a file, each of which must end with CR LF; a fault is added to `problems`.
std::vector<std::string> CrLfLines(const std::string& path, std::vector<std::string>& problems);

struct TargetFile {
    std::vector<TTargetAtom> atoms;
    std::vector<std::string> problems;  // empty when every line is sound
    size_t lineCount = 0;               // every line counts, an empty one too
};

TargetFile ReadTargetFile(const std::string& path);

}  // namespace velkor::test
