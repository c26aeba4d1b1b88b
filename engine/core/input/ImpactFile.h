// The impact-point file (.IMP): one line per impact point of x, y (offsets from atom 1) and the
// starting height, in Angstrom; the first line also carries the mesh parameters, which the
// engine skips.
#pragma once

#include <string>

#include "TextReader.h"
#include "host/EngineHost.h"

namespace halvern {

struct TImpactLine {
    double x = 0, y = 0, height = 0;  // Angstrom
    int line = 0;                     // 1-based line of the file
    int numbers = 0;                  // numbers found before the line ended (at most 3)
    std::string text;                 // the line as read, for messages
};

// The next impact line, blank lines skipped; false at the end of the file. Only the first three
// numbers of the line are read, each of them on the line itself.
bool NextImpactLine(TextReader& in, TImpactLine& line);

// True when the line can start a trajectory: three numbers, finite offsets within +-1e6 A and a
// height above 0 (a projectile starting on atom 1 would meet it at distance 0); otherwise its red
// lines name the file, the line and the value.
bool CheckImpactLine(const TImpactLine& line, const std::string& fileName, EngineHost& host);

// Before anything is allocated: every line of the file checked, and a file without an impact
// point refused ("  No impact point in " + name). `impacts` is not moved.
bool CheckImpactFile(const TextReader& impacts, const std::string& fileName, EngineHost& host);

}  // namespace halvern
