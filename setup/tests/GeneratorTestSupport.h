// Runs any lattice command's generator on its default record with chosen dimensions.
#pragma once

#include <string>

#include "GeneratorFrame.h"
#include "LatticeCommands.h"
#include "TargetFileCheck.h"

namespace velkor::test {

const LatticeCommand& CommandNamed(std::string_view handler);

// The command's default record with X, Y, L set and the file name `path`; true when written.
bool Generate(const LatticeCommand& command, const LatticeBox& box, const std::string& path,
              halvern::MessageSink& sink);

// Generates into a file of the folder and reads it back.
TargetFile GenerateAndRead(const LatticeCommand& command, const LatticeBox& box,
                           const std::string& folder);

}  // namespace velkor::test
