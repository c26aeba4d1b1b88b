// A whole run of the example project cut to thirteen atoms, with one of its six input files
// replaced by the input and the options drawn from its first bytes. The host bounds the run:
// the user "aborts" at the 40th rebuild or the fourth impact, and files that would make one
// trajectory long (many atoms, long rebuild intervals, many steps) are left to their readers'
// own targets.
#include <string>

#include "FuzzFiles.h"
#include "FuzzRun.h"
#include "input/RunFile.h"
#include "input/TargetFile.h"
#include "run/RunInputs.h"
#include "run/RunSimulation.h"

namespace {

using namespace halvern;

constexpr const char* kExtensions[] = {".prj", ".trg", ".mdl", ".run", ".imp", ".inl"};
constexpr int32_t kMaxAtoms = 64;
constexpr int32_t kMaxRebuildInterval = 100;
constexpr double kMaxStepsPerTrajectory = 20000;

TSimulationOptions OptionsFrom(uint8_t a, uint8_t b) {
    TSimulationOptions o;
    o.OenRobinsonModel = a & 1;
    o.ShapiroTombrelloModel = (a >> 1) & 1;
    o.LssModel = (a >> 2) & 1;
    o.HotTarget = (a >> 3) & 1;
    o.RecordInitial = (a >> 4) & 1;
    o.RecordInelastic = (a >> 5) & 1;
    o.Algorithm = (a >> 6) & 3;
    o.BruteForceSearch = b & 1;
    o.FixedTimestep = (b >> 1) & 1;
    o.IgnoreTargetForces = (b >> 2) & 1;
    o.GraphMode = (b >> 3) & 1;
    o.MinForce = (b >> 4) % 3;
    o.Verbose = (b >> 6) & 1;
    return o;
}

// Whether the project's run stays short enough to fuzz.
bool Bounded(const TRunFileNames& names) {
    RecordingHost host;
    if (CountTargetLines(names.target, host.sink()) > kMaxAtoms) return false;
    fuzz::FuzzRun probe;
    if (ReadRunFile(names.run, probe.rs) != 0) return true;  // refused before any step
    const TRunParameters& p = probe.rs.run;
    return p.RebuildInterval <= kMaxRebuildInterval &&
           p.TMax / p.TimeStep <= kMaxStepsPerTrajectory;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const size_t fuzzed = data[0] % 6;
    const std::string_view bytes = fuzz::AsText(data + 3, size - 3);
    const char* const texts[] = {fuzz::kProjectileText, fuzz::kTargetText, fuzz::kModelText,
                                 fuzz::kRunText,        fuzz::kImpactText, fuzz::kInelasticText};
    std::string paths[6];
    for (size_t k = 0; k < 6; ++k)
        paths[k] = fuzz::WriteScratchFile(std::string("cu") + kExtensions[k],
                                          k == fuzzed ? bytes : std::string_view(texts[k]));
    const TRunFileNames names{paths[0],
                              paths[1],
                              paths[2],
                              paths[3],
                              paths[4],
                              paths[5],
                              fuzz::ScratchPath("inivars.osl"),
                              fuzz::ScratchPath("dynvars.osl"),
                              fuzz::ScratchPath("inelast.dat")};
    if (!Bounded(names)) return 0;

    fuzz::FuzzRun run;
    run.globals.Options = OptionsFrom(data[1], data[2]);
    // Two workers: the impacts after the first run on a worker, as on a multi-core machine.
    run.globals.Threads = 2;
    run.host.onPump = [](RecordingHost& host) {
        if (host.pumps >= 40 || host.impacts >= 4) host.engineFlags.AbortRequested = 1;
    };
    RunSimulationSteps(names, true, run.rs);
    return 0;
}
