// The ASCII trajectory file: one text line per record, ten fields in physical units separated
// by single blanks, CR LF at the end. Positions in A, momenta in 1e-22 kg m/s and times in fs are
// fixed with 6, 6 and 2 decimals in fields of 10, 10 and 6; the mass (kg) scientific in 12; the
// particle index and run number integers in 5. A number that does not fit widens its field.
#pragma once

#include <cstddef>
#include <string>

#include "OslRecord.h"

namespace halvern {

inline constexpr int kAsciiCoordinateWidth = 10;
inline constexpr int kAsciiCoordinateDecimals = 6;
inline constexpr int kAsciiTimeWidth = 6;
inline constexpr int kAsciiTimeDecimals = 2;
inline constexpr int kAsciiMassWidth = 12;
inline constexpr int kAsciiIndexWidth = 5;
// The shortest line, without its line end: 6 x 10 + 6 + 12 + 5 + 5 characters and 9 blanks.
inline constexpr size_t kAsciiMinLineLength = 97;

// The values the ten fields show, widened as the file's writer widens them: the position's
// factor is the single-precision 1e10 (exact), the momentum's and time's the extended 1e22, 1e15.
struct AsciiTrajectoryValues {
    long double position[3];
    long double momentum[3];
    long double time;
    long double mass;
    int32_t particle;
    int32_t run;
};
AsciiTrajectoryValues AsciiValuesOf(const TOslRecord& record);

// Appends the record's line with its CR LF. The texts equal those of the number-text module
// (FormatFixed, FormatScientific, FormatInt), which this only computes faster.
void AppendAsciiTrajectoryLine(const TOslRecord& record, std::string& out);

}  // namespace halvern
