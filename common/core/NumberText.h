// Locale-free number text: the one rule by which every program of the kit writes and reads numbers.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

static_assert(std::numeric_limits<long double>::digits == 64,
              "the kit computes in 80-bit extended reals (64-bit mantissa)");

namespace halvern {

// x:w:d - fixed notation with d decimals, right-aligned in w, longer when it does not fit.
// "-" for every negative value, also one that rounds to zero.
std::string FormatFixed(long double x, int width, int decimals);

// x:w - scientific notation: sign blank or "-", one digit, ".", clamp(w - 9, 1, 17) digits,
// "E", sign, four exponent digits, right-aligned in w.
std::string FormatScientific(long double x, int width = 23);

// n:w - an integer right-aligned in w (w = 0: bare digits).
std::string FormatInt(int64_t n, int width = 0);

// The shortest real text: 15 significant digits, trailing zeros dropped; fixed notation when
// 1e-5 <= |x| < 1e15, else "d.ddddE-n"; "0" for zero.
std::string ShortestRealText(long double x);
// The same rule with at most `significant` digits (1..18).
std::string FormatGeneral(long double x, int significant);
// Those digits always in the form "d.ddddE-n".
std::string FormatGeneralScientific(long double x, int significant);

// Strict whole-text conversions: leading blanks allowed, nothing after the number.
// Reals: [+-]digits[.digits][(E|e)[+-]digits]; "inf", "nan", hex and "," are refused.
bool ParseReal(std::string_view text, long double& value);
bool ParseInt32(std::string_view text, int32_t& value);

// Conversions of one token of an input file: no surrounding blanks. Reals also accept a
// mantissa with digits on one side of the point only ("1.", ".5").
bool ParseRealToken(std::string_view token, long double& value);
bool ParseInt32Token(std::string_view token, int32_t& value);

}  // namespace halvern
