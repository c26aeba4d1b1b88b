// Colours as 0x00BBGGRR integers, the form in which the kit's data hold them.
#pragma once

#include <cstdint>

namespace halvern {

using ColourRef = uint32_t;

namespace colour {
constexpr ColourRef Black = 0x000000;
constexpr ColourRef Red = 0x0000FF;
constexpr ColourRef Blue = 0xFF0000;
constexpr ColourRef Magenta = 0xFF00FF;
constexpr ColourRef Green = 0x008000;
constexpr ColourRef DarkRed = 0x000080;
constexpr ColourRef Grey = 0x808080;
}  // namespace colour

constexpr int RedOf(ColourRef c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(ColourRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(ColourRef c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace halvern
