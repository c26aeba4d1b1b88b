// The analysis program's record processes driven through its main window (offscreen: the status
// line and the event pump of a real window) against the same process with a host that does
// nothing, on one 10-million-record file (400 MB) in /tmp read from the page cache. Reports both
// times and their ratio per process; the window may cost at most half as much again. The files
// are written here and removed at the end.
#include <unistd.h>
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "BenchRecordFiles.h"
#include "MainForm.h"
#include "convert/ConvertToText.h"
#include "displacements/Displacements.h"
#include "processes/RecordProcesses.h"

using namespace halvern;

namespace {

constexpr int64_t kRecords = 10'000'000;
constexpr double kLimit = 1.5;

class QuietHost : public ProcessHost {
  public:
    void statusText(const std::string&) override {}
    void pumpEvents() override {}
    MessageSink& sink() override { return messages; }
    RecordingSink messages;
};

double Seconds(const std::function<bool()>& run, bool& ok) {
    const auto start = std::chrono::steady_clock::now();
    ok &= run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Process {
    const char* name;
    std::function<bool(ProcessHost&)> run;
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    const std::string stem = "/tmp/bench_analysis_window_" + std::to_string(::getpid());
    const std::string source = stem + ".osl";
    const std::string reference = stem + "_reference.osl";
    const std::string out = stem + "_out";
    std::printf("writing %lld records (%lld MB) to %s\n", static_cast<long long>(kRecords),
                static_cast<long long>(kRecords * 40 / 1000000), source.c_str());
    bool ok =
        bench::WriteBenchRecords(source, kRecords) && bench::WriteBenchRecords(reference, 1000);
    if (!ok) {
        std::fprintf(stderr, "bench_analysis_window: cannot write %s\n", source.c_str());
        return 1;
    }
    bench::WarmPageCache(source);

    brisal::TMainForm window;
    window.show();
    QApplication::processEvents();
    QuietHost quiet;

    ProcessFunctions four{};
    four[0] = "ke/ep";
    four[1] = "sqrt(vx*vx+vy*vy+vz*vz)";
    four[2] = "altd";
    four[3] = "rz*1e10";
    ProcessFunctions two{};
    two[0] = "rw";
    two[1] = "ke/ep";
    const std::vector<Process> processes = {
        {"filter [ke/ep > 100.0]",
         [&](ProcessHost& h) {
             return FilterFile(h, source, out + ".osl", "[ke/ep > 100.0] { KE > 100 eV }")
                 .completed;
         }},
        {"spectrum ke/ep, 1000 channels",
         [&](ProcessHost& h) {
             return MakeSpectrum(h, source, out + ".dat", "ke/ep { particle KE, in eV }", 1000, 60,
                                 0);
         }},
        {"collate ke/ep per run",
         [&](ProcessHost& h) {
             return CollateFile(h, source, out + ".dat", "ke/ep", CollateMethod::PerRun);
         }},
        {"averages, four functions",
         [&](ProcessHost& h) {
             std::filesystem::remove(out + ".txt");
             return AverageFile(h, source, four, out + ".txt", QueryUnits::SI).completed;
         }},
        {"format columns rw, ke/ep",
         [&](ProcessHost& h) {
             return FormatColumnsFile(h, source, two, out + ".dat", QueryUnits::SI);
         }},
        {"convert to text", [&](ProcessHost& h) { return ConvertToText(h, source, out + ".dat"); }},
        {"displacements",
         [&](ProcessHost& h) {
             return ComputeDisplacements(h, reference, source, out + ".osl").completed;
         }},
    };

    std::printf("%-30s %10s %10s %7s\n", "process", "window s", "core s", "ratio");
    bool within = true;
    for (const Process& p : processes) {
        double inWindow = 1e30, alone = 1e30;
        for (int run = 0; run < runs; ++run) {
            alone = std::min(alone, Seconds([&] { return p.run(quiet); }, ok));
            inWindow = std::min(inWindow, Seconds([&] { return p.run(window); }, ok));
        }
        const double ratio = inWindow / alone;
        within &= ratio <= kLimit;
        std::printf("%-30s %10.3f %10.3f %7.2f%s\n", p.name, inWindow, alone, ratio,
                    ratio <= kLimit ? "" : "  (over 1.5)");
        std::fflush(stdout);
    }
    for (const std::string& message : quiet.messages.texts())
        std::fprintf(stderr, "message: %s\n", message.c_str());
    std::error_code ec;
    for (const std::string& file : {source, reference, out + ".osl", out + ".dat", out + ".txt"})
        std::filesystem::remove(file, ec);
    if (!ok) std::fprintf(stderr, "bench_analysis_window: a process failed\n");
    return ok && within ? 0 : 1;
}
