// Help context numbers of the analysis program, in one table: a new window adds its context
// here and its page in help/brisal/ (help/tests checks both).
#pragma once

#include "ContextHelp.h"
#include "SharedHelpContexts.h"

namespace brisal {

inline constexpr const char* kHelpProgram = "brisal";

inline constexpr int kIntroductionHelp = 1;
inline constexpr int kQueryLanguageHelp = 50;
inline constexpr int kEditorFilesHelp = 100;
inline constexpr int kSaveLogHelp = 110;
inline constexpr int kEditMenuHelp = 200;
inline constexpr int kFilterHelp = 310;
inline constexpr int kCollateHelp = 320;
inline constexpr int kAveragesHelp = 330;
inline constexpr int kSpectrumHelp = 340;
inline constexpr int kFormatColumnsHelp = 350;
inline constexpr int kConvertHelp = 360;
inline constexpr int kFilterGeniusHelp = 370;
inline constexpr int kExpressionGeniusHelp = 380;
inline constexpr int kDisplacementsHelp = 390;
inline constexpr int kMemoryUsageHelp = 430;
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

// Every context of the program's windows, with the shared editor and scattering windows.
inline constexpr halvern::HelpContextRow kHelpContexts[] = {
    {kIntroductionHelp, "introduction and main window"},
    {halvern::kEditorHelpContext, "editor window"},
    {kQueryLanguageHelp, "query language"},
    {kEditorFilesHelp, "new and open: editor windows"},
    {kSaveLogHelp, "saving the log"},
    {kEditMenuHelp, "Edit menu"},
    {kFilterHelp, "filter"},
    {kCollateHelp, "collate"},
    {kAveragesHelp, "averages"},
    {kSpectrumHelp, "spectrum"},
    {kFormatColumnsHelp, "format columns"},
    {kConvertHelp, "convert"},
    {kFilterGeniusHelp, "filter genius"},
    {kExpressionGeniusHelp, "expression genius"},
    {kDisplacementsHelp, "displacements"},
    {kMemoryUsageHelp, "memory display"},
    {kTrajectoryPlotterHelp, "trajectory plotter"},
    {kPlotterOptionsHelp, "trajectory display options"},
    {halvern::kScatterHelp, "scattering relations"},
    {kGrapherHelp, "grapher"},
    {kOpenDisplayHelp, "grapher: open display"},
    {kEmptyDataHelp, "grapher: empty data"},
    {kSaveBitmapHelp, "grapher: save bitmap"},
    {kHardcopyHelp, "grapher: hardcopy"},
    {kGraphSetupHelp, "grapher: graph set-up"},
    {kGraphFontHelp, "grapher: font"},
    {kGraphDefaultsHelp, "grapher: defaults"},
};

inline constexpr halvern::HelpTable kHelpTable{kHelpProgram, kHelpContexts};

}  // namespace brisal
