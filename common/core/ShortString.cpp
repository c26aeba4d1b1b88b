#include "ShortString.h"

#include "NumberText.h"
#include "miscutil.h"

namespace halvern {

namespace {

std::string DropTrailingPoint(std::string text) {
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

// Mantissa digits go, the exponent stays.
std::string CutScientific(std::string_view text, size_t e, size_t maxLen) {
    const std::string_view exponent = text.substr(e);
    if (exponent.size() >= maxLen) return CutTo(text, maxLen);
    return DropTrailingPoint(CutTo(text.substr(0, e), maxLen - exponent.size())) +
           std::string(exponent);
}

}  // namespace

std::string CutRealText(std::string_view text, size_t maxLen) {
    if (text.size() <= maxLen) return std::string(text);
    const size_t e = text.find_first_of("eE");
    if (e != std::string_view::npos) return CutScientific(text, e, maxLen);
    const size_t integerDigits = text.find('.');
    if (integerDigits != std::string_view::npos && integerDigits <= maxLen)
        return DropTrailingPoint(CutTo(text, maxLen));
    long double value = 0;
    if (!ParseReal(text, value)) return CutTo(text, maxLen);
    const std::string scientific = TrimExponent(FormatScientific(value));
    return CutScientific(scientific, scientific.find('E'), maxLen);
}

std::string FileNameTooLongText(std::string_view name, size_t maxLen) {
    return "File name too long (more than " + std::to_string(maxLen) +
           " characters): " + CutTo(name, 60) + "...";
}

}  // namespace halvern
