// Text and number conversions of the set-up program: its records keep values as typed texts,
// turned into numbers only when a file is written or a value is computed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "MessageSink.h"

namespace velkor {

// The whole text as a real; a bad text shows "Numeric conversion error (text)" and gives 0.
long double TextToReal(halvern::MessageSink& sink, std::string_view text);
// As TextToReal, without a message.
long double TextToRealQuiet(std::string_view text);
// The whole text as a 32-bit integer; a bad text shows the conversion message and gives 0.
int32_t TextToInt(halvern::MessageSink& sink, std::string_view text);
// As TextToInt, without a message.
int32_t TextToIntQuiet(std::string_view text);

// x:w:d (d = 0 gives no decimal point).
std::string FormatReal(int width, int decimals, long double x);

// A number for a text field of `width` characters: the general text of x with as many
// significant digits as fit, so a mantissa or exponent is never cut; none when not even one
// digit fits.
std::optional<std::string> FitRealText(long double x, size_t width);
// Fixed notation with at most `maxDecimals` decimals, trailing zeros dropped down to
// `minDecimals`; fewer decimals, then FitRealText, when it does not fit the width.
std::optional<std::string> FitFixedText(long double x, int minDecimals, int maxDecimals,
                                        size_t width);

// True for a real >= 0. A text that is no number shows "Cannot convert <text> to real number.";
// a negative number is refused silently.
bool CheckRealText(halvern::MessageSink& sink, std::string_view text);
// True for an integer > 0. A text that is no integer shows "Cannot convert <text> to integer.";
// a number <= 0 is refused silently.
bool CheckIntText(halvern::MessageSink& sink, std::string_view text);

inline void ShowWarning(halvern::MessageSink& sink, const std::string& text) {
    sink.warning(text);
}

}  // namespace velkor
