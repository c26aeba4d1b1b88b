// Runs any lattice command's generator on its default record with chosen dimensions.
#pragma once

#include <string>

#include "ScratchDir.h"
#include "TargetFileCheck.h"
#include "targets/GeneratorFrame.h"
#include "targets/LatticeCommands.h"

namespace velkor::test {

const LatticeCommand& CommandNamed(std::string_view handler);

// The command's default record with X, Y, L set and the file name `path`; true when written.
bool Generate(const LatticeCommand& command, const LatticeBox& box, const std::string& path,
              halvern::MessageSink& sink);

// Generates into a file of the folder and reads it back.
TargetFile GenerateAndRead(const LatticeCommand& command, const LatticeBox& box,
                           const std::string& folder);

// Generated files go to a scratch folder of the test.
class GeneratorTest : public halvern::test::ScratchDir {
  protected:
    TargetFile generateAndRead(const LatticeCommand& command, const LatticeBox& box) const {
        return GenerateAndRead(command, box, dir_.string());
    }
    TargetFile generateAndRead(std::string_view handler, const LatticeBox& box) const {
        return generateAndRead(CommandNamed(handler), box);
    }
};

}  // namespace velkor::test
