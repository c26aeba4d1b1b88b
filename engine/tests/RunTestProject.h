// A small simulation project written in the layouts of the input files, in a scratch folder:
// four copper atoms, an argon projectile, one impact point. Tests change single lines.
#pragma once

#include <string>
#include <vector>

#include "EngineGlobals.h"
#include "EngineHost.h"
#include "EngineUiTestFiles.h"
#include "ImpactSetUp.h"
#include "NumberText.h"
#include "ProjectileFile.h"
#include "RunFile.h"
#include "RunSimulation.h"
#include "TargetFile.h"

namespace halvern::testing {

inline std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    return text;
}

// energy:10:3 Z:4 mass:8:5 flags:3 symbol:2, one blank between.
inline std::string ProjectileLine(double energy, int Z, double mass, int flags,
                                  const std::string& symbol) {
    return FormatFixed(energy, 10, 3) + " " + FormatInt(Z, 4) + " " + FormatFixed(mass, 8, 5) +
           " " + FormatInt(flags, 3) + " " + std::string(symbol.size() < 2 ? 1 : 0, ' ') + symbol;
}

// x:12:5 y:12:5 z:12:5 Z:4 mass:8:5 flags:3 symbol:2.
inline std::string TargetLine(double x, double y, double z, int Z = 29, double mass = 63.546,
                              int flags = 0, const std::string& symbol = "Cu") {
    return FormatFixed(x, 12, 5) + " " + FormatFixed(y, 12, 5) + " " + FormatFixed(z, 12, 5) + " " +
           FormatInt(Z, 4) + " " + FormatFixed(mass, 8, 5) + " " + FormatInt(flags, 3) + " " +
           std::string(symbol.size() < 2 ? 1 : 0, ' ') + symbol;
}

// x:10:8 y:10:8 z0:10:8.
inline std::string ImpactLine(double x, double y, double z0) {
    return FormatFixed(x, 10, 8) + " " + FormatFixed(y, 10, 8) + " " + FormatFixed(z0, 10, 8);
}

struct TestProject {
    // The set-up program's written defaults.
    std::vector<std::string> run = {
        "1",
        "001",
        "0",
        "90.00",
        "0.00",
        "07.0e-17",
        "10",
        "300.0   10.0",
        "3.7",
        "50",
        "[ke/ep > 20.0] & [vz> 0.0] & [rz > 0.5e-10] {particles emitted with KE > 20 eV}"};
    // Copper: ZBL both ways, Morse D, a, r0, spline join 1.2..2.0 A, vibrations on.
    std::vector<std::string> model = {"0",
                                      "1.0",
                                      "0",
                                      "1.0",
                                      "0",
                                      "0.3429",
                                      "1.3588",
                                      "2.866",
                                      "1.2",
                                      "2.0",
                                      "0",
                                      "63.546",
                                      "343",
                                      "343",
                                      "343",
                                      "0",
                                      "0",
                                      "5.0",
                                      "0.00500 0.00800 0.00800",
                                      "300",
                                      "0"};
    std::vector<std::string> projectile = {ProjectileLine(1.0, 18, 39.948, 0, "Ar")};
    std::vector<std::string> target = {TargetLine(0, 0, 0), TargetLine(1.805, 1.805, 0),
                                       TargetLine(1.805, 0, -1.805), TargetLine(0, 1.805, -1.805)};
    std::vector<std::string> impact = {ImpactLine(0, 0, 3)};

    ScratchFolder folder{"run"};

    std::string path(const std::string& ext) const { return folder.file("cu" + ext); }

    TRunFileNames names() const {
        return {path(".prj"),
                path(".trg"),
                path(".mdl"),
                path(".run"),
                path(".imp"),
                path(".inl"),
                folder.file("inivars.osl"),
                folder.file("dynvars.osl"),
                folder.file("inelast.dat")};
    }

    void write() const {
        folder.write("cu.prj", Lines(projectile));
        folder.write("cu.trg", Lines(target));
        folder.write("cu.mdl", Lines(model));
        folder.write("cu.run", Lines(run));
        folder.write("cu.imp", Lines(impact));
    }

    // Writes the files and runs them; the state is left for the test to look at.
    void runOn(TRunState& rs, EngineGlobals& globals, EngineHost& host, bool batch = false) const {
        write();
        rs.host = &host;
        rs.globals = &globals;
        RunSimulationSteps(names(), batch, rs);
    }
};

// The recorded lines from `first` (inclusive) to `last` (inclusive); empty when either is
// missing.
inline std::vector<RecordingHost::Line> LinesBetween(const RecordingHost& host,
                                                     const std::string& first,
                                                     const std::string& last) {
    const int a = host.find(first);
    const int b = host.find(last);
    if (a < 0 || b < a) return {};
    return {host.lines.begin() + a, host.lines.begin() + b + 1};
}

}  // namespace halvern::testing

namespace halvern::testing {

// The state the run routine has before its impact loop: the files written and read, the
// arrays allocated; the first impact line is set.
inline void PrepareImpactState(const TestProject& p, TRunState& rs, EngineGlobals& globals,
                               RecordingHost& host) {
    p.write();
    rs.host = &host;
    rs.globals = &globals;
    rs.options = globals.Options;
    rs.files = p.names();
    rs.batch = true;
    rs.N = CountTargetLines(rs.files.target, host.sink());
    ReadProjectileFile(rs.files.projectile, rs.projectile, host);
    ReadRunFile(rs.files.run, rs);
    AllocateRun(rs);
    rs.RunCount = 1;
    rs.ImpactX = 0;
    rs.ImpactY = 0;
    rs.ImpactHeight = 3;
}

inline bool SetUpNextImpact(TRunState& rs) {
    return SetUpImpact(rs.projectile.Z, rs.N, rs.files.target, rs.targetExtent, rs.files.model,
                       rs.projectile.Mass, rs);
}

}  // namespace halvern::testing
