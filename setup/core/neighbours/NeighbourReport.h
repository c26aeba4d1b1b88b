// Neighbour listings of one atom of a target file (any text file whose lines begin with x y z in
// Angstrom): every atom's distance up to a range, sorted, and half the Morse pair potential of a
// model file for the same neighbours with their sum.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "MessageSink.h"
#include "text/FieldSpec.h"

namespace velkor {

inline constexpr IntFieldSpec kAtomIndexField{1, 50000, 6, "1"};
inline constexpr RealFieldSpec kNeighbourRangeField{0.0L, 100.0L, 8, "8.0"};
inline constexpr const char* kDefaultTargetPattern = "*.TRG";
inline constexpr const char* kDefaultModelPattern = "*.MDL";

// Which command reads: the distances name the target file in a read error, the potential
// command reports "Error reading input file.".
enum class NeighbourCommand { Distances, Potential };

// The atoms sorted by their distance from atom k (the line number of the target file; blank lines
// are no atoms but keep the numbering). Centre, range and distances are singles.
struct TNeighbourList {
    std::string targetName;
    int32_t k = 0;
    float cx = 1000, cy = 1000, cz = 1000;
    float range = 0;
    std::vector<float> distance;
    std::vector<int32_t> atom;
};

// Reads and sorts the target file. False, with its message, for a missing file (or a name
// still holding a wildcard), an index not naming an atom line, or a line that does not begin
// with three numbers.
bool ListNeighbours(const std::string& targetName, int32_t k, float range, NeighbourCommand command,
                    TNeighbourList& list, halvern::MessageSink& sink);

// Morse D (eV), alpha (1/Angstrom) and r0 (Angstrom): the first numbers of lines 6 to 8 of a
// model file.
struct TMorseParams {
    float D = 0, alpha = 0, r0 = 0;
};
bool ReadMorseParameters(const std::string& modelName, TMorseParams& morse,
                         halvern::MessageSink& sink);

// D (exp(-2 alpha (r - r0)) - 2 exp(-alpha (r - r0))), eV, as a single.
float MorsePotential(const TMorseParams& morse, float r);

// The report lines (no line ends).
std::vector<std::string> NeighbourDistanceReport(const TNeighbourList& list);
// Every listed neighbour but atom k itself, and the total; a neighbour at the very place of
// atom k is listed like any other.
std::vector<std::string> NeighbourPotentialReport(const TNeighbourList& list,
                                                  const TMorseParams& morse);

}  // namespace velkor
