// Everything the trajectory plotter shows, apart from its window: the file's records and frames,
// the projected frame, the view and the animation. The window draws what this holds.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "MessageSink.h"
#include "plotter/Animation.h"
#include "plotter/FrameList.h"
#include "plotter/LoadProgress.h"
#include "plotter/PlotProjection.h"
#include "plotter/PlotView.h"
#include "plotter/PlotterSettings.h"
#include "plotter/TrajectoryData.h"

namespace halvern {

struct TrajectoryPlot {
    std::string fileName;  // DataFileName
    PlotterSettings settings;
    TrajectoryData data;
    std::vector<TFrame> frames;
    FrameArrays arrays;
    PlotView view;
    Animation animation;
};

// Stops the animation and frees the records and frames.
void FreePlot(TrajectoryPlot& plot);

// Frees what was loaded, then loads the file again by its name's kind with the view's defaults
// (origin 200, 150, zoom 10, xz-plane, no rotation) and builds the frames; the first frame is
// current. Failures are reported through the sink; what could be read stays loaded. The readers
// tell `progress`, when given, how far they have come.
void LoadPlot(MessageSink& sink, TrajectoryPlot& plot, LoadProgress* progress = nullptr);

// The frame on show, if any.
std::optional<TFrame> CurrentFrame(const TrajectoryPlot& plot);

// Projects the frame on show into the plot's arrays (nothing without one).
void ProjectCurrentFrame(TrajectoryPlot& plot);

// "Trajectory Plot: <file> (<n> records)".
std::string PlotCaption(const TrajectoryPlot& plot);

}  // namespace halvern
