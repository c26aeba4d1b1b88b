#include "GeneratorTestSupport.h"

#include <stdexcept>

#include "NumberText.h"

namespace velkor::test {

namespace {

template <class Spec>
void SetBox(Spec& spec, const LatticeBox& box) {
    spec.XWidth = halvern::FormatInt(box.X);
    spec.YWidth = halvern::FormatInt(box.Y);
    spec.Layers = halvern::FormatInt(box.L);
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
            TTargetSpec spec = CubicDefaults(command.record);
            SetBox(spec, box);
            spec.FileName = path;
            return command.generateCubic(spec, sink);
        }
        case TargetDialog::Hex: {
            THexTargetSpec spec = DefaultHcpParams();
            SetBox(spec, box);
            spec.FileName = path;
            return command.generateHex(spec, sink);
        }
        case TargetDialog::TwoSpecies: {
            TTwoSpeciesTargetSpec spec = command.record == TargetRecord::RockSalt
                                             ? DefaultRockSaltParams()
                                             : DefaultSphaleriteParams();
            spec.NX = halvern::FormatInt(box.X);
            spec.NY = halvern::FormatInt(box.Y);
            spec.NZ = halvern::FormatInt(box.L);
            spec.FileName = path;
            return command.buildTwoSpecies(spec, sink);
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
