// The main window's two ways into the grapher: its command shows the window, and a plot request
// (a spectrum after its process) shows a data file in cache 1 with a solid line and small
// symbols.
#pragma once

#include "AnalysisHost.h"

namespace brisal {

class TGraphForm;

// Shows the grapher beside the main window, not modal; a grapher already open comes to the top.
void ShowGrapher(TGraphForm& grapher);
// Loads the request's file into cache 1 under its titles with the wait cursor, then shows the
// grapher. The columns are always 1 and 2.
void PlotInGrapher(TGraphForm& grapher, const TPlotRequest& request);

}  // namespace brisal
