// The twelve lattice commands of the Target menu's New submenu, in menu order: captions, the
// record each edits, the count factor of its dialog and the generator it runs.
#pragma once

#include <span>
#include <string_view>

#include "MessageSink.h"
#include "targets/TargetSpec.h"

namespace velkor {

enum class TargetRecord { Fcc, Bcc, Diamond, Hcp, RockSalt, Sphalerite };
enum class TargetDialog { Cubic, Hex, TwoSpecies };

struct LatticeCaptions {
    std::string_view handler;  // the command's name, also the menu action's object name
    std::string_view family;   // submenu of "&New"
    std::string_view item;
    std::string_view dialogCaption;
    std::string_view saveTitle;
};

// Multiplier labels of the cubic dialog while the command runs (empty: left as they are).
struct CountLabels {
    std::string_view xWidth, yWidth, depth;
};

using CubicGenerator = bool (*)(const TTargetSpec&, halvern::MessageSink&);
using HexGenerator = bool (*)(const THexTargetSpec&, halvern::MessageSink&);
using TwoSpeciesBuilder = bool (*)(const TTwoSpeciesTargetSpec&, halvern::MessageSink&);

struct LatticeCommand {
    LatticeCaptions captions;
    TargetRecord record;
    TargetDialog dialog;
    int atomsPerSite;  // CellFactor of the cubic dialog, LatticeMode of the two-species one
    CountLabels labels;
    // Exactly one of the three is set, matching `dialog`.
    CubicGenerator generateCubic = nullptr;
    HexGenerator generateHex = nullptr;
    TwoSpeciesBuilder buildTwoSpecies = nullptr;
};

std::span<const LatticeCommand> LatticeCommands();

// The menu family captions in menu order.
std::span<const std::string_view> LatticeFamilies();

}  // namespace velkor
