// The trajectory plotter drawing frames of a 30000-atom crystallite: each frame projected,
// depth-sorted and painted into the picture, per symbol style. Reports frames per second.
#include <QGuiApplication>
#include <QImage>

#include <chrono>
#include <cstdio>
#include <random>

#include "PlotPainter.h"
#include "plotter/TrajectoryPlot.h"

using namespace halvern;

namespace {

constexpr int32_t kAtoms = 30000;
constexpr int32_t kFrames = 8;

// Eight time steps of an fcc-like block, 40 x 25 x 30 sites 1.8 A apart, the atoms shaken a
// little more at each step.
TrajectoryPlot MakePlot() {
    TrajectoryPlot plot;
    std::mt19937 gen(3);
    std::normal_distribution<float> shake(0, 0.1f);
    plot.data.reserve(int64_t{kAtoms} * kFrames);
    for (int32_t frame = 0; frame < kFrames; ++frame)
        for (int32_t k = 0; k < kAtoms; ++k) {
            const float s = 0.05f * static_cast<float>(frame + 1);
            plot.data.append(static_cast<float>(k % 40) * 1.8f - 36 + s * shake(gen),
                             static_cast<float>(k / 40 % 25) * 1.8f - 22 + s * shake(gen),
                             -static_cast<float>(k / 1000) * 1.8f + 18 + s * shake(gen),
                             static_cast<float>(frame) * 1e-15f, k);
        }
    plot.data.osl = true;
    RecordingSink sink;
    plot.frames = BuildFrameList(sink, plot.data, Framing::TimeBased, 1);
    plot.arrays.allocate(LargestFrame(plot.frames));
    plot.animation.reset(static_cast<int32_t>(plot.frames.size()));
    plot.view.zoom.position = 5;
    plot.view.x0 = 300;
    plot.view.y0 = 200;
    return plot;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TrajectoryPlot plot = MakePlot();
    const brisal::PlotIcons icons = brisal::DefaultPlotIcons();
    QImage picture(600, 420, QImage::Format_RGB32);
    const char* names[] = {"icons", "circles", "points", "spheres"};
    std::printf("%d atoms a frame, %d frames, picture %dx%d\n", kAtoms, kFrames, picture.width(),
                picture.height());
    for (int style = 0; style < 4; ++style) {
        brisal::PlotStyle plotStyle;
        plotStyle.symbols = static_cast<PlotSymbols>(style);
        plotStyle.mainIcon = icons.icon;
        plotStyle.highlightIcon = icons.hiIcon;
        brisal::SymbolSprites sprites;
        double best = 1e30;
        for (int run = 0; run < 3; ++run) {
            const auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < 4 * kFrames; ++i) {
                plot.animation.showFrame(i % kFrames + 1);
                ProjectCurrentFrame(plot);
                brisal::PaintPlotFrame(picture, plot, plotStyle, sprites);
            }
            best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() -
                                                                start)
                                      .count());
        }
        std::printf("%-8s %7.1f frames/s (%.1f ms a frame: depth sort and paint)\n", names[style],
                    4 * kFrames / best, best / (4 * kFrames) * 1e3);
    }
    // The depth sort alone.
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 4 * kFrames; ++i) {
        plot.animation.showFrame(i % kFrames + 1);
        ProjectCurrentFrame(plot);
    }
    const double sort = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("depth sort alone: %.1f ms a frame\n", sort / (4 * kFrames) * 1e3);
    return 0;
}
