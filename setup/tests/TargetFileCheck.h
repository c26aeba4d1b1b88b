// Test-side reader of target files: reads every line as the engine does (x, y, z, Z, mass,
// flags, then the name) and checks the written layout column by column.
#pragma once

#include <string>
#include <vector>

#include "TargetSpec.h"

namespace velkor::test {

struct TargetFile {
    std::vector<TTargetAtom> atoms;
    std::vector<std::string> problems;  // empty when every line is sound
    size_t lineCount = 0;               // every line counts, an empty one too
};

TargetFile ReadTargetFile(const std::string& path);

// A fresh empty folder for one test's files.
std::string TempFolder(const std::string& name);

}  // namespace velkor::test
