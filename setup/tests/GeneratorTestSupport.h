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

// The crystal structure seen from the atoms alone: no two atoms closer than 0.9 nearest-neighbour
// distances and the closest pair at nn; every interior atom (within 1.2 nn of the crystallite's
// centre, so its whole first shell was written) with `coordination` neighbours within 1.05 nn,
// the nearest at nn (to 1e-4, as coordinates have 5 decimals), and of the other species when
// `unlikeNeighbours`. Failures are reported as test failures.
void CheckStructure(const TargetFile& file, long double nn, int coordination,
                    bool unlikeNeighbours = false);

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
