// Inelastic losses: the inelastic file's tables, the event rows, the LSS friction against its
// integral along the path, and Oen-Robinson and Shapiro-Tombrello events in a head-on collision.
#include <gtest/gtest.h>

#include <algorithm>

#include "EngineTestRuns.h"
#include "dynamics/InelasticModels.h"
#include "input/InelasticFile.h"
#include "miscutil.h"
#include "run/RunInelastic.h"

namespace halvern::test {
namespace {

constexpr double kEvPerJ = 6.241449214576031e18;

// As the set-up program's inelastic dialog writes it.
const std::string kFile =
    Lines({"// LSS data", "3   // number of LSS items", "29 1.5 2", "18 0 1", "0 1 1",
           "1000   // threshold in m/s", "// Oen-Robinson data", "1 // number of O-R items",
           "522 2.0 0.5", "1.5   // max. apsis in A", "0.3   // gamma", "// Shapiro-Tombrello data",
           "2   // number of S-T items", "522 1.2 10 3 0.5", "841 0.9 5 0 0.5"});

struct InelasticRead {
    ScratchFolder folder{"inl"};
    TInelasticParameters p;
    TSimulationOptions o;
    RecordingHost host;
    InelasticRead() { o.LssModel = o.OenRobinsonModel = o.ShapiroTombrelloModel = 1; }
    bool read(const std::string& text) {
        return ReadInelasticFile(folder.write("cu.inl", text), p, o, host);
    }
};

TEST(InelasticFile, ReadsTheTablesInSiUnitsKeepingOnlyUsableRows) {
    InelasticRead r;
    ASSERT_TRUE(r.read(kFile));
    const TInelasticParameters& p = r.p;
    ASSERT_EQ(p.lss.size(), 1u);  // K = 0 and Z1 = 0 rows are dropped
    EXPECT_EQ(p.lss[0].Z1, 29);
    EXPECT_DOUBLE_EQ(p.lss[0].K, 3.0 * 1.602192e-14);
    EXPECT_EQ(p.lssThreshold, 1000);
    ASSERT_EQ(p.oenRobinson.size(), 1u);
    EXPECT_DOUBLE_EQ(p.oenRobinson[0].K, 1.0 * 1.602192e-39 * 0.15915494309189535);
    EXPECT_EQ(p.gamma, 0.3);
    EXPECT_DOUBLE_EQ(p.OrEventRange, 1.5e-10 * 1.5e-10);  // the apsis shrinks the range
    ASSERT_EQ(p.shapiroTombrello.size(), 1u);             // Nmax = 0 row dropped
    EXPECT_DOUBLE_EQ(p.shapiroTombrello[0].Rcrit, 1.2e-10);
    EXPECT_DOUBLE_EQ(p.shapiroTombrello[0].dE, 10 * 1.602192e-19);
    EXPECT_EQ(p.shapiroTombrello[0].Nmax, 3);
    EXPECT_DOUBLE_EQ(p.StEventRange, 1.7e-10 * 1.7e-10);  // Rcrit + 0.5 A
    EXPECT_TRUE(r.o.LssModel && r.o.OenRobinsonModel && r.o.ShapiroTombrelloModel);
    EXPECT_TRUE(r.host.lines.empty());

    EXPECT_DOUBLE_EQ(LssLookup(p, 29), p.lss[0].K);
    EXPECT_EQ(LssLookup(p, 18), 0);
    EXPECT_EQ(OrLookup(p, 841), 0);
    EXPECT_EQ(StLookup(p, 522).Nmax, 3);
    EXPECT_EQ(StLookup(p, 841).Rcrit, 0);
}

TEST(InelasticFile, EmptyTablesSwitchTheirModelsOffWithAWarning) {
    InelasticRead r;
    ASSERT_TRUE(
        r.read("// LSS data\r\n1\r\n29 1 0\r\n0\r\n// Oen-Robinson data\r\n0\r\n2\r\n0.3\r\n"
               "// Shapiro-Tombrello data\r\n0\r\n"));
    EXPECT_FALSE(r.o.LssModel || r.o.OenRobinsonModel || r.o.ShapiroTombrelloModel);
    EXPECT_EQ(r.host.texts(),
              (std::vector<std::string>{
                  "  Warning: LSS option disabled (null parameters in INL file)",
                  "  Warning: Oen-Rob. option disabled (null parameters in INL file)",
                  "  Warning: ST inelastic option disabled (null parameters in INL file)"}));
    for (const auto& l : r.host.lines) EXPECT_EQ(l.colour, colour::Red);
    EXPECT_DOUBLE_EQ(r.p.StEventRange, 5e-11 * 5e-11);
    EXPECT_EQ(r.p.OrEventRange, kDefaultEventRange);  // a 2 A apsis does not widen it
}

TEST(InelasticFile, EventRangesStartAfreshAtEveryReadAndTablesGrowBeyondTenRows) {
    InelasticRead r;
    std::string small = kFile;
    small.replace(small.find("1.5   // max"), 3, "0.5");
    ASSERT_TRUE(r.read(small));
    EXPECT_DOUBLE_EQ(r.p.OrEventRange, 0.5e-10 * 0.5e-10);
    ASSERT_TRUE(r.read(kFile));
    EXPECT_DOUBLE_EQ(r.p.OrEventRange, 1.5e-10 * 1.5e-10);

    std::string twelve = "// LSS data\r\n12\r\n";
    for (int z = 1; z <= 12; ++z) twelve += std::to_string(z) + " 1 1\r\n";
    twelve += "0\r\n// Oen-Robinson data\r\n0\r\n2\r\n0.3\r\n// Shapiro-Tombrello data\r\n0\r\n";
    ASSERT_TRUE(r.read(twelve));
    EXPECT_EQ(r.p.lss.size(), 12u);
    EXPECT_NE(LssLookup(r.p, 12), 0);
}

TEST(InelasticFile, MissingEmptyAndMalformedFilesFail) {
    InelasticRead r;
    EXPECT_FALSE(ReadInelasticFile("/nonexistent/x.inl", r.p, r.o, r.host));
    EXPECT_FALSE(r.read(""));
    EXPECT_EQ(r.host.messages.texts(),
              (std::vector<std::string>{"Inelastic file not found: /nonexistent/x.inl",
                                        "Inelastic file not found: " + r.folder.file("cu.inl")}));
    std::string bad = kFile;
    bad.replace(bad.find("522 1.2"), 3, "abc");
    EXPECT_FALSE(r.read(bad));
    // A count far beyond the data ends at the end of the file.
    EXPECT_TRUE(r.read("// LSS data\r\n2000000000\r\n"));
}

// A value beyond a double, or a product with its scale that is, made every loss NaN.
TEST(InelasticFile, ValuesThatAreNotFiniteAreRefusedWithTheirLine) {
    const struct {
        std::string from, to;
        int line;
        std::string value;
    } cases[] = {
        {"29 1.5 2", "29 1e400 2", 3, "INF"},
        {"29 1.5 2", "29 1e200 1e200", 3, "INF"},  // K x scale
        {"1000   // threshold", "-1e400 // threshold", 6, "-INF"},
        {"0.3   // gamma", "1e999   // gamma", 11, "INF"},
        {"522 1.2 10 3 0.5", "522 1.2 10 3 1e400", 14, "INF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.to);
        InelasticRead r;
        std::string text = kFile;
        text.replace(text.find(c.from), c.from.size(), c.to);
        EXPECT_FALSE(r.read(text));
        EXPECT_EQ(r.host.texts(),
                  (std::vector<std::string>{"  ++++ Error ++++",
                                            "  Inelastic parameter " + c.value + " at line " +
                                                std::to_string(c.line) +
                                                " of cu.inl must be a finite number"}));
    }
}

// Atomic numbers up to 1000 make products up to a million, beyond 16 bits and, as 2147483647
// once did, beyond 32 bits in the look-ups' keys.
TEST(InelasticFile, LookUpKeysAreProductsInSixtyFourBits) {
    InelasticRead r;
    ASSERT_TRUE(r.read(kFile));
    EXPECT_EQ(OrLookup(r.p, int64_t{522} + (int64_t{1} << 32)), 0);
    EXPECT_EQ(StLookup(r.p, int64_t{522} + (int64_t{1} << 32)).Nmax, 0);
}

TEST(InelasticFile, PromotedElectronsFollowsTheDrawsUpToNmax) {
    UniformRandom r(1);
    EXPECT_EQ(PromotedElectrons(7, 3, 1.0, r), 3);
    EXPECT_EQ(PromotedElectrons(2, 3, 1.0, r), 2);
    EXPECT_EQ(r.seed, 1u);  // prob = 1 draws nothing

    // The independent count: draws below prob until Nmax is reached.
    UniformRandom a(12345), b(12345);
    int32_t expected = 0;
    for (int k = 0; k < 20 && expected < 5; ++k)
        if (b() < 0.3) ++expected;
    EXPECT_EQ(PromotedElectrons(20, 5, 0.3, a), expected);
    EXPECT_EQ(a.seed, b.seed);
    EXPECT_EQ(PromotedElectrons(0, 5, 0.3, a), 0);
}

std::vector<int32_t> Partners(const TOrEventRows& r, int32_t i) {
    std::vector<int32_t> out;
    for (const TOrSlot* s = r.row(i); s->partner != kEndOfRow; ++s) out.push_back(s->partner);
    return out;
}

TEST(InelasticModels, EventRowsKeepTheEndMarkAndAreCleared) {
    TOrEventRows r;
    AllocateEventRows(r, 2, 4);  // three slots and the end mark
    auto slot = [](int32_t partner) {
        TOrSlot s;
        s.partner = partner;
        return s;
    };
    int32_t position = 7;
    EXPECT_FALSE(FindOrSlot(r, 0, 5, position));
    EXPECT_EQ(position, -1);
    EXPECT_TRUE(InsertOrSlot(r, slot(5), 0, 0));
    EXPECT_TRUE(InsertOrSlot(r, slot(9), 0, 1));
    EXPECT_TRUE(InsertOrSlot(r, slot(7), 0, 1));
    EXPECT_EQ(Partners(r, 0), (std::vector<int32_t>{5, 7, 9}));
    EXPECT_FALSE(InsertOrSlot(r, slot(8), 0, 3));  // full: the end mark keeps its place
    EXPECT_TRUE(FindOrSlot(r, 0, 9, position));
    EXPECT_EQ(position, 2);
    DeleteOrSlot(r, 0, 0);
    EXPECT_EQ(Partners(r, 0), (std::vector<int32_t>{7, 9}));
    EXPECT_TRUE(Partners(r, 1).empty());
    r.row(1)[0] = slot(3);
    r.row(1)[1].partner = kEndOfRow;
    ClearEventRows(r);
    EXPECT_TRUE(Partners(r, 0).empty());
    EXPECT_TRUE(Partners(r, 1).empty());
}

TEST(InelasticModels, RowUpdateFollowsThePartnerListsAndTheRange) {
    CuCrystal run(1, 2);
    TRunState& rs = run.rs;
    TParticleArrays& p = rs.particles;
    TOrEventRows r;
    AllocateEventRows(r, rs.N + 1, rs.partners.slots);
    // Particle 1 lists 2 (1 A away), 3 (3 A away) and then only 2.
    for (int32_t j : {2, 3}) {
        p.x[j] = p.x[1] + (j == 2 ? 1e-10 : 3e-10);
        p.y[j] = p.y[1];
        p.z[j] = p.z[1];
    }
    int32_t* row = rs.partners.row(1);
    row[0] = 2;
    row[1] = 3;
    row[2] = kEndOfRow;
    UpdateEventRows(r, rs.partners, p, rs.N, 4e-20);
    EXPECT_EQ(Partners(r, 1), (std::vector<int32_t>{2}));
    EXPECT_DOUBLE_EQ(r.row(1)[0].previousD2, 1e-20);
    r.row(1)[0].done = 1;
    UpdateEventRows(r, rs.partners, p, rs.N, 4e-20);  // the watched pair keeps its slot
    EXPECT_EQ(r.row(1)[0].done, 1);
    UpdateEventRows(r, rs.partners, p, rs.N, 1e-19);  // a wider reach takes in 3
    EXPECT_EQ(Partners(r, 1), (std::vector<int32_t>{2, 3}));
    row[0] = 3;  // 2 left the list: its slot goes, so no stale flag stays behind
    row[1] = kEndOfRow;
    UpdateEventRows(r, rs.partners, p, rs.N, 1e-19);
    EXPECT_EQ(Partners(r, 1), (std::vector<int32_t>{3}));
    // However often the lists change, a row never holds more slots than partners.
    for (int round = 0; round < 20; ++round) {
        row[0] = 2 + round % 2;
        UpdateEventRows(r, rs.partners, p, rs.N, 1e-19);
        EXPECT_EQ(Partners(r, 1).size(), 1u);
    }
}

TEST(InelasticModels, EventLineLayout) {
    EXPECT_EQ(
        InelasticEventLine(1, 0, 5, -12.3456, 0.81234, 0.85, 1.2, 0.07, 950.5, -1),
        "    1    0    5   -12.346  0.81234  0.85000  1.20000    0.0700    950.500 0   0\r\n");
    EXPECT_EQ(InelasticEventLine(12, 3, 104, 30, 0.9, 1.05, -1.8075, 0.0412, 80, 3),
              "   12    3  104    30.000  0.90000  1.05000 -1.80750    0.0412     80.000 1  3\r\n");
}

// The target atoms far below a projectile that moves alone along x at 69.5 km/s through a wide
// lattice zone, so that only the LSS friction acts.
struct FreeFlight : CuCrystal {
    explicit FreeFlight(double K) : CuCrystal(1, 2) {
        TParticleArrays& p = rs.particles;
        for (int32_t i = 1; i <= rs.N; ++i) p.z[i] -= 100e-10;
        p.x[0] = p.y[0] = p.z[0] = 0;
        p.vx[0] = 6.95e4;
        p.vy[0] = p.vz[0] = 0;
        rs.targetExtent = {1e-6, -1e-6, 1e-6, -1e-6, 1e-6, -1e-6};
        rs.TargetTop = 1e-6;
        rs.options.LssModel = 1;
        rs.inelastic.params.lss = {{18, K}};
    }
    void steps(int n, double dt) {
        const TForceField f = ForceFieldOf(rs);
        VerletStart(rs.N, rs.particles, rs.partners, f);
        for (int k = 0; k < n; ++k)
            VerletStepWithEvents(rs.N, dt, rs.particles, rs.partners, f, [&](int32_t N, double d) {
                ApplyInelasticModels(rs, rs.targetExtent, N, d);
            });
    }
};

TEST(InelasticModels, LssLossOfAFastParticleIsKvIntegratedOverItsPath) {
    const double K = 3.2e-14;  // J s/m^2, about 2 eV fs/A^2
    FreeFlight run(K);
    TParticleArrays& p = run.rs.particles;
    const double m = p.mass[0], v0 = p.vx[0];
    run.steps(1000, 1e-16);
    // -dE/dx = K v with E = m v^2 / 2 gives dv/dx = -K / m: v falls linearly with the path s.
    const double vEnd = v0 - K * p.x[0] / m;
    const double analytic = 0.5 * m * (v0 * v0 - vEnd * vEnd);
    const double loss = -run.rs.inelastic.lssLoss;
    EXPECT_NEAR(loss, analytic, 1e-3 * analytic);
    EXPECT_NEAR(p.vx[0], vEnd, 1e-3 * vEnd);
    EXPECT_GT(analytic * kEvPerJ, 20);  // a loss worth measuring
    // The sum is what the particle lost, to rounding.
    EXPECT_NEAR(0.5 * m * (v0 * v0 - p.vx[0] * p.vx[0]), loss, 1e-9 * analytic);
    // Target atoms (Cu, not in the table) and particles at rest lose nothing, even with a
    // threshold of 0.
    for (int32_t i = 1; i <= run.rs.N; ++i) EXPECT_EQ(Speed(p, i), 0);
}

TEST(InelasticModels, LssLossBeyondTheKineticEnergyStopsTheParticle) {
    FreeFlight run(1e-6);
    TParticleArrays& p = run.rs.particles;
    const double ke = 0.5 * p.mass[0] * p.vx[0] * p.vx[0];
    run.rs.inelastic.params.lss = {{18, 1e-6}, {29, 1e-6}};  // atoms at rest stay at rest
    run.steps(3, 1e-16);
    EXPECT_EQ(p.vx[0], 0);
    EXPECT_DOUBLE_EQ(run.rs.inelastic.lssLoss, -ke);
    for (int32_t i = 0; i <= run.rs.N; ++i) EXPECT_TRUE(std::isfinite(p.vx[i]));
}

TEST(InelasticModels, NoLssLossOutsideTheZoneOrAboveTheTarget) {
    for (const bool outside : {true, false}) {
        FreeFlight run(3.2e-14);
        if (outside)
            run.rs.targetExtent.xMax = 1e-12;  // leaves the zone at once
        else
            run.rs.TargetTop = -1e-10;  // flies above the target's top
        run.steps(10, 1e-16);
        EXPECT_EQ(run.rs.inelastic.lssLoss, 0) << outside;
        EXPECT_EQ(run.rs.particles.vx[0], 6.95e4);
    }
}

// Keeps the event lines when asked to.
class KeptEventLines : public InelasticEventLines {
  public:
    explicit KeptEventLines(bool keep) : keep_(keep) {}
    bool wanted() const override { return keep_; }
    void write(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;

  private:
    bool keep_;
};

// An Oen-Robinson pair past its closest approach, outside any run: the loss is counted whether
// or not its line is wanted or logged, and the line names the step's impact.
TEST(InelasticModels, EventOfAStepGoesToItsLinesAndItsHost) {
    for (const bool keep : {false, true}) {
        for (const bool verbose : {false, true}) {
            CuCrystal c(0, 1);
            TParticleArrays& p = c.rs.particles;
            p.x[0] = p.x[1] + 1.0e-10;
            p.y[0] = p.y[1];
            p.z[0] = p.z[1];
            p.vx[0] = 1e5;
            TInelasticState in;
            in.params.oenRobinson = {{18 * 29, 5e-44}};
            in.params.gamma = 0.3;
            AllocateEventRows(in.orRows, c.rs.N + 1, 4);
            TOrSlot slot;
            slot.partner = 1;
            slot.previousD2 = 0.9e-10 * 0.9e-10;
            ASSERT_TRUE(InsertOrSlot(in.orRows, slot, 0, 0));
            KeptEventLines lines(keep);
            RecordingHost host;
            TInelasticStep step{ForceFieldOf(c.rs), p, in, 0, 7, verbose, host, lines};
            OenRobinsonPass(step, 1, 1e-16);
            EXPECT_LT(in.orLoss, 0);
            EXPECT_EQ(in.orRows.row(0)[0].done, 1);
            ASSERT_EQ(lines.lines.size(), keep ? 1u : 0u);
            if (keep) {
                EXPECT_EQ(lines.lines[0].substr(0, 15), "    7    0    1");
            }
            ASSERT_EQ(host.lines.size(), verbose ? 1u : 0u);
            if (verbose) {
                EXPECT_EQ(host.lines[0].text.rfind("  OR event, particles: 0 and 1", 0), 0u);
            }
        }
    }
}

// A nearly head-on Ar-Cu collision at 1 keV with one event model, through the trajectory loop.
struct HeadOn : CuCrystal {
    ScratchFolder folder{"inel"};
    std::vector<std::string> lines;  // of the events file

    explicit HeadOn(bool shapiroTombrello) : CuCrystal(0, 1) {
        TParticleArrays& p = rs.particles;
        p.x[0] = p.x[1];
        p.y[0] = p.y[1] + 0.05e-10;
        rs.run.TMax = 60e-15;
        rs.options.RecordInelastic = 1;
        rs.options.Verbose = 1;
        TInelasticParameters& params = rs.inelastic.params;
        if (shapiroTombrello) {
            rs.options.ShapiroTombrelloModel = 1;
            params.shapiroTombrello = {{18 * 29, 10 * kEv, 1.0e-10, 3, 1.0}};
            params.StEventRange = 1.5e-10 * 1.5e-10;
        } else {
            rs.options.OenRobinsonModel = 1;
            params.oenRobinson = {{18 * 29, 5e-44}};
            params.gamma = 0.3;
        }
        EXPECT_TRUE(rs.inelasticEventsFile.create(folder.file("inelast.dat")));
        EXPECT_TRUE(RunTrajectory(rs.targetExtent, rs.N, 7e-17, rs));
        rs.inelasticEventsFile.commit();
        lines = FileLines(folder.file("inelast.dat"));
    }

    // The energy change of the trajectory against the loss, eV: 0 when the balance closes.
    double closure(double loss) const {
        const auto E = LoggedValues(host, "  Total System Energy: ", " eV");
        EXPECT_EQ(E.size(), 2u);
        return E.size() == 2 ? E[1] - E[0] - loss * kEvPerJ : NAN;
    }
};

TEST(InelasticModels, OenRobinsonEventAtClosestApproach) {
    HeadOn h(false);
    const TInelasticState& in = h.rs.inelastic;
    ASSERT_EQ(h.lines.size(), 1u);
    const std::string& line = h.lines[0];
    EXPECT_EQ(line.substr(0, 15), "    1    0    1");
    EXPECT_EQ(line.substr(line.size() - 6), " 0   0");
    long double dE = 0, rOld = 0, rNew = 0, dt = 0;
    ASSERT_TRUE(ParseReal(line.substr(16, 9), dE));
    ASSERT_TRUE(ParseReal(line.substr(26, 8), rOld));
    ASSERT_TRUE(ParseReal(line.substr(35, 8), rNew));
    ASSERT_TRUE(ParseReal(line.substr(53, 9), dt));
    EXPECT_LT(dE, -0.5);
    EXPECT_NEAR(static_cast<double>(dE), in.orLoss * kEvPerJ, 0.001);
    EXPECT_GT(rNew, rOld);  // the pair was moved apart to pay for the loss
    EXPECT_LT(rOld, 1.0);
    EXPECT_GT(dt, 0);
    // Q = -K v0 q^2 exp(-q R0) at the printed closest approach.
    const double q = 0.3 / LindhardScreeningLength(18, 29, 1.0);
    const double ratio = std::exp(-q * static_cast<double>(rOld) * 1e-10);
    EXPECT_GT(-in.orLoss / (5e-44 * q * q * ratio), 5e4);  // v0 of a keV pair, m/s
    const std::string logStart =
        "  OR event, particles: 0 and 1, dE = " + RealToText8(in.orLoss * kEvPerJ) +
        " eV, R(old) = ";
    const auto& logged = h.host.lines;
    const auto it = std::find_if(logged.begin(), logged.end(), [&](const RecordingHost::Line& l) {
        return l.text.rfind(logStart, 0) == 0;
    });
    ASSERT_NE(it, logged.end());
    EXPECT_EQ(it->colour, colour::DarkRed);
    EXPECT_EQ(it->text.substr(it->text.size() - 2), " A");
    // Energy is conserved once the loss is counted.
    EXPECT_NEAR(h.closure(in.orLoss), 0, 1.0);
}

TEST(InelasticModels, ShapiroTombrelloEventPromotesUpToNmaxElectrons) {
    HeadOn h(true);
    ASSERT_EQ(h.lines.size(), 1u);
    const std::string& line = h.lines[0];
    EXPECT_EQ(line.substr(0, 15), "    1    0    1");
    EXPECT_EQ(line.substr(16, 9), "   30.000");  // three electrons of 10 eV, prob = 1
    EXPECT_EQ(line.substr(line.size() - 5), " 1  3");
    EXPECT_DOUBLE_EQ(h.rs.inelastic.stLoss, -30 * kEv);
    EXPECT_NEAR(h.closure(h.rs.inelastic.stLoss), 0, 1.0);
}

}  // namespace
}  // namespace halvern::test
