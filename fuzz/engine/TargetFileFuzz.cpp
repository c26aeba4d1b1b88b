// The target file: line count, the checks before allocation, then the reading at the first
// impact (with the example model) into arrays of that size. Files are cut to 64 lines: the
// reader's cost per line is constant and longer files only slow the search.
#include "FuzzFiles.h"
#include "FuzzRun.h"
#include "input/TargetFile.h"
#include "run/RunInputs.h"
#include "run/RunSimulation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace halvern;
    const std::string target = fuzz::WriteScratchFile("fuzz.trg", fuzz::AsText(data, size));
    const std::string model = fuzz::WriteScratchFile("fuzz.mdl", fuzz::kModelText);
    fuzz::FuzzRun run;
    TRunState& rs = run.rs;
    rs.N = CountTargetLines(target, run.host.sink());
    if (rs.N < 1 || rs.N > 64 || !CheckTargetAtoms(target, rs.N, run.host)) return 0;
    rs.run.PartnerLimit = 20;
    rs.projectile.Z = 18;
    rs.projectile.Mass = 39.948;
    AllocateRun(rs);
    ReadTargetFile(target, model, rs.N, rs);
    ReleaseRun(rs);
    return 0;
}
