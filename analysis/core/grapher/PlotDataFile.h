// A data file shown in the grapher from elsewhere in the program (a spectrum after its process).
#pragma once

#include <cstdint>
#include <string>

#include "MessageSink.h"
#include "grapher/GrapherModel.h"

namespace halvern {

struct PlotDataRequest {
    std::string fileName;
    std::string title;  // the main title, cut to 50 characters
    bool line = true;
    bool largeSymbols = false;
    bool smallSymbols = true;
    int32_t yColumn = 2;
    int32_t xColumn = 1;
    int32_t cacheIndex = 1;  // outside 1..10: cache 1
    // The axes' titles, shown; empty: the axis keeps its title.
    std::string xTitle;
    std::string yTitle;
};

// Loads the file into its cache with the asked style, fits the axes to it and shows the title
// at (60, 0) and the axes' titles asked for. The other caches stay as they are. The caller
// redraws.
void PlotDataFile(GrapherModel& model, const PlotDataRequest& request, MessageSink& sink);

}  // namespace halvern
