// Help contexts of the shared windows; each program that shows one lists it in its own table
// and has its page.
#pragma once

namespace halvern {

inline constexpr int kEditorHelpContext = 30;
inline constexpr int kScatterHelp = 620;

}  // namespace halvern
