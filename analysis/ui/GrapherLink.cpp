#include "GrapherLink.h"

#include "GraphForm.h"
#include "WaitCursor.h"
#include "WindowStacking.h"

namespace brisal {

void ShowGrapher(TGraphForm& grapher) {
    halvern::PresentWindow(&grapher);
}

void PlotInGrapher(TGraphForm& grapher, const TPlotRequest& request) {
    halvern::PlotDataRequest plot;
    plot.fileName = request.fileName;
    plot.title = request.title;
    plot.xTitle = request.xTitle;
    plot.yTitle = request.yTitle;
    {
        halvern::WaitCursor wait;
        grapher.PlotDataFile(plot);
    }
    ShowGrapher(grapher);
}

}  // namespace brisal
