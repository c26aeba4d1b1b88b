// Texts of the kit's core as the windows show them.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace halvern {

// Bytes decoded as UTF-8, or as Latin-1 where they are not valid UTF-8.
QString DecodeText(std::string_view bytes);

// A message for a label or box: decoded, and every CR (or CR LF) made a line break.
QString DisplayText(std::string_view message);

// A control's text for the core (UTF-8).
std::string CoreText(const QString& text);

// A control's characters as the core's search and the large-text view count them (UTF-16).
std::u16string CoreChars(const QString& text);
QString FromCoreChars(std::u16string_view chars);

}  // namespace halvern
