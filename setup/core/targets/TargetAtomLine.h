// Readers of one target-file line into a TTargetAtom: the current layout (x y z Z mass flags
// symbol) and the version 2.1 layout, which has no flags column.
#pragma once

#include "TextReader.h"
#include "targets/TargetSpec.h"

namespace velkor {

// x, y, z, Z, mass, flags, one separating character and the 2-character symbol; the rest of
// the line is dropped. False when a value is no number.
bool ReadTargetAtom(halvern::TextReader& line, TTargetAtom& atom);

// x, y, z, Z, mass, one separating character and the 2-character symbol; flags 0.
bool ReadVersion21Atom(halvern::TextReader& line, TTargetAtom& atom);

// True when the value after the mass is an integer, as the flags of the current layout are: a
// version 2.1 line holds its symbol there.
bool HasFlagsColumn(halvern::TextReader line);

}  // namespace velkor
