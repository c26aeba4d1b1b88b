// The set-up program's target records: lattice parameters as typed, with their field widths and
// stored defaults, and one parsed atom line.
#pragma once

#include <cstdint>
#include <string>

#include "text/ShortText.h"

namespace velkor {

// Field widths shared by the three target records.
using SymbolText = ShortText<2>;
using LatticeConstText = ShortText<7>;
using AtomicNumberText = ShortText<2>;
using MassText = ShortText<10>;
using CountText = ShortText<4>;
using OriginText = ShortText<10>;

// Longest file name a target record holds; a longer name is refused, never cut.
inline constexpr size_t kTargetFileNameWidth = 255;

// FCC, BCC and diamond generators.
struct TTargetSpec {
    std::string FileName;
    SymbolText Symbol;
    LatticeConstText LatticeConst;
    AtomicNumberText AtomicNumber;
    MassText Mass;
    CountText XWidth;  // sites run from -X to X
    CountText YWidth;
    CountText Layers;
    OriginText XOrigin, YOrigin, ZOrigin;
    uint8_t Flags = 0;
};

// Hexagonal close-packed generator: a1 (= a2) in the plane, a3 along the c axis.
struct THexTargetSpec {
    std::string FileName;
    SymbolText Symbol;
    LatticeConstText LatticeConstA1;
    LatticeConstText LatticeConstA3;
    AtomicNumberText AtomicNumber;
    MassText Mass;
    CountText XWidth;
    CountText YWidth;
    CountText Layers;
    OriginText XOrigin, YOrigin, ZOrigin;
    uint8_t Flags = 0;
};

// Rocksalt and sphalerite builders; species 1 is the dialog's "type 1 atom".
struct TTwoSpeciesTargetSpec {
    std::string FileName;
    SymbolText Symbol1;
    MassText Mass1;
    AtomicNumberText AtomicNumber1;
    SymbolText Symbol2;
    MassText Mass2;
    AtomicNumberText AtomicNumber2;
    LatticeConstText LatticeConst;
    CountText NX, NY, NZ;
    OriginText XOrigin, YOrigin, ZOrigin;
    uint8_t Flags = 0;
};

// One atom line of a target file.
struct TTargetAtom {
    long double x = 0, y = 0, z = 0;  // Angstrom
    int32_t AtomicNumber = 0;
    long double Mass = 0;  // amu
    int32_t Flags = 0;     // 0..255
    std::string Symbol;    // exactly 2 characters
};

TTargetSpec DefaultFccParams();
TTargetSpec DefaultBccParams();
TTargetSpec DefaultDiamondParams();
THexTargetSpec DefaultHcpParams();
TTwoSpeciesTargetSpec DefaultRockSaltParams();
TTwoSpeciesTargetSpec DefaultSphaleriteParams();

// The six parameter records that live for the whole run of the program; each lattice command
// starts from the values it last wrote.
struct TargetParams {
    TTargetSpec FccParams = DefaultFccParams();
    TTargetSpec BccParams = DefaultBccParams();
    TTargetSpec DiamondParams = DefaultDiamondParams();
    THexTargetSpec HcpParams = DefaultHcpParams();
    TTwoSpeciesTargetSpec RockSaltParams = DefaultRockSaltParams();
    TTwoSpeciesTargetSpec SphaleriteParams = DefaultSphaleriteParams();
};

}  // namespace velkor
