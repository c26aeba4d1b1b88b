// The lines of an impact file: one point a line, the first point followed by the parameters of
// the mesh that wrote the file.
#pragma once

#include <cstdint>
#include <string>

#include "TextReader.h"

namespace velkor {

// The mesh parameters that the first line carries behind its point.
struct TMeshHeader {
    double bxMin = 0, bxMax = 0, byMin = 0, byMax = 0;  // Angstrom
    double angle = 90;                                  // degrees
    int32_t density = 0, nx = 0, ny = 0;
    double z0 = 3;  // Angstrom
};

// The mesh dialog's point: x:10:8 y:10:8 z0:10:8.
std::string MeshPointText(double x, double y, double z0);
// A re-oriented point: three reals without width (scientific, 23 characters each).
std::string ReorientedPointText(double x, double y, double z);
// " bx(min) bx(max) by(min) by(max) angle" (each :8:6), " density nx ny" (no width) and
// " z0:8:6".
std::string MeshHeaderText(const TMeshHeader& header);

inline constexpr const char* kLineEnd = "\r\n";

// What follows the point on a first line.
enum class HeaderKind {
    None,      // the line ends after the point: a plain list of points
    Complete,  // all nine parameters
    NoZ0,      // a version 1 line, which ends after ny
    Broken,    // anything else
};

// Reads the parameters behind the first point; the rest of the line is left.
HeaderKind ReadMeshHeader(halvern::TextReader& line, TMeshHeader& header);

}  // namespace velkor
