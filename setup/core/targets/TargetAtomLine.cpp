#include "targets/TargetAtomLine.h"

#include <cstdint>

#include "text/FilledLines.h"

namespace velkor {

namespace {

bool ReadPositionAndSpecies(halvern::TextReader& line, TTargetAtom& atom) {
    return ReadLineReal(line, atom.x) && ReadLineReal(line, atom.y) && ReadLineReal(line, atom.z) &&
           ReadLineInt(line, atom.AtomicNumber) && ReadLineReal(line, atom.Mass);
}

// One separating character, then the symbol's two characters (fewer where the line ends).
void ReadSymbol(halvern::TextReader& line, TTargetAtom& atom) {
    if (!line.eoln()) line.readChar();
    atom.Symbol = line.readString(2);
}

}  // namespace

bool ReadTargetAtom(halvern::TextReader& line, TTargetAtom& atom) {
    if (!ReadPositionAndSpecies(line, atom) || !ReadLineInt(line, atom.Flags)) return false;
    ReadSymbol(line, atom);
    return true;
}

bool ReadVersion21Atom(halvern::TextReader& line, TTargetAtom& atom) {
    if (!ReadPositionAndSpecies(line, atom)) return false;
    atom.Flags = 0;
    ReadSymbol(line, atom);
    return true;
}

bool HasFlagsColumn(halvern::TextReader line) {
    TTargetAtom atom;
    int32_t flags = 0;
    return ReadPositionAndSpecies(line, atom) && ReadLineInt(line, flags);
}

}  // namespace velkor
