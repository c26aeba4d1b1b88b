// Whole-text conversions of a control's text for handlers that take the text as it stands: a
// text that is no number is reported with the standard conversion message.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "MessageSink.h"

namespace halvern {

std::string InvalidRealText(std::string_view text);  // "'x' is not a valid floating point value"
std::string InvalidIntText(std::string_view text);   // "'x' is not a valid integer value"

// False, with the conversion message, for a text that is no number (value unchanged).
bool StrToReal(MessageSink& sink, std::string_view text, long double& value);
bool StrToInt(MessageSink& sink, std::string_view text, int32_t& value);

}  // namespace halvern
