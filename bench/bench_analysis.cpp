// The analysis program's record processes on a 10-million-record file (400 MB) in /tmp: the
// filter and the spectrum (and, for comparison, collate and averages), convert to text (about a
// gigabyte of text) and displacements streamed from the page cache on one core. Reports records per second and the peak resident memory, which must stay
// flat whatever the file's size. The file is written here and removed at the end.
#include <sys/resource.h>
#include <unistd.h>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "BenchRecordFiles.h"
#include "convert/ConvertToText.h"
#include "displacements/Displacements.h"
#include "processes/RecordProcesses.h"

using namespace halvern;

namespace {

constexpr int64_t kRecords = 10'000'000;

class QuietHost : public ProcessHost {
  public:
    void statusText(const std::string&) override { ++statusLines; }
    void pumpEvents() override {}
    MessageSink& sink() override { return messages; }
    int64_t statusLines = 0;
    RecordingSink messages;
};

long PeakRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The best of three runs, in wall-clock and in CPU time (the machine may be shared).
template <class Process>
bool Measure(const char* name, Process&& process) {
    bool ok = true;
    double wall = 1e30, cpu = 1e30;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = CpuSeconds();
        ok &= process();
        cpu = std::min(cpu, CpuSeconds() - cpuStart);
        wall = std::min(
            wall, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::printf("%-36s %6.3f s %6.1f M records/s (CPU %6.1f M/s)  peak RSS %5.1f MiB%s\n", name,
                wall, kRecords / wall / 1e6, kRecords / cpu / 1e6, PeakRssKiB() / 1024.0,
                ok ? "" : "  (FAILED)");
    return ok;
}

}  // namespace

int main() {
    const std::string stem = "/tmp/bench_analysis_" + std::to_string(::getpid());
    const std::string source = stem + ".osl";
    const std::string filtered = stem + "_filtered.osl";
    const std::string spectrum = stem + "_spectrum.dat";
    const std::string collated = stem + "_collate.dat";
    const std::string averages = stem + "_averages.txt";
    const std::string text = stem + "_text.dat";
    const std::string reference = stem + "_reference.osl";
    const std::string displaced = stem + "_displaced.osl";

    std::printf("writing %lld records (%lld MB) to %s\n", static_cast<long long>(kRecords),
                static_cast<long long>(kRecords * 40 / 1000000), source.c_str());
    bool ok = bench::WriteBenchRecords(source, kRecords);
    if (!ok) std::fprintf(stderr, "bench_analysis: cannot write %s\n", source.c_str());
    if (ok) {
        bench::WarmPageCache(source);
        std::printf("peak RSS before the processes: %.1f MiB\n", PeakRssKiB() / 1024.0);
        QuietHost host;
        FilterOutcome filter;
        ok &= Measure("filter [ke/ep > 20.0] & [vz> 0.0]...", [&] {
            filter = FilterFile(host, source, filtered,
                                "[ke/ep > 20.0] & [vz> 0.0] & [rz > 0.5e-10] "
                                "{particles emitted with KE > 20 eV}");
            return filter.completed;
        });
        std::printf("  %lld of %lld records selected\n", static_cast<long long>(filter.selected),
                    static_cast<long long>(filter.records));
        ok &= Measure("filter [ke/ep > 100.0] (default)", [&] {
            return FilterFile(host, source, filtered, "[ke/ep > 100.0] { KE > 100 eV }").completed;
        });
        ok &= Measure("filter [rw = 0]",
                      [&] { return FilterFile(host, source, filtered, "[rw = 0]").completed; });
        ok &= Measure("spectrum ke/ep, 1000 channels", [&] {
            return MakeSpectrum(host, source, spectrum, "ke/ep { particle KE, in eV }", 1000, 60,
                                0);
        });
        ok &= Measure("spectrum sqrt(vx*vx+vy*vy+vz*vz)", [&] {
            return MakeSpectrum(host, source, spectrum, "sqrt(vx*vx+vy*vy+vz*vz)", 1000, 3e4, 0);
        });
        ok &= Measure("collate ke/ep per run (10000 keys)", [&] {
            return CollateFile(host, source, collated, "ke/ep", CollateMethod::PerRun);
        });
        ok &= Measure("averages ke/ep", [&] {
            ProcessFunctions functions{};
            functions[0] = "ke/ep";
            return AverageFile(host, source, functions, averages, QueryUnits::SI).completed;
        });
        ok &= Measure("convert to text", [&] { return ConvertToText(host, source, text); });
        std::error_code sizeError;
        std::printf("  %.0f MB of text\n",
                    static_cast<double>(std::filesystem::file_size(text, sizeError)) / 1e6);
        std::filesystem::remove(text, sizeError);
        // The reference: the first trajectory, 1000 particles.
        ok &= FilterFile(host, source, reference, "[rn = 1]").completed;
        ok &= Measure("displacements against 1000 particles", [&] {
            return ComputeDisplacements(host, reference, source, displaced).completed;
        });
        for (const std::string& message : host.messages.texts())
            std::fprintf(stderr, "message: %s\n", message.c_str());
    }
    std::error_code ec;
    for (const std::string& file :
         {source, filtered, spectrum, collated, averages, text, reference, displaced})
        std::filesystem::remove(file, ec);
    return ok ? 0 : 1;
}
