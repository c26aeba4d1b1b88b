// The grapher's redraw: ten caches of 100000 points each laid out and drawn into a window-sized
// picture: solid lines, then with symbols on every cache, then with three caches dashed (a dash
// pattern keeps every point that moves). Best and median of repeated redraws.
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "GraphPainter.h"
#include "grapher/GraphLayout.h"

using namespace halvern;

namespace {

constexpr int kPoints = 100'000;
constexpr int kRepeats = 15;

// Smooth curves with a little noise, each cache its own, over one shared x range.
GrapherModel MakeModel(int width, int height, bool dashes) {
    GrapherModel model;
    SetGraphDefaults(model, true, width, height);
    uint32_t seed = 12345;
    for (int c = 0; c < kCacheCount; ++c) {
        DataCache& cache = model.caches[static_cast<size_t>(c)];
        cache.points.resize(kPoints);
        cache.penColour = static_cast<ColourRef>(0x101010 * (c + 1));
        cache.penStyle = dashes && c % 3 == 1 ? PenStyle::Dash : PenStyle::Solid;
        cache.symbolShape = c % 2;
        for (int i = 0; i < kPoints; ++i) {
            seed = seed * 134775813u + 1u;
            const double noise = (seed * 0x1p-32 - 0.5) * 0.5;
            const double x = i * 1e-3;
            cache.points[static_cast<size_t>(i)] = {
                static_cast<float>(x),
                static_cast<float>(50 + 40 * std::sin(x * (0.05 + 0.02 * c) + c) + noise)};
        }
    }
    model.settings.x.span = kPoints * 1e-3f;
    return model;
}

struct Timing {
    double best;
    double median;
};

Timing TimeRedraws(const GrapherModel& model, int width, int height) {
    std::vector<double> ms;
    for (int r = 0; r < kRepeats; ++r) {
        const auto start = std::chrono::steady_clock::now();
        const QImage picture = brisal::PaintDisplayList(LayoutGraph(model, width, height));
        const auto end = std::chrono::steady_clock::now();
        if (picture.isNull()) std::abort();
        ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2]};
}

void Report(const char* what, int width, int height, bool symbols, bool dashes) {
    GrapherModel model = MakeModel(width, height, dashes);
    for (DataCache& cache : model.caches) cache.symbolsOn = symbols;
    const Timing t = TimeRedraws(model, width, height);
    std::printf("  %-14s %4d x %-4d  best %7.2f ms   median %7.2f ms\n", what, width, height,
                t.best, t.median);
}

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    std::printf("bench_grapher: 10 caches x %d points, layout and drawing, %d redraws each\n",
                kPoints, kRepeats);
    for (auto [w, h] : {std::pair{560, 360}, std::pair{1200, 800}}) {
        Report("lines", w, h, false, false);
        Report("lines+symbols", w, h, true, false);
        Report("3 dashed", w, h, false, true);
    }
    return 0;
}
