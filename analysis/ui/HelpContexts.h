// Help context numbers of the analysis program; each has its page in help/brisal/.
#pragma once

namespace brisal {

inline constexpr const char* kHelpProgram = "brisal";

inline constexpr int kIntroductionHelp = 1;
inline constexpr int kQueryLanguageHelp = 50;
inline constexpr int kFilterHelp = 310;
inline constexpr int kCollateHelp = 320;
inline constexpr int kAveragesHelp = 330;
inline constexpr int kSpectrumHelp = 340;
inline constexpr int kFormatColumnsHelp = 350;
inline constexpr int kConvertHelp = 360;
inline constexpr int kFilterGeniusHelp = 370;
inline constexpr int kExpressionGeniusHelp = 380;

}  // namespace brisal
