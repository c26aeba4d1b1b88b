#include "InelasticModels.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "EngineUiTestFiles.h"
#include "NumberText.h"
#include "TextReader.h"
#include "TrajectoryTestSupport.h"
#include "miscutil.h"

namespace halvern::test {
namespace {

constexpr double kEvPerJ = 6.241449214576031e18;

std::vector<int32_t> Partners(const TOrEventRows& r, int32_t i) {
    std::vector<int32_t> out;
    for (const TOrSlot* s = r.row(i); s->partner != kEndOfRow; ++s) out.push_back(s->partner);
    return out;
}

TOrSlot Slot(int32_t partner) {
    TOrSlot s;
    s.partner = partner;
    return s;
}

TEST(InelasticModels, EventRowOperationsKeepTheEndMark) {
    TOrEventRows r;
    AllocateEventRows(r, 2, 4);  // three slots and the end mark
    int32_t position = 7;
    EXPECT_FALSE(FindOrSlot(r, 0, 5, position));
    EXPECT_EQ(position, -1);
    EXPECT_TRUE(InsertOrSlot(r, Slot(5), 0, 0));
    EXPECT_TRUE(InsertOrSlot(r, Slot(9), 0, 1));
    EXPECT_TRUE(InsertOrSlot(r, Slot(7), 0, 1));
    EXPECT_EQ(Partners(r, 0), (std::vector<int32_t>{5, 7, 9}));
    EXPECT_FALSE(InsertOrSlot(r, Slot(8), 0, 3));  // full: the end mark keeps its place
    EXPECT_TRUE(FindOrSlot(r, 0, 9, position));
    EXPECT_EQ(position, 2);
    DeleteOrSlot(r, 0, 0);
    EXPECT_EQ(Partners(r, 0), (std::vector<int32_t>{7, 9}));
    EXPECT_TRUE(Partners(r, 1).empty());
    r.row(1)[0] = Slot(3);
    r.row(1)[1].partner = kEndOfRow;
    ClearEventRows(r);
    EXPECT_TRUE(Partners(r, 1).empty());
}

TEST(InelasticModels, RowUpdateFollowsThePartnerListsAndTheRange) {
    auto run = MakeCuRun(1, 2);
    TRunState& rs = run->rs;
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

// A run state whose target atoms lie far below a projectile that moves alone through a wide
// lattice zone, so that only the LSS friction acts.
std::unique_ptr<CuRun> FreeFlight(double K) {
    auto run = MakeCuRun(1, 2);
    TRunState& rs = run->rs;
    TParticleArrays& p = rs.particles;
    for (int32_t i = 1; i <= rs.N; ++i) p.z[i] -= 100e-10;
    p.x[0] = p.y[0] = p.z[0] = 0;
    p.vx[0] = 6.95e4;
    p.vy[0] = p.vz[0] = 0;
    rs.targetExtent = {1e-6, -1e-6, 1e-6, -1e-6, 1e-6, -1e-6};
    rs.TargetTop = 1e-6;
    rs.options.LssModel = 1;
    rs.inelastic.params.lss = {{18, K}};
    return run;
}

void VerletSteps(TRunState& rs, int steps, double dt) {
    const TForceField f = ForceFieldOf(rs);
    VerletStart(rs.N, rs.particles, rs.partners, f);
    for (int k = 0; k < steps; ++k)
        VerletStepWithEvents(rs.N, dt, rs.particles, rs.partners, f, [&](int32_t N, double d) {
            ApplyInelasticModels(rs, rs.targetExtent, N, d);
        });
}

TEST(InelasticModels, LssLossOfAFastParticleIsKvIntegratedOverItsPath) {
    const double K = 3.2e-14;  // J s/m^2, about 2 eV fs/A^2
    auto run = FreeFlight(K);
    TRunState& rs = run->rs;
    TParticleArrays& p = rs.particles;
    const double m = p.mass[0], v0 = p.vx[0];
    VerletSteps(rs, 1000, 1e-16);
    // -dE/dx = K v with E = m v^2 / 2 gives dv/dx = -K / m: v falls linearly with the path s.
    const double s = p.x[0];
    const double vEnd = v0 - K * s / m;
    const double analytic = 0.5 * m * (v0 * v0 - vEnd * vEnd);
    EXPECT_NEAR(-rs.inelastic.lssLoss, analytic, 1e-3 * analytic);
    EXPECT_NEAR(p.vx[0], vEnd, 1e-3 * vEnd);
    EXPECT_GT(analytic * kEvPerJ, 20);  // a loss worth measuring
    // The sum is what the particle lost, to rounding.
    EXPECT_NEAR(0.5 * m * (v0 * v0 - p.vx[0] * p.vx[0]), -rs.inelastic.lssLoss, 1e-9 * analytic);
    // Target atoms (Cu, not in the table) and particles at rest lose nothing, even with a
    // threshold of 0.
    for (int32_t i = 1; i <= rs.N; ++i) EXPECT_EQ(Speed(p, i), 0);
}

TEST(InelasticModels, LssLossBeyondTheKineticEnergyStopsTheParticle) {
    auto run = FreeFlight(1e-6);
    TRunState& rs = run->rs;
    TParticleArrays& p = rs.particles;
    const double ke = 0.5 * p.mass[0] * p.vx[0] * p.vx[0];
    rs.inelastic.params.lss = {{18, 1e-6}, {29, 1e-6}};  // atoms at rest stay at rest
    VerletSteps(rs, 3, 1e-16);
    EXPECT_EQ(p.vx[0], 0);
    EXPECT_DOUBLE_EQ(rs.inelastic.lssLoss, -ke);
    for (int32_t i = 0; i <= rs.N; ++i) EXPECT_TRUE(std::isfinite(p.vx[i]));
}

TEST(InelasticModels, NoLssLossOutsideTheZoneOrAboveTheTarget) {
    for (int where = 0; where < 2; ++where) {
        auto run = FreeFlight(3.2e-14);
        TRunState& rs = run->rs;
        if (where == 0)
            rs.targetExtent.xMax = 1e-12;  // leaves the zone at once
        else
            rs.TargetTop = -1e-10;  // flies above the target's top
        VerletSteps(rs, 10, 1e-16);
        EXPECT_EQ(rs.inelastic.lssLoss, 0) << where;
        EXPECT_EQ(rs.particles.vx[0], 6.95e4);
    }
}

// A head-on Ar-Cu collision at 1 keV with an event model, through the trajectory loop.
struct HeadOn {
    std::unique_ptr<CuRun> run = MakeCuRun(0, 1);
    testing::ScratchFolder folder{"inel"};
    std::vector<std::string> lines;

    explicit HeadOn(bool shapiroTombrello) {
        TRunState& rs = run->rs;
        TParticleArrays& p = rs.particles;
        p.x[0] = p.x[1];
        p.y[0] = p.y[1] + 0.05e-10;  // nearly head on
        rs.run.TMin = 10e-15;
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
        rs.inelasticEventsFile.close();
        std::string bytes;
        ReadFileBytes(folder.file("inelast.dat"), bytes);
        TextReader in(bytes);
        while (!in.eof()) lines.push_back(in.readLine());
        EXPECT_NE(bytes.find("\r\n"), std::string::npos);
    }

    // The balance of the trajectory: energy change against the losses, eV.
    double Closure(double loss) const {
        const auto& h = run->host;
        const int k = h.find("  Now getting final configuration...");
        EXPECT_GE(k, 0);
        long double E0 = 0, E1 = 0;
        for (int i = 0; i < static_cast<int>(h.lines.size()); ++i)
            if (h.lines[i].text.rfind("  Total System Energy: ", 0) == 0) {
                ParseReal(h.lines[i].text.substr(23, 8), i < k ? E0 : E1);
            }
        return static_cast<double>(E1 - E0) - loss * kEvPerJ;
    }
};

TEST(InelasticModels, OenRobinsonEventAtClosestApproach) {
    HeadOn h(false);
    TRunState& rs = h.run->rs;
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
    EXPECT_NEAR(static_cast<double>(dE), rs.inelastic.orLoss * kEvPerJ, 0.001);
    EXPECT_GT(rNew, rOld);  // the pair was moved apart to pay for the loss
    EXPECT_LT(rOld, 1.0);
    EXPECT_GT(dt, 0);
    // Q = -K v0 q^2 exp(-q R0) at the printed closest approach.
    const double q = 0.3 / LindhardScreeningLength(18, 29, 1.0);
    const double ratio = std::exp(-q * static_cast<double>(rOld) * 1e-10);
    EXPECT_GT(-rs.inelastic.orLoss / (5e-44 * q * q * ratio), 5e4);  // v0 of a keV pair, m/s
    const std::string logStart =
        "  OR event, particles: 0 and 1, dE = " + RealToText8(rs.inelastic.orLoss * kEvPerJ) +
        " eV, R(old) = ";
    const auto& logged = h.run->host.lines;
    const auto it = std::find_if(logged.begin(), logged.end(), [&](const RecordingHost::Line& l) {
        return l.text.rfind(logStart, 0) == 0;
    });
    ASSERT_NE(it, logged.end());
    EXPECT_EQ(it->colour, colour::DarkRed);
    EXPECT_EQ(it->text.substr(it->text.size() - 2), " A");
    // Energy is conserved once the loss is counted.
    EXPECT_NEAR(h.Closure(rs.inelastic.orLoss), 0, 1.0);
}

TEST(InelasticModels, ShapiroTombrelloEventPromotesUpToNmaxElectrons) {
    HeadOn h(true);
    TRunState& rs = h.run->rs;
    ASSERT_EQ(h.lines.size(), 1u);
    const std::string& line = h.lines[0];
    EXPECT_EQ(line.substr(0, 15), "    1    0    1");
    EXPECT_EQ(line.substr(16, 9), "   30.000");  // three electrons of 10 eV, prob = 1
    EXPECT_EQ(line.substr(line.size() - 5), " 1  3");
    EXPECT_DOUBLE_EQ(rs.inelastic.stLoss, -30 * kEv);
    EXPECT_NEAR(h.Closure(rs.inelastic.stLoss), 0, 1.0);
}

}  // namespace
}  // namespace halvern::test
