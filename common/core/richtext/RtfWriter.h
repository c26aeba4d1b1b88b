// Writes a rich-text document as RTF in code page 1252: characters of the code page as \'hh,
// all others as \uN? (with '?' for readers without Unicode). Pictures are written as PNG or
// JPEG, the kit's objects as \object groups with their picture as \result, and foreign objects
// and pictures exactly as they were read.
#pragma once

#include <string>

#include "richtext/RichDoc.h"

namespace halvern {

// The font written for runs without a font of their own when the document names none.
inline constexpr const char* kRtfFallbackFont = "Courier New";

std::string WriteRtf(const RichDoc& doc);

}  // namespace halvern
