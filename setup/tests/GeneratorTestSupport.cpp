#include "GeneratorTestSupport.h"

#include <stdexcept>

#include "NumberText.h"

namespace velkor::test {

namespace {

template <class Params>
void SetBox(Params& params, const LatticeBox& box) {
    params.XWidth = halvern::FormatInt(box.X);
    params.YWidth = halvern::FormatInt(box.Y);
    params.Layers = halvern::FormatInt(box.L);
}

TTargetSpec CubicDefaults(TargetRecord record) {
    switch (record) {
        case TargetRecord::Bcc:
            return DefaultBccParams();
        case TargetRecord::Diamond:
            return DefaultDiamondParams();
        default:
            return DefaultFccParams();
    }
}

}  // namespace

const LatticeCommand& CommandNamed(std::string_view handler) {
    for (const LatticeCommand& c : LatticeCommands())
        if (c.captions.handler == handler) return c;
    throw std::invalid_argument("no lattice command " + std::string(handler));
}

bool Generate(const LatticeCommand& command, const LatticeBox& box, const std::string& path,
              halvern::MessageSink& sink) {
    switch (command.dialog) {
        case TargetDialog::Cubic: {
            TTargetSpec params = CubicDefaults(command.record);
            SetBox(params, box);
            params.FileName = path;
            return command.generateCubic(params, sink);
        }
        case TargetDialog::Hex: {
            THexTargetSpec params = DefaultHcpParams();
            SetBox(params, box);
            params.FileName = path;
            return command.generateHex(params, sink);
        }
        case TargetDialog::TwoSpecies: {
            TTwoSpeciesTargetSpec params = command.record == TargetRecord::RockSalt
                                               ? DefaultRockSaltParams()
                                               : DefaultSphaleriteParams();
            params.NX = halvern::FormatInt(box.X);
            params.NY = halvern::FormatInt(box.Y);
            params.NZ = halvern::FormatInt(box.L);
            params.FileName = path;
            return command.buildTwoSpecies(params, sink);
        }
    }
    return false;
}

TargetFile GenerateAndRead(const LatticeCommand& command, const LatticeBox& box,
                           const std::string& folder) {
    const std::string path = folder + "/" + std::string(command.captions.handler) + ".trg";
    halvern::RecordingSink sink;
    if (!Generate(command, box, path, sink)) {
        TargetFile failed;
        failed.problems.push_back("not written: " + path);
        return failed;
    }
    return ReadTargetFile(path);
}

}  // namespace velkor::test
