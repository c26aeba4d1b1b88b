// Whole runs of the example project: 486 copper atoms in fcc(100) under 1 keV argon, with the
// set-up program's default model and run values, through RunSimulation and a recording host.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

#include "EngineTestRuns.h"
#include "dynamics/InelasticModels.h"

namespace halvern::test {
namespace {

const char* kTerminated = "                 * TERMINATED *";

// The example's first `impacts` impacts with a fixed seed.
struct ExampleRun : TestProject {
    explicit ExampleRun(int impacts, int32_t algorithm = kVerlet) {
        UseExample(*this, impacts);
        globals.Options.Algorithm = algorithm;
        globals.RandomSeed = 20240607u;
    }
    size_t atoms() const { return target.size(); }
    std::vector<TOslRecord> records() const { return ReadRecords(names().dynamics); }
};

// Every integrator runs each impact to its termination, with final records of every particle
// (40 bytes, indices 0..N, run numbers 1, 2, SI units), the lateral momentum of the projectile
// (0 at normal incidence, no surface barriers) kept to within 1 % of its momentum, and for
// Verlet and Beeman each trajectory's energy balance closed to within 1 % of the projectile's
// energy (10 eV at 1 keV). The balances of all four are printed for the record.
TEST(EndToEnd, EveryIntegratorRunsTheProjectRecordsItAndKeepsEnergyAndMomentum) {
    const char* names[] = {"HGE B", "Two-Step A", "Beeman", "Verlet"};
    const double mAr = 39.948 * kAmu;
    const double p0 = 4.61044;  // 1e-21 kg m/s: sqrt(2 m E) of 1 keV argon
    for (int32_t algorithm = 0; algorithm <= 3; ++algorithm) {
        SCOPED_TRACE(names[algorithm]);
        ExampleRun r(2, algorithm);
        r.simulate(true);
        EXPECT_EQ(CountLines(r.host, kTerminated), 2);
        EXPECT_EQ(r.host.messages.count(RecordingSink::Kind::Error), 0);

        for (const auto& l : r.host.lines)
            if (l.text.rfind("  dE = ", 0) == 0)
                std::printf("[ energy ] %-10s%s\n", names[algorithm], l.text.c_str());
        const auto dE = LoggedValues(r.host, "  dE = ", " eV");
        ASSERT_EQ(dE.size(), 2u);
        if (algorithm >= kBeeman) {
            for (double d : dE) EXPECT_LT(std::fabs(d), 10.0);
        }

        const auto records = r.records();
        const size_t N = r.atoms();
        ASSERT_EQ(r.output("dynvars.osl").size(), 2 * (N + 1) * kOslRecordSize);
        for (size_t k = 0; k < records.size(); ++k) {
            EXPECT_EQ(records[k].rw, static_cast<int32_t>(k % (N + 1)));
            EXPECT_EQ(records[k].rn, static_cast<int32_t>(k / (N + 1)) + 1);
            EXPECT_LT(std::fabs(records[k].rz), 1e-7);  // metres, not Angstrom
        }
        const auto times = LoggedValues(r.host, "  Time elapsed = ", " fs.");
        const auto projectile = LoggedValues(r.host, "  Projectile (x,y,z) coordinates (A): ", " ");
        ASSERT_EQ(times.size(), 2u);
        ASSERT_EQ(projectile.size(), 4u);  // at the start and the end of each trajectory
        for (size_t t = 0; t < 2; ++t) {
            const TOslRecord& a = records[t * (N + 1)];
            EXPECT_NEAR(a.ti, times[t] * 1e-15, 0.006e-15);
            EXPECT_NEAR(a.rx, projectile[2 * t + 1] * 1e-10, 1e-15);
            EXPECT_NEAR(a.ms, mAr, 1e-31);
            EXPECT_NEAR(records[t * (N + 1) + 1].ms, 63.546 * kAmu, 1e-31);
            // The projectile's momentum m v, below that of its start.
            const double p = std::sqrt(a.px * a.px + a.py * a.py + a.pz * a.pz);
            EXPECT_GT(p, 0);
            EXPECT_LT(p, mAr * 6.95e4 * 1.0001);  // 69.5 km/s
        }
        const auto px = LoggedValues(r.host, "  Px:", " Py:");
        ASSERT_EQ(px.size(), 4u);
        for (const auto& l : r.host.lines)
            if (l.text.rfind("  Px:", 0) == 0) {
                long double py = 0;
                ASSERT_TRUE(ParseReal(l.text.substr(l.text.find(" Py:") + 4, 8), py));
                EXPECT_LT(std::fabs(static_cast<double>(py)), 0.01 * p0);
            }
        for (double v : px) EXPECT_LT(std::fabs(v), 0.01 * p0);
    }
}

TEST(EndToEnd, AFixedSeedGivesByteIdenticalOutput) {
    std::string first;
    for (uint32_t seed : {7u, 7u, 8u}) {
        ExampleRun r(2);
        r.globals.RandomSeed = seed;
        r.globals.Options.RecordInitial = 1;
        r.simulate(true);
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
    ExampleRun r(2);
    r.globals.Options.FixedTimestep = 1;  // so that the end sequence's figures are known
    r.globals.Threads = 1;                // the pumps are those of the trajectory's rebuilds
    // Step during the third rebuild of the first trajectory.
    r.host.onPump = [](RecordingHost& h) {
        if (h.pumps == 3) h.flags().StopTrajectory = 1;
    };
    r.simulate(true);
    EXPECT_EQ(CountLines(r.host, kTerminated), 2);
    const int next = r.host.find("  Run count: 2");
    ASSERT_GT(next, 0);
    for (const char* line :
         {"  No. of timesteps executed = 20", "  Timestep at termination = 0.070000 fs",
          "  Time elapsed = 1.40 fs."}) {
        EXPECT_GE(r.host.find(line), 0) << line;
        EXPECT_LT(r.host.find(line), next) << line;
    }
    EXPECT_EQ(r.host.lines[static_cast<size_t>(next) - 1].text, " ");
    EXPECT_EQ(r.records().size(), 2 * (r.atoms() + 1));  // final records of both
    EXPECT_EQ(LoggedValues(r.host, "  dE = ", " eV").size(), 2u);
}

TEST(EndToEnd, ConfirmedAbortEndsTheRunAfterTheTrajectory) {
    ExampleRun r(3);
    r.globals.Threads = 1;  // the pumps are those of the trajectory's rebuilds
    r.host.onPump = [](RecordingHost& h) {
        if (h.pumps == 2) h.flags().AbortRequested = 1;
    };
    r.host.messages.scriptAnswers({true});
    r.simulate(true);
    EXPECT_EQ(r.host.messages.count(RecordingSink::Kind::YesNo), 1);
    EXPECT_EQ(r.host.find("  Run count: 2"), -1);
    EXPECT_NE(r.host.find("  Aborting simulation after next cycle..."), -1);
    EXPECT_NE(r.host.find(kTerminated), -1);
    EXPECT_EQ(r.records().size(), r.atoms() + 1);  // the end sequence ran
    EXPECT_EQ(r.host.lines.back().text.rfind("  Cumulative error in system energy:", 0), 0u);
}

// Oen-Robinson and Shapiro-Tombrello events of a run, in the events file's line layout.
TEST(EndToEnd, InelasticEventsFileLines) {
    ExampleRun r(2);
    r.globals.Options.OenRobinsonModel = 1;
    r.globals.Options.ShapiroTombrelloModel = 1;
    r.globals.Options.RecordInelastic = 1;
    r.inelastic =
        Lines({"// LSS data", "0   // number of LSS items", "0   // threshold in m/s",
               "// Oen-Robinson data", "2   // number of O-R items", "522 0.002 1", "841 0.002 1",
               "1.5   // max. apsis in A", "0.3   // gamma", "// Shapiro-Tombrello data",
               "2   // number of S-T items", "522 1.2 5 3 0.5", "841 1.2 5 3 0.5"});
    r.simulate(true);
    const std::string bytes = r.output("inelast.dat");
    const auto lines = FileLines(r.names().inelasticEvents);
    ASSERT_GT(lines.size(), 2u);
    const auto count = static_cast<std::ptrdiff_t>(lines.size());
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), count);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), count);
    std::set<int32_t> kinds;
    double orSum[2] = {}, stSum[2] = {};
    for (const std::string& line : lines) {
        // Read the fields back and write them again: the same line.
        TextReader f(line);
        const int32_t run = f.readInt(), i = f.readInt(), j = f.readInt();
        double v[6];
        for (double& x : v) x = static_cast<double>(f.readReal());
        const int32_t kind = f.readInt(), electrons = f.readInt();
        ASSERT_FALSE(f.failed()) << line;
        EXPECT_TRUE(run == 1 || run == 2);
        EXPECT_LT(i, j);
        EXPECT_EQ(InelasticEventLine(run, i, j, v[0], v[1], v[2], v[3], v[4], v[5],
                                     kind ? electrons : -1),
                  line + "\r\n");
        const double dE = v[0];
        EXPECT_EQ(kind == 1, dE > 0) << line;  // Shapiro-Tombrello gains, Oen-Robinson losses
        kinds.insert(kind);
        (kind ? stSum : orSum)[run - 1] += kind ? -dE : dE;
        if (kind == 1) {
            EXPECT_NEAR(dE, 5.0 * electrons, 1e-3);
        }
    }
    EXPECT_EQ(kinds.size(), 2u);
    // The loss lines of each trajectory sum its events.
    const auto orLoss = LoggedValues(r.host, "  OR loss  (eV): This run: ", ",");
    const auto stLoss = LoggedValues(r.host, "  ST loss  (eV): This run: ", ",");
    ASSERT_EQ(orLoss.size(), 2u);
    ASSERT_EQ(stLoss.size(), 2u);
    for (int t = 0; t < 2; ++t) {
        EXPECT_NEAR(orLoss[t], orSum[t], 0.01);
        EXPECT_NEAR(stLoss[t], stSum[t], 0.01);
    }
    EXPECT_EQ(LoggedValues(r.host, "  dE = ", " eV").size(), 2u);
}

TEST(EndToEnd, DefaultUserProgrammedOutputWritesEmittedParticlesAbove20eV) {
    ExampleRun r(3);
    r.run[0] = "1";  // sampling at termination
    r.run[2] = "8";  // the user-programmed rule, with the default expression
    r.simulate(true);
    EXPECT_EQ(r.host.messages.count(RecordingSink::Kind::ParseError), 0);
    for (const TOslRecord& rec : r.records()) {
        const double ke =
            (rec.px * rec.px + rec.py * rec.py + double(rec.pz) * rec.pz) / (2.0 * rec.ms);
        EXPECT_GT(ke, 20 * 1.60219e-19 * 0.9999);
        EXPECT_GT(rec.pz, 0);
        EXPECT_GT(rec.rz, 0.5e-10);
    }
}

// Periodic sampling refuses an interval of 0 (RunRefusals); at termination only, it still
// means no initial conditions in any trajectory.
TEST(EndToEnd, SamplingIntervalZeroWritesOnlyFinalRecordsThroughoutTheRun) {
    ExampleRun r(2);
    r.run[0] = "1";    // final sampling
    r.run[1] = "000";
    r.globals.Options.RecordInitial = 1;
    r.simulate(true);
    EXPECT_FALSE(FileExists(r.names().initialConditions));
    EXPECT_EQ(r.records().size(), 2 * (r.atoms() + 1));
}

}  // namespace
}  // namespace halvern::test
