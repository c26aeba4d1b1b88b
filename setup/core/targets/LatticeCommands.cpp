#include "targets/LatticeCommands.h"

#include "targets/SingleSpeciesGenerators.h"
#include "targets/TwoSpeciesBuilders.h"

namespace velkor {

namespace {

constexpr std::string_view kFcc = "&Face-centred cubic";
constexpr std::string_view kBcc = "&Body-centred cubic";
constexpr std::string_view kHcp = "&Hexagonal (hcp)";
constexpr std::string_view kDiamond = "&Diamond";
constexpr std::string_view kRockSalt = "&Rocksalt (NaCl)";
constexpr std::string_view kSphalerite = "&Sphalerite (ZnS)";

constexpr std::string_view kFamilies[] = {kFcc, kBcc, kHcp, kDiamond, kRockSalt, kSphalerite};

using R = TargetRecord;
using Captions = LatticeCaptions;

constexpr LatticeCommand Cubic(Captions c, R record, CubicGenerator generate, int atomsPerSite = 1,
                               CountLabels labels = {}) {
    return {c, record, TargetDialog::Cubic, atomsPerSite, labels, generate, nullptr, nullptr};
}

constexpr LatticeCommand Hex(Captions c) {
    return {c, R::Hcp, TargetDialog::Hex, 1, {}, nullptr, GenerateHcp0001, nullptr};
}

constexpr LatticeCommand TwoSpecies(Captions c, R record, TwoSpeciesBuilder build,
                                    int latticeMode) {
    return {c, record, TargetDialog::TwoSpecies, latticeMode, {}, nullptr, nullptr, build};
}

constexpr CountLabels kBcc110Labels{"*4+2", "*2+1", {}};
constexpr CountLabels kDiamondLabels{{}, {}, "*2"};

constexpr LatticeCommand kCommands[] = {
    Cubic({"Fcc100Click", kFcc, "(100) surface", "FCC Target: (100) Surface",
           "Save Fcc(100) target specification file as..."},
          R::Fcc, GenerateFcc100),
    Cubic({"Fcc110Click", kFcc, "(110) surface", "FCC Target: (110) Surface",
           "Save Fcc(110) target specification file as..."},
          R::Fcc, GenerateFcc110),
    Cubic({"Fcc111Click", kFcc, "(111) surface", "FCC Target: (111) Surface",
           "Save Fcc(111) target specification file as..."},
          R::Fcc, GenerateFcc111),
    Cubic({"Bcc100Click", kBcc, "(100) surface", "BCC Target: (100) Surface",
           "Save Bcc(100) target specification file as..."},
          R::Bcc, GenerateBcc100),
    Cubic({"Bcc110Click", kBcc, "(110) surface", "BCC Target: (110) Surface",
           "Save Bcc(110) target specification file as..."},
          R::Bcc, GenerateBcc110, 2, kBcc110Labels),
    Hex({"Hex111Click", kHcp, "(0001) surface", "HCP Target: (0001) Surface",
         "Save Hcp(0001) target specification file as..."}),
    Cubic({"Dia100Click", kDiamond, "(100) surface", "Diamond Target: (100) Surface",
           "Save Diamond(100) target specification file as..."},
          R::Diamond, GenerateDiamond100, 2, kDiamondLabels),
    Cubic({"Dia110Click", kDiamond, "(110) surface", " Diamond Target: (110) Surface",
           "Save Diamond(110) target specification file as..."},
          R::Diamond, GenerateDiamond110, 2, kDiamondLabels),
    Cubic({"Dia111Click", kDiamond, "(111) surface", " Diamond Target: (111) Surface",
           "Save Diamond(111) target specification file as..."},
          R::Diamond, GenerateDiamond111, 2, kDiamondLabels),
    TwoSpecies({"N100Surface3Click", kRockSalt, "(100) surface", "Rocksalt (100)",
                "Save Rocksalt (100) target specification file as..."},
               R::RockSalt, BuildRockSalt100, 1),
    TwoSpecies({"N100surface5Click", kSphalerite, "(100) surface", "Sphalerite (100)",
                "Save Sphalerite (100) target specification file as..."},
               R::Sphalerite, BuildSphalerite100, 2),
    TwoSpecies({"N110surface4Click", kSphalerite, "(110) surface", "Sphalerite (110)",
                "Save Sphalerite (110) target specification file as..."},
               R::Sphalerite, BuildSphalerite110, 2),
};

}  // namespace

std::span<const LatticeCommand> LatticeCommands() {
    return kCommands;
}
std::span<const std::string_view> LatticeFamilies() {
    return kFamilies;
}

}  // namespace velkor
