// Texts with a fixed maximum length, as the kit's records and messages hold them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace halvern {

// The text cut to at most `maxLen` bytes.
inline std::string CutTo(std::string_view text, size_t maxLen) {
    return std::string(text.substr(0, maxLen));
}

// A real's text (fixed or scientific) cut to at most `maxLen` characters without losing its
// magnitude: a fixed text loses decimals only, a scientific one keeps its exponent and loses
// mantissa digits; a fixed text whose integer digits alone do not fit turns scientific.
std::string CutRealText(std::string_view text, size_t maxLen);

// A file name is never cut: true when it fits its field of `maxLen` characters.
inline bool FileNameFits(std::string_view name, size_t maxLen = 255) { return name.size() <= maxLen; }

// The message for a file name too long for its field.
std::string FileNameTooLongText(std::string_view name, size_t maxLen = 255);

}  // namespace halvern
