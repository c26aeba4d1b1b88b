// What the analysis program's command courses need of the main window, beyond what a record
// process needs: the log, clearing the status line, the wait cursor and the two viewers of a
// result. The main window implements it; tests record it.
#pragma once

#include <cstdint>
#include <string>

#include "processes/ProcessHost.h"

namespace brisal {

// A data file for the grapher: the file, its main title and the titles of its axes (empty: the
// axis keeps its title).
struct TPlotRequest {
    std::string fileName;
    std::string title;
    int32_t xColumn = 1;
    int32_t yColumn = 2;
    std::string xTitle;
    std::string yTitle;
};

class AnalysisHost : public halvern::ProcessHost {
  public:
    // Appends one line to the log.
    virtual void logLine(const std::string& text) = 0;
    virtual void clearStatus() = 0;
    virtual void setWaitCursor(bool waiting) = 0;
    // Shows a spectrum in the grapher.
    virtual void plotFile(const TPlotRequest& request) = 0;
    // Opens a result in an editor window.
    virtual void editFile(const std::string& fileName) = 0;
};

}  // namespace brisal
