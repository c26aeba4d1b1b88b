// The engine's help: its context numbers in one table, and the page shown by number. A new
// window adds its contexts here and their pages in help/ostrel/ (help/tests checks both).
#pragma once

#include "ContextHelp.h"

namespace halvern {

inline constexpr const char* kEngineHelpProgram = "ostrel";

inline constexpr int kEngineIntroductionHelp = 1;
inline constexpr int kInputFilesHelp = 110;
inline constexpr int kOutputFilesHelp = 120;
inline constexpr int kRunHelp = 130;
inline constexpr int kBatchRunHelp = 140;
inline constexpr int kSaveLogHelp = 150;
inline constexpr int kLoadLogHelp = 160;
inline constexpr int kPrintLogHelp = 170;
inline constexpr int kGraphWindowCommandHelp = 180;
inline constexpr int kStartSetupHelp = 194;
inline constexpr int kStartAnalysisHelp = 195;
inline constexpr int kEditMenuHelp = 200;
inline constexpr int kSimulationOptionsHelp = 310;
inline constexpr int kMemoryUseHelp = 317;
inline constexpr int kLogFontHelp = 350;
inline constexpr int kPageColourHelp = 360;
// The graph window and its "&Options" menu: the window and its projections, then one context
// per item (zoom in and out share theirs).
inline constexpr int kGraphHelp = 1000;
inline constexpr int kGraphCopyHelp = 1001;
inline constexpr int kGraphZoomHelp = 1002;
inline constexpr int kGraphSymbolsHelp = 1003;
inline constexpr int kGraphRefreshHelp = 1004;
inline constexpr int kGraphBackgroundHelp = 1005;
inline constexpr int kGraphDefaultsHelp = 1006;
inline constexpr int kGraphHighlightHelp = 1007;

inline constexpr HelpContextRow kEngineHelpContexts[] = {
    {kEngineIntroductionHelp, "introduction and main window"},
    {kInputFilesHelp, "input files"},
    {kOutputFilesHelp, "output files"},
    {kRunHelp, "run"},
    {kBatchRunHelp, "batch run"},
    {kSaveLogHelp, "saving the log"},
    {kLoadLogHelp, "loading a file into the log"},
    {kPrintLogHelp, "printing the log"},
    {kGraphWindowCommandHelp, "graph window command"},
    {kStartSetupHelp, "starting the set-up program"},
    {kStartAnalysisHelp, "starting the analysis program"},
    {kEditMenuHelp, "Edit menu"},
    {kSimulationOptionsHelp, "simulation options"},
    {kMemoryUseHelp, "memory display"},
    {kLogFontHelp, "log font"},
    {kPageColourHelp, "log page colour"},
    {kGraphHelp, "graph window and projections"},
    {kGraphCopyHelp, "copying the picture"},
    {kGraphZoomHelp, "zoom"},
    {kGraphSymbolsHelp, "symbols"},
    {kGraphRefreshHelp, "refresh each step"},
    {kGraphBackgroundHelp, "background colour"},
    {kGraphDefaultsHelp, "reset defaults"},
    {kGraphHighlightHelp, "highlight"},
};

inline constexpr HelpTable kEngineHelp{kEngineHelpProgram, kEngineHelpContexts};

void ShowEngineHelp(int context);

}  // namespace halvern
