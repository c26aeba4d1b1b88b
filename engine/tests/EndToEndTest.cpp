// Whole runs of the example project: about 500 copper atoms in fcc(100) under 1 keV argon, with
// the set-up program's default model and run values, through RunSimulation and a recording host.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <set>
#include <utility>

#include "InelasticModels.h"
#include "NumberText.h"
#include "OslRecord.h"
#include "RunTestProject.h"
#include "TextReader.h"

namespace halvern {
namespace {

using testing::TestProject;

const std::filesystem::path kExamples =
    std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "examples";

std::vector<std::string> ExampleLines(const std::string& name) {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes((kExamples / name).string(), bytes)) << name;
    TextReader in(bytes);
    std::vector<std::string> lines;
    while (!in.eof()) lines.push_back(in.readLine());
    return lines;
}

// Run-file lines (0-based): sample mode, interval, output option, ... filter expression.
enum RunLine { kSampleMode = 0, kInterval = 1, kOutputOption = 2 };
// Model-file lines: surface barriers U1 and U2.
enum ModelLine { kU1 = 15, kU2 = 16 };

struct Cu100Run {
    TestProject project;
    EngineGlobals globals;
    RecordingHost host;
    TRunState rs;

    explicit Cu100Run(int impacts, int32_t algorithm = 3) {
        project.projectile = ExampleLines("cu100.prj");
        project.target = ExampleLines("cu100.trg");
        project.model = ExampleLines("cu100.mdl");
        project.run = ExampleLines("cu100.run");
        const auto imp = ExampleLines("cu100.imp");
        project.impact.assign(imp.begin(), imp.begin() + impacts);
        globals.Options.Algorithm = algorithm;
        globals.RandomSeed = 20240607u;
    }

    void run() {
        if (!project.folder.path().empty() && !inelastic.empty())
            project.folder.write("cu.inl", testing::Lines(inelastic));
        project.runOn(rs, globals, host, true);
    }

    std::string output(const std::string& name) const {
        std::string bytes;
        ReadFileBytes(project.folder.file(name), bytes);
        return bytes;
    }

    std::vector<TOslRecord> records() const {
        const std::string bytes = output("dynvars.osl");
        EXPECT_EQ(bytes.size() % kOslRecordSize, 0u);
        std::vector<TOslRecord> out;
        for (size_t k = 0; k + kOslRecordSize <= bytes.size(); k += kOslRecordSize)
            out.push_back(
                DecodeOslRecord(reinterpret_cast<const unsigned char*>(bytes.data() + k)));
        return out;
    }

    // The number between `prefix` and `end` on every line that starts with `prefix`.
    std::vector<double> values(const std::string& prefix, const std::string& end) const {
        std::vector<double> out;
        for (const auto& l : host.lines) {
            if (l.text.rfind(prefix, 0) != 0) continue;
            const size_t a = prefix.size(), b = l.text.find(end, a);
            long double v = 0;
            EXPECT_TRUE(ParseReal(l.text.substr(a, b - a), v)) << l.text;
            out.push_back(static_cast<double>(v));
        }
        return out;
    }

    // Each trajectory's balance line: dE (eV) and dE/(KE+PE) (%).
    std::vector<std::pair<double, double>> balances() const {
        std::vector<std::pair<double, double>> out;
        const std::string mid = " eV; dE/(KE+PE) = ";
        for (const auto& l : host.lines) {
            const size_t m = l.text.find(mid);
            if (l.text.rfind("  dE = ", 0) != 0 || m == std::string::npos) continue;
            long double dE = 0, rel = 0;
            EXPECT_TRUE(ParseReal(l.text.substr(7, m - 7), dE));
            const size_t a = m + mid.size();
            EXPECT_TRUE(ParseReal(l.text.substr(a, l.text.find(" %", a) - a), rel));
            out.emplace_back(static_cast<double>(dE), static_cast<double>(rel));
        }
        return out;
    }

    int count(const std::string& text) const {
        int n = 0;
        for (const auto& l : host.lines) n += l.text == text;
        return n;
    }

    std::vector<std::string> inelastic;
};

const char* kTerminated = "                 * TERMINATED *";

// Every integrator runs each impact to its termination; without inelastic losses the balance of
// each trajectory closes to within 1 % of the projectile's energy (10 eV at 1 keV) for Verlet and
// Beeman. The figures of all four are printed for the record.
TEST(EndToEnd, EveryIntegratorRunsTheProjectAndBalancesItsEnergy) {
    const char* names[] = {"HGE B", "Two-Step A", "Beeman", "Verlet"};
    for (int32_t algorithm = 0; algorithm <= 3; ++algorithm) {
        Cu100Run r(2, algorithm);
        r.run();
        EXPECT_EQ(r.count(kTerminated), 2) << names[algorithm];
        const auto b = r.balances();
        ASSERT_EQ(b.size(), 2u) << names[algorithm];
        for (size_t k = 0; k < b.size(); ++k) {
            std::printf("[ energy ] %-10s trajectory %zu: dE = %+.4f eV, dE/(KE+PE) = %+.4f %%\n",
                        names[algorithm], k + 1, b[k].first, b[k].second);
            if (algorithm >= 2) {
                EXPECT_LT(std::fabs(b[k].first), 10.0) << names[algorithm];
            }
        }
        EXPECT_EQ(r.host.messages.count(RecordingSink::Kind::Error), 0);
    }
}

// Records of the final configuration (sample mode 1, all particles): 40-byte records, particle
// indices 0..N and run numbers 1, 2 in order, SI positions, momenta and masses.
TEST(EndToEnd, FinalRecordsHoldEveryParticleInSiUnits) {
    Cu100Run r(2);
    r.globals.Options.Verbose = 1;
    r.run();
    const auto records = r.records();
    const int32_t N = static_cast<int32_t>(r.project.target.size());
    ASSERT_EQ(records.size(), 2u * (N + 1));
    for (size_t k = 0; k < records.size(); ++k) {
        EXPECT_EQ(records[k].rw, static_cast<int32_t>(k % (N + 1)));
        EXPECT_EQ(records[k].rn, static_cast<int32_t>(k / (N + 1)) + 1);
    }
    const auto times = r.values("  Time elapsed = ", " fs.");
    const auto projectile = r.values("  Projectile (x,y,z) coordinates (A): ", " ");
    ASSERT_EQ(times.size(), 2u);
    ASSERT_EQ(projectile.size(), 4u);  // at the start and the end of each trajectory
    for (int t = 0; t < 2; ++t) {
        const TOslRecord& p0 = records[static_cast<size_t>(t) * (N + 1)];
        EXPECT_NEAR(p0.ti, times[t] * 1e-15, 0.006e-15);
        EXPECT_NEAR(p0.rx, projectile[2 * t + 1] * 1e-10, 1e-15);
        EXPECT_NEAR(p0.ms, 39.948 * 1.66053e-27, 1e-31);
        EXPECT_NEAR(records[static_cast<size_t>(t) * (N + 1) + 1].ms, 63.546 * 1.66053e-27, 1e-31);
        // Momentum of the projectile: m v with v below its start speed of 69.5 km/s.
        const double p = std::sqrt(p0.px * p0.px + p0.py * p0.py + p0.pz * p0.pz);
        EXPECT_GT(p, 0);
        EXPECT_LT(p, 39.948 * 1.66053e-27 * 6.95e4 * 1.0001);
    }
    for (const TOslRecord& rec : records) EXPECT_LT(std::fabs(rec.rz), 1e-7);  // metres, not A
}

// Without surface barriers the total momentum along x and y stays the projectile's (0 at normal
// incidence) to within 1 % of its momentum.
TEST(EndToEnd, LateralMomentumStaysThatOfTheProjectile) {
    Cu100Run r(2);
    r.globals.Options.Verbose = 1;
    r.run();
    const auto px = r.values("  Px:", " Py:");
    ASSERT_EQ(px.size(), 4u);
    const double p0 = 4.61044;  // 1e-21 kg m/s: sqrt(2 m E) of 1 keV argon
    for (const auto& l : r.host.lines)
        if (l.text.rfind("  Px:", 0) == 0) {
            long double py = 0;
            const size_t a = l.text.find(" Py:") + 4;
            ASSERT_TRUE(ParseReal(l.text.substr(a, 8), py));
            EXPECT_LT(std::fabs(static_cast<double>(py)), 0.01 * p0);
        }
    for (double v : px) EXPECT_LT(std::fabs(v), 0.01 * p0);
}

TEST(EndToEnd, AFixedSeedGivesByteIdenticalOutput) {
    std::string first;
    for (uint32_t seed : {7u, 7u, 8u}) {
        Cu100Run r(2);
        r.globals.RandomSeed = seed;
        r.globals.Options.RecordInitial = 1;
        r.run();
        const std::string bytes = r.output("dynvars.osl") + r.output("inivars.osl");
        ASSERT_FALSE(bytes.empty());
        if (first.empty())
            first = bytes;
        else if (seed == 7u)
            EXPECT_EQ(bytes, first);
        else
            EXPECT_NE(bytes, first);  // the thermal displacements differ
    }
}

TEST(EndToEnd, StepEndsOnlyTheCurrentTrajectory) {
    Cu100Run r(2);
    r.globals.Options.Verbose = 1;
    // Step during the third rebuild of the first trajectory.
    r.host.onPump = [](RecordingHost& h) {
        if (h.pumps == 3) h.flags().StopTrajectory = 1;
    };
    r.run();
    EXPECT_EQ(r.count(kTerminated), 2);
    EXPECT_NE(r.host.find("  Run count: 2"), -1);
    EXPECT_EQ(r.values("  No. of timesteps executed = ", "\n").front(), 20);
    EXPECT_EQ(r.records().size(), 2 * (r.project.target.size() + 1));  // final records of both
    EXPECT_EQ(r.balances().size(), 2u);
}

TEST(EndToEnd, ConfirmedAbortEndsTheRunAfterTheTrajectory) {
    Cu100Run r(3);
    r.host.onPump = [](RecordingHost& h) {
        if (h.pumps == 2) h.flags().AbortRequested = 1;
    };
    r.host.messages.scriptAnswers({true});
    r.run();
    EXPECT_EQ(r.host.messages.count(RecordingSink::Kind::YesNo), 1);
    EXPECT_EQ(r.host.find("  Run count: 2"), -1);
    EXPECT_NE(r.host.find("  Aborting simulation after next cycle..."), -1);
    EXPECT_EQ(r.records().size(), r.project.target.size() + 1);  // the end sequence ran
    EXPECT_EQ(r.host.lines.back().text.rfind("  Cumulative error in system energy:", 0), 0u);
}

// Oen-Robinson and Shapiro-Tombrello events of a run, in the events file's line layout.
TEST(EndToEnd, InelasticEventsFileLines) {
    Cu100Run r(2);
    r.globals.Options.OenRobinsonModel = 1;
    r.globals.Options.ShapiroTombrelloModel = 1;
    r.globals.Options.RecordInelastic = 1;
    r.inelastic = {"// LSS data",
                   "0   // number of LSS items",
                   "0   // threshold in m/s",
                   "// Oen-Robinson data",
                   "2   // number of O-R items",
                   "522 0.002 1",
                   "841 0.002 1",
                   "1.5   // max. apsis in A",
                   "0.3   // gamma",
                   "// Shapiro-Tombrello data",
                   "2   // number of S-T items",
                   "522 1.2 5 3 0.5",
                   "841 1.2 5 3 0.5"};
    r.run();
    const std::string bytes = r.output("inelast.dat");
    TextReader in(bytes);
    std::vector<std::string> lines;
    while (!in.eof()) lines.push_back(in.readLine());
    ASSERT_GT(lines.size(), 2u);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'),
              static_cast<std::ptrdiff_t>(lines.size()));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'),
              static_cast<std::ptrdiff_t>(lines.size()));
    std::set<std::string> kinds;
    double orSum[2] = {}, stSum[2] = {};
    for (const std::string& line : lines) {
        // Read the fields back and write them again: the same line.
        TextReader f(line);
        const int32_t run = f.readInt(), i = f.readInt(), j = f.readInt();
        const double dE = static_cast<double>(f.readReal()),
                     rOld = static_cast<double>(f.readReal()),
                     rNew = static_cast<double>(f.readReal()),
                     z = static_cast<double>(f.readReal()), dt = static_cast<double>(f.readReal()),
                     E = static_cast<double>(f.readReal());
        const int32_t kind = f.readInt(), electrons = f.readInt();
        ASSERT_FALSE(f.failed()) << line;
        EXPECT_TRUE(run == 1 || run == 2);
        EXPECT_LT(i, j);
        EXPECT_EQ(InelasticEventLine(run, i, j, dE, rOld, rNew, z, dt, E, kind ? electrons : -1),
                  line + "\r\n");
        EXPECT_EQ(kind == 1, dE > 0) << line;  // Shapiro-Tombrello gains, Oen-Robinson losses
        kinds.insert(kind ? "ST" : "OR");
        (kind ? stSum : orSum)[run - 1] += kind ? -dE : dE;
        if (kind == 1) {
            EXPECT_NEAR(dE, 5.0 * electrons, 1e-3);
        }
    }
    EXPECT_EQ(kinds.size(), 2u);
    // The loss lines of each trajectory sum its events.
    const auto orLoss = r.values("  OR loss  (eV): This run: ", ",");
    const auto stLoss = r.values("  ST loss  (eV): This run: ", ",");
    ASSERT_EQ(orLoss.size(), 2u);
    ASSERT_EQ(stLoss.size(), 2u);
    for (int t = 0; t < 2; ++t) {
        EXPECT_NEAR(orLoss[t], orSum[t], 0.01);
        EXPECT_NEAR(stLoss[t], stSum[t], 0.01);
    }
    EXPECT_EQ(r.balances().size(), 2u);
}

TEST(EndToEnd, DefaultUserProgrammedOutputWritesEmittedParticlesAbove20eV) {
    Cu100Run r(3);
    r.project.run[kSampleMode] = "1";
    r.project.run[kOutputOption] = "8";
    r.run();
    EXPECT_EQ(r.host.messages.count(RecordingSink::Kind::ParseError), 0);
    for (const TOslRecord& rec : r.records()) {
        const double ke =
            (rec.px * rec.px + rec.py * rec.py + double(rec.pz) * rec.pz) / (2.0 * rec.ms);
        EXPECT_GT(ke, 20 * 1.60219e-19 * 0.9999);
        EXPECT_GT(rec.pz, 0);
        EXPECT_GT(rec.rz, 0.5e-10);
    }
}

TEST(EndToEnd, SamplingIntervalZeroWritesOnlyFinalRecordsThroughoutTheRun) {
    Cu100Run r(2);
    r.project.run[kSampleMode] = "3";
    r.project.run[kInterval] = "000";
    r.globals.Options.RecordInitial = 1;
    r.run();
    EXPECT_FALSE(FileExists(r.project.folder.file("inivars.osl")));
    EXPECT_EQ(r.records().size(), 2 * (r.project.target.size() + 1));
}

}  // namespace
}  // namespace halvern
