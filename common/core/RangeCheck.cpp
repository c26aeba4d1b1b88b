#include "RangeCheck.h"

#include "NumberText.h"
#include "ShortString.h"

namespace halvern {

namespace {

std::string RangeMessage(std::string_view kind, const std::string& minText,
                         const std::string& maxText) {
    std::string text = "Input value must be ";
    text += kind;
    text += " in range:\r\rMinimum:  ";
    text += minText;
    text += "\rMaximum: ";
    text += maxText;
    text += '\r';
    return CutTo(text, kRangeMessageMax);
}

std::string RealBoundText(long double x) {
    return CutTo(FormatScientific(x, 11), 12);
}

std::string IntBoundTextOf(int32_t n, IntBoundText style) {
    return FormatInt(n, style == IntBoundText::RightAligned ? 11 : 0);
}

}  // namespace

bool AcceptsRealText(std::string_view text, long double minValue, long double maxValue) {
    long double value = 0;
    return ParseReal(text, value) && minValue <= value && value <= maxValue;
}

bool AcceptsIntText(std::string_view text, int32_t minValue, int32_t maxValue) {
    int32_t value = 0;
    return ParseInt32(text, value) && minValue <= value && value <= maxValue;
}

std::string RangeMessageReal(long double minValue, long double maxValue) {
    return RangeMessage("number", RealBoundText(minValue), RealBoundText(maxValue));
}

std::string RangeMessageInt(int32_t minValue, int32_t maxValue, IntBoundText style) {
    return RangeMessage("integer", IntBoundTextOf(minValue, style),
                        IntBoundTextOf(maxValue, style));
}

}  // namespace halvern
