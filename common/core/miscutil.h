// Small helpers shared by the programs: number texts, error box, program-folder names, wildcard
// test, full-circle arc tangent and axis-range rounding.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "MessageSink.h"

namespace halvern {

// d <= 9: fixed with d decimals (cut to 20 characters); d > 9: scientific in d characters with a
// trimmed exponent. A fixed text that would not fit in 20 characters is given in scientific form.
std::string FloatToText(long double x, int decimals);

// Drops blanks and the exponent's leading zeros: " 1.2345678E+0002" gives "1.2345678E+2".
std::string TrimExponent(std::string_view text);

inline void ShowError(MessageSink& sink, const std::string& text) { sink.error(text); }

// The folder of the running program (with its trailing '/') followed by name.
std::string ProgramDirFile(std::string_view name);
std::string ProgramDir();

inline bool HasWildcards(std::string_view s) { return s.find_first_of("*?") != std::string_view::npos; }

// The angle of (x, y) in radians, 0 <= angle < 2 pi.
long double FullAtan2(long double x, long double y);

// Widens [lo, hi] to round values for a plot axis. An empty, reversed or non-finite range is left
// unchanged.
void RoundAxisRange(long double& lo, long double& hi);

// Engine log helpers.
std::string RealToText8(long double x);                 // x:8:8 cut to 8 characters
std::string RealToTextDigits(long double x, int decimals);  // x:1:d cut to 10 characters
std::string IntToText(int64_t value);
// False for a pattern; otherwise whether the file exists.
bool InputFileExists(const std::string& name);

}  // namespace halvern
