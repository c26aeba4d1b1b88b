// Runs for the engine tests: a small project written to a scratch folder in the layouts of the
// input files and run through RunSimulationSteps, or an fcc(100) copper crystallite built in
// memory; and readers of what a run leaves behind.
#pragma once

#include <array>
#include <cmath>
#include <filesystem>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "EngineUiTestFiles.h"
#include "KernelTestDriver.h"
#include "NumberText.h"
#include "OslRecord.h"
#include "TextReader.h"
#include "input/ProjectileFile.h"
#include "input/TargetFile.h"
#include "run/ImpactSetUp.h"
#include "run/RunInputs.h"
#include "run/RunSimulation.h"
#include "run/Trajectory.h"

namespace halvern::test {

using testing::ScratchFolder;

// A host, the globals and a run state pointing to both; never copied, so the pointers hold.
struct TestRun {
    TestRun() {
        rs.host = &host;
        rs.globals = &globals;
    }
    TestRun(const TestRun&) = delete;
    TestRun& operator=(const TestRun&) = delete;

    RecordingHost host;
    EngineGlobals globals;
    TRunState rs;
};

// The texts with "\n" between, to compare a list of lines in one line of a table.
inline std::string Joined(const std::vector<std::string>& texts) {
    std::string s;
    for (size_t k = 0; k < texts.size(); ++k) s += (k ? "\n" : "") + texts[k];
    return s;
}

inline std::vector<std::string> RedLines(const RecordingHost& host) {
    std::vector<std::string> red;
    for (const auto& l : host.lines)
        if (l.colour == colour::Red) red.push_back(l.text);
    return red;
}

inline std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    return text;
}

// The lines of a text, as the kit reads them.
inline std::vector<std::string> TextLines(const std::string& text) {
    TextReader in(text);
    std::vector<std::string> lines;
    while (!in.eof()) lines.push_back(in.readLine());
    return lines;
}

// Every file of a folder by name, with its bytes.
inline std::map<std::string, std::string> FolderBytes(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::string bytes;
        ReadFileBytes(entry.path().string(), bytes);
        files[entry.path().filename().string()] = bytes;
    }
    return files;
}

inline std::vector<std::string> FileLines(const std::string& path) {
    std::string bytes;
    ReadFileBytes(path, bytes);
    return TextLines(bytes);
}

inline std::string Symbol(const std::string& s) {
    return std::string(s.size() < 2 ? 1 : 0, ' ') + s;
}

// energy:10:3 Z:4 mass:8:5 flags:3 symbol:2, one blank between.
inline std::string ProjectileLine(double energy, int Z, double mass, int flags,
                                  const std::string& symbol) {
    return FormatFixed(energy, 10, 3) + " " + FormatInt(Z, 4) + " " + FormatFixed(mass, 8, 5) +
           " " + FormatInt(flags, 3) + " " + Symbol(symbol);
}

// x:12:5 y:12:5 z:12:5 Z:4 mass:8:5 flags:3 symbol:2.
inline std::string TargetLine(double x, double y, double z, int Z = 29, double mass = 63.546,
                              int flags = 0, const std::string& symbol = "Cu") {
    return FormatFixed(x, 12, 5) + " " + FormatFixed(y, 12, 5) + " " + FormatFixed(z, 12, 5) + " " +
           FormatInt(Z, 4) + " " + FormatFixed(mass, 8, 5) + " " + FormatInt(flags, 3) + " " +
           Symbol(symbol);
}

// x:10:8 y:10:8 z0:10:8.
inline std::string ImpactLine(double x, double y, double z0) {
    return FormatFixed(x, 10, 8) + " " + FormatFixed(y, 10, 8) + " " + FormatFixed(z0, 10, 8);
}

// Four copper atoms under an argon projectile, one impact point; tests change single lines.
struct TestProject : TestRun {
    // The set-up program's written defaults: run file and model file (copper, ZBL both ways,
    // Morse D, a, r0, spline join 1.2..2.0 A, vibrations on).
    std::vector<std::string> run = TextLines(
        "1\n001\n0\n90.00\n0.00\n07.0e-17\n10\n300.0   10.0\n3.7\n50\n"
        "[ke/ep > 20.0] & [vz> 0.0] & [rz > 0.5e-10] {particles emitted with KE > 20 eV}");
    std::vector<std::string> model = TextLines(
        "0\n1.0\n0\n1.0\n0\n0.3429\n1.3588\n2.866\n1.2\n2.0\n0\n63.546\n343\n343\n343\n0\n0\n"
        "5.0\n0.00500 0.00800 0.00800\n300\n0");
    std::vector<std::string> projectile = {ProjectileLine(1.0, 18, 39.948, 0, "Ar")};
    std::vector<std::string> target = {TargetLine(0, 0, 0), TargetLine(1.805, 1.805, 0),
                                       TargetLine(1.805, 0, -1.805), TargetLine(0, 1.805, -1.805)};
    std::vector<std::string> impact = {ImpactLine(0, 0, 3)};
    std::string inelastic;  // written as "cu.inl" when not empty

    ScratchFolder folder{"run"};

    std::string path(const std::string& ext) const { return folder.file("cu" + ext); }
    // `s` with every "<.ext>" replaced by the path of the project's file of that extension, and
    // "<dir>" by the project's folder.
    std::string expand(std::string s) const {
        for (size_t a; (a = s.find("<.")) != std::string::npos;)
            s.replace(a, 6, path(s.substr(a + 1, 4)));
        for (size_t a; (a = s.find("<dir>")) != std::string::npos;)
            s.replace(a, 5, folder.path().string());
        return s;
    }
    // The lines of the input file with that extension.
    std::vector<std::string>& lines(const std::string& ext) {
        return ext == ".prj"   ? projectile
               : ext == ".trg" ? target
               : ext == ".mdl" ? model
               : ext == ".run" ? run
                               : impact;
    }
    std::string output(const std::string& name) const {
        std::string bytes;
        ReadFileBytes(folder.file(name), bytes);
        return bytes;
    }

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
        if (!inelastic.empty()) folder.write("cu.inl", inelastic);
    }

    // Writes the files and runs them; the state is left for the test to look at.
    void simulate(bool batch = false) {
        write();
        RunSimulationSteps(names(), batch, rs);
    }

    // The state the run routine has before its impact loop: the files written and read, the
    // arrays allocated, the first impact line (0, 0, 3) set.
    void prepareImpact() {
        write();
        rs.options = globals.Options;
        rs.files = names();
        rs.batch = true;
        rs.N = CountTargetLines(rs.files.target, host.sink());
        ReadProjectileFile(rs.files.projectile, rs.projectile, host);
        ReadRunFile(rs.files.run, rs);
        AllocateRun(rs);
        rs.RunCount = 1;
        rs.ImpactHeight = 3;
    }

    bool setUpImpact() {
        return SetUpImpact(rs.projectile.Z, rs.N, rs.files.target, rs.targetExtent, rs.files.model,
                           rs.projectile.Mass, rs);
    }
};

// The example project: 486 copper atoms in fcc(100) under 1 keV argon, with the set-up
// program's default model and run values; the first `impacts` of its impact points.
inline void UseExample(TestProject& p, int impacts) {
#ifdef HALVERN_EXAMPLES_DIR
    const std::string dir = std::string(HALVERN_EXAMPLES_DIR) + "/cu100";
#else
    // Found from this header only where the compiler was given its absolute path.
    const std::string dir =
        (std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "examples" /
         "cu100")
            .string();
#endif
    p.projectile = FileLines(dir + ".prj");
    p.target = FileLines(dir + ".trg");
    p.model = FileLines(dir + ".mdl");
    p.run = FileLines(dir + ".run");
    p.impact = FileLines(dir + ".imp");
    p.impact.resize(static_cast<size_t>(impacts));
}

inline std::vector<TOslRecord> ReadRecords(const std::string& path) {
    std::string bytes;
    ReadFileBytes(path, bytes);
    EXPECT_EQ(bytes.size() % kOslRecordSize, 0u) << path;
    std::vector<TOslRecord> out;
    for (size_t k = 0; k + kOslRecordSize <= bytes.size(); k += kOslRecordSize)
        out.push_back(DecodeOslRecord(reinterpret_cast<const unsigned char*>(bytes.data() + k)));
    return out;
}

// The number between `prefix` and `end` on every logged line that starts with `prefix`.
inline std::vector<double> LoggedValues(const RecordingHost& host, const std::string& prefix,
                                        const std::string& end) {
    std::vector<double> out;
    for (const auto& l : host.lines) {
        if (l.text.rfind(prefix, 0) != 0) continue;
        const size_t a = prefix.size(), b = l.text.find(end, a);
        long double v = 0;
        if (!ParseReal(l.text.substr(a, b - a), v)) v = NAN;
        out.push_back(static_cast<double>(v));
    }
    return out;
}

inline int CountLines(const RecordingHost& host, const std::string& text) {
    int n = 0;
    for (const auto& l : host.lines) n += l.text == text;
    return n;
}

constexpr double kCuLattice = 3.615 * kAngstrom;

// The sites of (2n + 1)^2 x layers half-cells of the fcc(100) lattice, top layer at z = 0, the
// origin's site first.
inline std::vector<std::array<double, 3>> Fcc100Sites(int n, int layers) {
    std::vector<std::array<double, 3>> sites = {{0, 0, 0}};
    const double h = kCuLattice / 2;
    for (int k = 0; k < layers; ++k)
        for (int i = -n; i <= n; ++i)
            for (int j = -n; j <= n; ++j)
                if (((i + j + k) % 2 + 2) % 2 == 0 && (i || j || k))
                    sites.push_back({i * h, j * h, -k * h});
    return sites;
}

inline double Speed(const TParticleArrays& p, int32_t i) {
    return std::sqrt(p.vx[i] * p.vx[i] + p.vy[i] * p.vy[i] + p.vz[i] * p.vz[i]);
}

// A run state built by hand: an fcc(100) copper crystallite of (2n + 1)^2 x layers half-cells
// (atom 1 at the origin of the top layer) with the default copper model prepared, target atoms
// at rest on their sites except for displacements of up to `jitter` / 2 (m) from a fixed seed,
// and a 1 keV argon projectile 3 A above atom 1 plus (0.3, 0.2) A, moving along -z.
struct CuCrystal : TestRun {
    explicit CuCrystal(int n, int layers, int32_t algorithm = kVerlet, double jitter = 0) {
        rs.options.Algorithm = algorithm;
        rs.options.Verbose = 0;
        rs.run.Theta = std::numbers::pi / 2;  // normal incidence, for ResetTarget
        rs.run.RebuildInterval = 10;
        rs.run.TimeStep = 7e-17;
        rs.run.TMax = 300e-15;
        rs.run.TMin = 10e-15;
        rs.run.CutOff = 3.7 * kAngstrom;
        rs.run.PartnerLimit = 50;
        rs.model.TerminationEnergy = 3.0 * kEv;
        RecordingHost scratch;
        PreparePotentials(DefaultCuModel(18), rs.potentials, scratch);

        const auto sites = Fcc100Sites(n, layers);
        rs.N = static_cast<int32_t>(sites.size());
        TParticleArrays& p = rs.particles;
        AllocateParticleArrays(p, rs.N, algorithm);
        AllocateMassAndZ(p, rs.N);
        AllocatePartnerRows(rs.partners, rs.N + 1, rs.run.PartnerLimit + 1);
        UniformRandom random(12345);
        p.Z[0] = 18;
        p.mass[0] = 39.948 * kAmu;
        for (int32_t i = 1; i <= rs.N; ++i) {
            const auto& s = sites[static_cast<size_t>(i - 1)];
            p.Z[i] = 29;
            p.mass[i] = 63.546 * kAmu;
            p.x[i] = p.siteX[i] = s[0] + jitter * (random() - 0.5);
            p.y[i] = p.siteY[i] = s[1] + jitter * (random() - 0.5);
            p.z[i] = p.siteZ[i] = s[2] + jitter * (random() - 0.5);
        }
        p.x[0] = p.x[1] + 0.3 * kAngstrom;
        p.y[0] = p.y[1] + 0.2 * kAngstrom;
        p.z[0] = p.z[1] + 3.0 * kAngstrom;
        p.vz[0] = -std::sqrt(3.204384e-16 / p.mass[0]);  // 1 keV
        rs.ImpactHeight = 3.0;
        rs.targetExtent = ComputeTargetExtent(p, rs.N, rs.potentials.Rc);
        rs.TargetTop = ComputeTargetTop(p, rs.N);
        rs.RunCount = 1;
    }
};

}  // namespace halvern::test
