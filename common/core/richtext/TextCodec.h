// Character conversions of rich and plain text: code page 1252, Latin-1 and UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace halvern {

// The character of a code page 1252 byte; the five bytes the code page leaves undefined map to
// the C1 control of the same number, as the platform's conversion does.
char32_t Cp1252ToUnicode(uint8_t byte);
// The code page 1252 byte of a character, or -1 when the code page has none.
int UnicodeToCp1252(char32_t c);

void AppendUtf8(std::string& out, char32_t c);
// The next character of UTF-8 text at `pos`, which moves past it; an invalid sequence reads as
// U+FFFD and moves one byte on.
char32_t NextUtf8(std::string_view text, size_t& pos);
bool IsValidUtf8(std::string_view bytes);
std::string Latin1ToUtf8(std::string_view bytes);
// Whether every character of UTF-8 text, `ignored` aside, has a Latin-1 byte.
bool FitsLatin1(std::string_view utf8, char32_t ignored = 0);

// An editor's UTF-16 characters as UTF-8 and back; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
void AppendUtf16(std::u16string& out, std::string_view utf8);
void AppendLatin1AsUtf16(std::u16string& out, std::string_view bytes);

// The encodings a plain text is read and written in.
enum class TextEncoding : uint8_t { Utf8, Latin1 };

}  // namespace halvern
