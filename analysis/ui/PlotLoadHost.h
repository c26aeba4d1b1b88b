// What the trajectory plotter asks of the main window while it loads a file: the status line and
// the event pump of a process, with the main window's other commands shut meanwhile.
#pragma once

#include <functional>

#include "processes/ProcessHost.h"

namespace brisal {

class PlotLoadHost {
  public:
    virtual ~PlotLoadHost() = default;
    // Runs the load, which reports through the host it is given.
    virtual void runPlotLoad(const std::function<void(halvern::ProcessHost&)>& load) = 0;
};

}  // namespace brisal
