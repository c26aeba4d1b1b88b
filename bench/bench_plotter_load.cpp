// The trajectory plotter loading a 500 MB ASCII trajectory file (about 5 million records, frames
// of 1000) through the analysis program's main window, offscreen: the load's time and the
// longest time the event loop was blocked while it ran (a 1 ms timer's longest gap), which must
// stay under 200 ms; each block longer than 50 ms is listed. With "--alone" the plotter loads
// without the main window as its host, as a window that neither pumps nor shows progress would. The
// file is written in /tmp and removed.
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "BenchRecords.h"
#include "BrisalWindows.h"
#include "MainForm.h"
#include "PlotOptionsForm.h"
#include "TrajPlotForm.h"
#include "convert/AsciiTrajectoryLine.h"

using namespace halvern;

namespace {

constexpr int64_t kBytes = 500'000'000;
constexpr qint64 kLimitMs = 200;

int64_t WriteTextFile(const std::string& path) {
    bench::BenchRecordSource records;
    std::ofstream out(path, std::ios::binary);
    std::string block;
    int64_t written = 0, count = 0;
    while (written < kBytes) {
        block.clear();
        for (int i = 0; i < 10000; ++i, ++count) {
            TOslRecord r = records.next(count);
            r.ti = static_cast<float>(count / 1000) * 1e-15f;  // a frame every 1000 records
            AppendAsciiTrajectoryLine(r, block);
        }
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
        written += static_cast<int64_t>(block.size());
    }
    return out ? count : -1;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    brisal::PrepareApplication();
    const bool alone = argc > 1 && std::strcmp(argv[1], "--alone") == 0;

    const std::string file = "/tmp/bench_plotter_load_" + std::to_string(::getpid()) + ".dat";
    std::printf("writing %lld MB of ASCII trajectory to %s\n",
                static_cast<long long>(kBytes / 1000000), file.c_str());
    const int64_t records = WriteTextFile(file);
    if (records < 0) {
        std::fprintf(stderr, "bench_plotter_load: cannot write %s\n", file.c_str());
        return 1;
    }

    brisal::BrisalWindows windows = brisal::CreateBrisalWindows({});
    brisal::TTOptionsForm options;
    brisal::TTrajPlotForm standalone;
    standalone.setOptionsForm(options);
    brisal::TTrajPlotForm& plotter = alone ? standalone : *windows.main->forms().trajPlot;
    windows.main->show();
    QApplication::processEvents();

    QElapsedTimer clock;
    qint64 last = 0, longest = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest = std::max(longest, now - last);
        if (now - last > 50)
            std::printf("blocked %lld ms, until %lld ms\n", static_cast<long long>(now - last),
                        static_cast<long long>(now));
        last = now;
    });
    clock.start();
    ticker.start(1);
    if (alone) {
        plotter.setDataFileName(file);
        plotter.show();
    } else {
        windows.main->showTrajectoryPlot(file);
    }
    while (plotter.loadPending() || plotter.plot().data.count() < records)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    const qint64 loaded = clock.elapsed();
    QApplication::processEvents();
    ticker.stop();

    std::printf("%lld records in %lld frames loaded in %.2f s%s\n",
                static_cast<long long>(plotter.plot().data.count()),
                static_cast<long long>(plotter.plot().frames.size()), loaded / 1000.0,
                alone ? " (alone, without the main window)" : "");
    std::printf("longest event-loop block while loading: %lld ms (limit %lld ms)\n",
                static_cast<long long>(longest), static_cast<long long>(kLimitMs));
    plotter.close();
    std::error_code ec;
    std::filesystem::remove(file, ec);
    return longest < kLimitMs || alone ? 0 : 1;
}
