// SplineDataFile: the composite potential or force as text, one line per radius: r in Angstrom,
// the value and the literal "0.0", separated by one blank, with CR LF line ends.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "MessageSink.h"

namespace velkor {

inline constexpr const char* kPotentialFileName = "POTENTL.SPL";
inline constexpr const char* kForceFileName = "FORCE.SPL";

// The points a graph holds (singles); a longer file is read up to here.
inline constexpr size_t kMaxCurvePoints = 500;

struct TPotentialCurve {
    std::vector<float> r;
    std::vector<float> value;
    size_t count() const { return r.size(); }
};

// One line of the file, in the runtime's default real notation.
std::string SplineDataLine(double rAngstrom, double value);

// The (r, value) pairs of a file's bytes: up to 500 lines, each beginning with two numbers (a
// third column is ignored); a blank line or the end of the data ends them. False when a line
// before that does not begin with two numbers that a single holds.
bool ParsePotentialData(std::string_view bytes, TPotentialCurve& curve);

// Reads a file into the curve. On failure: "Error reading " + name + ".", and no points.
bool LoadPotentialData(const std::string& name, TPotentialCurve& curve, halvern::MessageSink& sink);

}  // namespace velkor
