// The plain text of an editor file: read as UTF-8 where the bytes are valid UTF-8, else as
// Latin-1, and written back in the encoding it was read with, lines ended by CR LF.
#pragma once

#include <string>
#include <string_view>

#include "richtext/TextCodec.h"

namespace halvern {

struct PlainText {
    std::string utf8;  // lines joined by '\n', without a line end after the last line
    TextEncoding encoding = TextEncoding::Utf8;
    // The empty text of a file that held one empty line: saved as that line, not as nothing.
    bool oneEmptyLine = false;
};

// CR LF, LF and a lone CR all end a line; the last line's end is not part of the text.
// Every other character, separators and no-break spaces included, is text.
PlainText DecodePlainText(std::string_view bytes);

// Every line followed by CR LF; an empty text is no line unless `oneEmptyLine`. Object marks
// (U+FFFC) are dropped; every other character is written as it is. Latin-1 text holding a
// character beyond Latin-1 is written as UTF-8, so nothing is lost.
std::string EncodePlainText(std::string_view utf8, TextEncoding encoding,
                            bool oneEmptyLine = false);

}  // namespace halvern
