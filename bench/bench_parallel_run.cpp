// Whole runs on worker threads: 64 impacts of 1 keV Ar (theta 90) on a Cu fcc(100) crystallite
// of about 4000 atoms with the example project's model and run values, through RunSimulation
// with 1, 2, 4 and 8 threads. Each thread count runs in a process of its own (the program calls
// itself with the count), which prints its wall time, its peak memory and a checksum of the
// output files; the checksums must agree.
#include <sys/resource.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "FileSafety.h"
#include "NumberText.h"
#include "host/EngineGlobals.h"
#include "host/EngineHost.h"
#include "run/RunSimulation.h"

using namespace halvern;

namespace {

constexpr int kImpacts = 64;
constexpr int kHalfWidth = 10;  // half-cells each side of atom 1
constexpr int kLayers = 18;     // about 4000 atoms
constexpr double kLattice = 3.615;  // Angstrom

namespace fs = std::filesystem;

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    return text;
}

// x:12:5 y:12:5 z:12:5 Z:4 mass:8:5 flags:3 symbol:2.
std::string CopperLine(double x, double y, double z) {
    return FormatFixed(x, 12, 5) + " " + FormatFixed(y, 12, 5) + " " + FormatFixed(z, 12, 5) + " " +
           FormatInt(29, 4) + " " + FormatFixed(63.546, 8, 5) + " " + FormatInt(0, 3) + " Cu";
}

// The sites of the fcc(100) crystallite, top layer at z = 0, atom 1 at the origin.
std::vector<std::string> TargetLines() {
    std::vector<std::string> lines = {CopperLine(0, 0, 0)};
    const double h = kLattice / 2;
    for (int k = 0; k < kLayers; ++k)
        for (int i = -kHalfWidth; i <= kHalfWidth; ++i)
            for (int j = -kHalfWidth; j <= kHalfWidth; ++j)
                if (((i + j + k) % 2 + 2) % 2 == 0 && (i || j || k))
                    lines.push_back(CopperLine(i * h, j * h, -k * h));
    return lines;
}

// An 8 x 8 mesh over the surface cell round atom 1, 3 A above it.
std::vector<std::string> ImpactLines() {
    std::vector<std::string> lines;
    for (int k = 0; k < kImpacts; ++k)
        lines.push_back(FormatFixed(0.225 * (k % 8), 10, 8) + " " +
                        FormatFixed(0.225 * (k / 8), 10, 8) + " " + FormatFixed(3, 10, 8));
    return lines;
}

std::string Read(const fs::path& path) {
    std::string bytes;
    ReadFileBytes(path.string(), bytes);
    return bytes;
}

uint64_t Checksum(const std::string& bytes, uint64_t h) {
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;  // FNV-1a
    return h;
}

int RunWithThreads(int threads, const fs::path& dir) {
    const fs::path examples = HALVERN_EXAMPLES_DIR;
    for (const char* ext : {".prj", ".mdl", ".run"})
        fs::copy_file(examples / (std::string("cu100") + ext), dir / (std::string("cu") + ext),
                      fs::copy_options::overwrite_existing);
    WriteFileReplacing((dir / "cu.trg").string(), Lines(TargetLines()));
    WriteFileReplacing((dir / "cu.imp").string(), Lines(ImpactLines()));
    const auto file = [&dir](const char* name) { return (dir / name).string(); };

    RecordingHost host;
    EngineGlobals globals;
    globals.RandomSeed = 2026u;
    globals.Threads = threads;
    const auto start = std::chrono::steady_clock::now();
    RunSimulation(file("cu.prj"), file("cu.trg"), file("cu.mdl"), file("cu.run"), file("cu.imp"),
                  file("cu.inl"), file("inivars.osl"), file("dynvars.osl"), file("inelast.dat"),
                  true, globals, host);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    uint64_t sum = Checksum(Read(dir / "dynvars.osl"), 14695981039346656037ull);
    for (const auto& l : host.lines) sum = Checksum(l.text + "\n", sum);
    int trajectories = 0;
    for (const auto& l : host.lines) trajectories += l.text.rfind("  Time elapsed = ", 0) == 0;
    std::printf("%7d %10.2f %14.1f %12d  %016llx\n", threads, wall,
                static_cast<double>(usage.ru_maxrss) / 1024.0, trajectories,
                static_cast<unsigned long long>(sum));
    return trajectories == kImpacts ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path dir = fs::temp_directory_path() / "halvern-bench-parallel";
    fs::create_directories(dir);
    if (argc > 1) return RunWithThreads(std::atoi(argv[1]), dir);
    std::printf("%d impacts of 1 keV Ar on %zu Cu atoms (fcc(100)), Verlet, 300 fs\n", kImpacts,
                TargetLines().size());
    std::printf("%7s %10s %14s %12s  %s\n", "threads", "wall (s)", "peak mem (MiB)",
                "trajectories", "output checksum");
    std::fflush(stdout);
    int failed = 0;
    for (int threads : {1, 2, 4, 8}) {
        const std::string command = std::string(argv[0]) + " " + std::to_string(threads);
        failed |= std::system(command.c_str()) != 0;
    }
    fs::remove_all(dir);
    return failed;
}
