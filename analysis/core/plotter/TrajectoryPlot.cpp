#include "plotter/TrajectoryPlot.h"

#include "FileSafety.h"
#include "plotter/TrajectoryReaders.h"

namespace halvern {

void FreePlot(TrajectoryPlot& plot) {
    plot.animation.reset(0);
    plot.data.clear();
    plot.frames = {};
    plot.arrays = FrameArrays{};
}

void LoadPlot(MessageSink& sink, TrajectoryPlot& plot, LoadProgress* progress) {
    FreePlot(plot);
    plot.view = PlotView{};
    LoadTrajectory(sink, plot.fileName, plot.settings.display, plot.data, progress);
    plot.frames = BuildFrameList(sink, plot.data, plot.settings.framing,
                                 plot.settings.recordsPerFrame, progress);
    if (!plot.arrays.allocate(LargestFrame(plot.frames))) {
        sink.error(TooLargeText(FileNameOf(plot.fileName)));
        FreePlot(plot);
    }
    plot.animation.reset(static_cast<int32_t>(plot.frames.size()));
}

std::optional<TFrame> CurrentFrame(const TrajectoryPlot& plot) {
    const int32_t k = plot.animation.current();
    if (k < 0 || static_cast<size_t>(k) >= plot.frames.size()) return std::nullopt;
    return plot.frames[static_cast<size_t>(k)];
}

void ProjectCurrentFrame(TrajectoryPlot& plot) {
    if (const auto frame = CurrentFrame(plot))
        ProjectFrame(plot.data, *frame, plot.view.perspective, plot.arrays);
    else
        plot.arrays.count = 0;
}

std::string PlotCaption(const TrajectoryPlot& plot) {
    return "Trajectory Plot: " + plot.fileName + " (" + std::to_string(plot.data.count()) +
           " records)";
}

}  // namespace halvern
