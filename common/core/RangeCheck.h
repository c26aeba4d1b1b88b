// The range check of the numeric edit and combo boxes: which texts pass, and the message that
// refuses the others.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace halvern {

// How an integer control writes its bounds in the message.
enum class IntBoundText {
    RightAligned,  // right-aligned in 11 characters (the integer edit)
    Bare,          // without leading blanks (the integer combo box)
};

// True when the whole text is a real with minValue <= value <= maxValue.
bool AcceptsRealText(std::string_view text, long double minValue, long double maxValue);
// True when the whole text is a 32-bit integer with minValue <= value <= maxValue.
bool AcceptsIntText(std::string_view text, int32_t minValue, int32_t maxValue);

// The refusal texts; CR (character 13) separates the lines.
std::string RangeMessageReal(long double minValue, long double maxValue);
std::string RangeMessageInt(int32_t minValue, int32_t maxValue, IntBoundText style);

// The longest message a control keeps.
constexpr size_t kRangeMessageMax = 100;

}  // namespace halvern
