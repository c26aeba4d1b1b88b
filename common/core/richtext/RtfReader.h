// A tolerant reader of rich text format: groups, control words and symbols, \'hh in code page
// 1252, \uN with \ucN fallbacks (in the text and in font names), skipped \* destinations,
// bounded \binN, font and colour tables, character and paragraph formats, tables as
// tab-separated lines, field results, PNG and JPEG pictures (others as placeholders), and
// \object groups. What it does not know it skips; it
// never reads past its input and refuses groups nested deeper than kRtfMaxDepth.
#pragma once

#include <string>
#include <string_view>

#include "richtext/RichDoc.h"

namespace halvern {

inline constexpr int kRtfMaxDepth = 256;

// A file that begins with "{\rtf" is rich text.
bool LooksLikeRtf(std::string_view bytes);

struct RtfReadResult {
    bool ok = false;
    std::string error;  // why not, for a message that names the file
    RichDoc doc;
};

RtfReadResult ReadRtf(std::string_view bytes);

}  // namespace halvern
