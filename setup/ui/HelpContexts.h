// Help context numbers of the set-up program's windows; each has its page in help/velkor/.
#pragma once

namespace velkor {

inline constexpr const char* kHelpProgram = "velkor";
inline constexpr int kIntroductionHelp = 10;
inline constexpr int kCubicDialogHelp = 100;
inline constexpr int kHexDialogHelp = 110;
inline constexpr int kTwoSpeciesDialogHelp = 120;
inline constexpr int kTargetOrientHelp = 130;
inline constexpr int kConvertVersion21Help = 140;
inline constexpr int kImpactDialogHelp = 501;
inline constexpr int kImpactTemplatesHelp = 503;
inline constexpr int kImpactOrientHelp = 510;

}  // namespace velkor
