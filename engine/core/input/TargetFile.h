// The target file (.TRG): one line per atom of x, y, z (Angstrom), Z, mass (amu), flags and
// symbol. Atom k of the file is particle k of the run.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "MessageSink.h"
#include "dynamics/ParticleArrays.h"
#include "host/EngineHost.h"

namespace halvern {

constexpr int32_t kMaxTargetAtoms = 30000;

// The number of lines (every line counts, an empty one too), at most 30000. A file that cannot
// be opened gives the box "Cannot open Target file:" + CR + name and 0.
int32_t CountTargetLines(const std::string& fileName, MessageSink& sink);

// Before anything is allocated: refuses a target whose atomic numbers leave 1..1000, whose
// masses are not above 0 or exceed 1e4 amu, whose positions leave +-1e6 A or that has two atoms
// at the same place, with a box and a red line naming the line, the value and the file. Lines
// that cannot be read are left to ReadTargetAtoms, which reports them.
bool CheckTargetAtoms(const std::string& fileName, int32_t N, EngineHost& host);

// Reads the N atoms into particles 1..N (positions and sites in m, masses in kg), logging the
// rest of line 1. `atomRead(i)` follows each atom's values, its mass still in amu; a false
// result ends the reading with false. False, after its box, on a format error or a value that
// CheckTargetAtoms refuses.
bool ReadTargetAtoms(const std::string& targetFile, int32_t N, TParticleArrays& particles,
                     EngineHost& host, const std::function<bool(int32_t)>& atomRead);

}  // namespace halvern
