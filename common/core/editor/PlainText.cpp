#include "editor/PlainText.h"

namespace halvern {

namespace {

constexpr char32_t kObjectMark = 0xFFFC;

}  // namespace

PlainText DecodePlainText(std::string_view bytes) {
    PlainText text;
    const bool utf8 = IsValidUtf8(bytes);
    text.encoding = utf8 ? TextEncoding::Utf8 : TextEncoding::Latin1;
    const std::string decoded = utf8 ? std::string(bytes) : Latin1ToUtf8(bytes);
    text.utf8.reserve(decoded.size());
    for (size_t i = 0; i < decoded.size(); ++i) {
        if (decoded[i] == '\r') {
            if (i + 1 < decoded.size() && decoded[i + 1] == '\n') ++i;
            text.utf8 += '\n';
        } else {
            text.utf8 += decoded[i];
        }
    }
    if (!text.utf8.empty() && text.utf8.back() == '\n') {
        text.utf8.pop_back();
        text.oneEmptyLine = text.utf8.empty();
    }
    return text;
}

std::string EncodePlainText(std::string_view utf8, TextEncoding encoding, bool oneEmptyLine) {
    const bool latin1 = encoding == TextEncoding::Latin1 && FitsLatin1(utf8, kObjectMark);
    std::string out;
    if (utf8.empty()) return oneEmptyLine ? std::string("\r\n") : out;
    out.reserve(utf8.size() + utf8.size() / 16 + 2);
    size_t pos = 0;
    while (pos < utf8.size()) {
        const size_t start = pos;
        const char32_t c = NextUtf8(utf8, pos);
        if (c == kObjectMark) continue;
        if (c == '\n') {
            out += "\r\n";
        } else if (c == '\r') {
            if (pos < utf8.size() && utf8[pos] == '\n') ++pos;
            out += "\r\n";
        } else if (latin1) {
            out += static_cast<char>(c);
        } else {
            out.append(utf8.substr(start, pos - start));
        }
    }
    out += "\r\n";
    return out;
}

}  // namespace halvern
