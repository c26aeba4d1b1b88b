// Saving a large plain text by the editors' plain-text rules: every line followed by CR LF (an
// empty file left empty stays empty), in the encoding the file was read with, unless a Latin-1
// text now holds a character beyond Latin-1: then all of it is UTF-8, so nothing is lost.
#pragma once

#include <string>

#include "ReplacingFile.h"
#include "largetext/LargeText.h"

namespace halvern {

// Replaces the file only once the whole text is written; false when it could not be.
WriteOutcome SaveLargeText(const LargeText& text, const std::string& path);

}  // namespace halvern
