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
inline constexpr int kDisplacementsHelp = 390;
inline constexpr int kTrajectoryPlotterHelp = 440;
inline constexpr int kPlotterOptionsHelp = 450;
inline constexpr int kGrapherHelp = 7010;
inline constexpr int kOpenDisplayHelp = 7030;
inline constexpr int kEmptyDataHelp = 7040;
inline constexpr int kSaveBitmapHelp = 7050;
inline constexpr int kHardcopyHelp = 7060;
inline constexpr int kGraphSetupHelp = 7070;
inline constexpr int kGraphFontHelp = 7080;
inline constexpr int kGraphDefaultsHelp = 7090;

}  // namespace brisal
