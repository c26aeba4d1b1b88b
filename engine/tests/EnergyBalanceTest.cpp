#include "EnergyBalance.h"

#include <gtest/gtest.h>

#include "TrajectoryTestSupport.h"
#include "miscutil.h"

namespace halvern::test {
namespace {

// The straightforward sum over every pair, as the balance defines it: projectile pairs at
// min(d, Rc), target pairs at min(d, Rc), less N (N - 1) / 2 target energies at Rc.
double PotentialEnergyAllPairs(const TForceField& f, const TParticleArrays& p, int32_t N,
                               const TForceSwitches& s) {
    const double Rc = f.pot->Rc;
    auto distance = [&p](int32_t i, int32_t j) {
        return std::sqrt((p.x[i] - p.x[j]) * (p.x[i] - p.x[j]) +
                         (p.y[i] - p.y[j]) * (p.y[i] - p.y[j]) +
                         (p.z[i] - p.z[j]) * (p.z[i] - p.z[j]));
    };
    long double pe = 0;
    if (!s.SelfBombardment)
        for (int32_t j = 1; j <= N; ++j)
            pe += PtRepulsiveEnergy(f, 0, j, std::min(distance(0, j), Rc));
    if (s.IgnoreTargetForces) return static_cast<double>(pe);
    const double ttCutoff = CutoffEnergies(f, N).tt;
    for (int32_t i = s.SelfBombardment ? 0 : 1; i <= N; ++i)
        for (int32_t j = i + 1; j <= N; ++j) {
            const double d = distance(i, j);
            if (d >= Rc)
                pe += f.pot->ComplexTarget ? PairCutoffEnergy(f, i, j) : ttCutoff;
            else
                pe += TargetPairEnergy(f, i, j, d);
        }
    return static_cast<double>(pe - 0.5L * N * (N - 1.0L) * ttCutoff);
}

TEST(EnergyBalance, PotentialEnergyEqualsTheAllPairsSum) {
    auto run = MakeCuRun(5, 4, kVerlet, 0.4 * kAngstrom);
    TRunState& rs = run->rs;
    const TForceField f = ForceFieldOf(rs);
    for (const TForceSwitches s :
         {TForceSwitches{false, false}, TForceSwitches{true, false}, TForceSwitches{false, true}}) {
        const double fast = PotentialEnergy(f, rs.particles, rs.N, s);
        const double oracle = PotentialEnergyAllPairs(f, rs.particles, rs.N, s);
        EXPECT_NEAR(fast, oracle, 1e-12 * std::fabs(oracle))
            << s.SelfBombardment << s.IgnoreTargetForces;
    }
    // The projectile 3 A above the surface feels nothing beyond Rc of it: its pairs sum to
    // N V_PT(Rc), and a crystal in its sites is bound.
    EXPECT_LT(PotentialEnergy(f, rs.particles, rs.N, {}), 0);
}

TEST(EnergyBalance, PotentialEnergyOfAComplexTargetEqualsTheAllPairsSum) {
    auto run = MakeCuRun(4, 3, kVerlet, 0.3 * kAngstrom);
    TRunState& rs = run->rs;
    TParticleArrays& p = rs.particles;
    // Oxygen atoms, some flagged repulsive-only or without long-range force.
    for (int32_t i = 3; i <= rs.N; i += 7) {
        p.Z[i] = 8;
        p.mass[i] = 15.999 * kAmu;
    }
    for (int32_t i = 5; i <= rs.N; i += 11) p.flags[i] = kFlagRepulsiveOnly;
    for (int32_t i = 6; i <= rs.N; i += 13) p.flags[i] = kFlagNoLongRange;
    rs.potentials.ComplexTarget = 1;
    PreparePairTables(rs.potentials, p.Z.data(), rs.N);
    const TForceField f = ForceFieldOf(rs);
    const double fast = PotentialEnergy(f, p, rs.N, {});
    const double oracle = PotentialEnergyAllPairs(f, p, rs.N, {});
    EXPECT_NEAR(fast, oracle, 1e-12 * std::fabs(oracle));
}

TEST(EnergyBalance, WithoutReportEnergyNothingIsComputed) {
    auto run = MakeCuRun(2, 2);
    run->rs.options.ReportEnergy = 0;
    run->rs.options.Verbose = 1;
    EXPECT_EQ(SystemEnergy(run->rs, run->rs.targetExtent, true), 0);
    EXPECT_TRUE(run->host.lines.empty());
}

TEST(EnergyBalance, FinalConfigurationReportsEjectedAtoms) {
    auto run = MakeCuRun(2, 2);
    TRunState& rs = run->rs;
    TParticleArrays& p = rs.particles;
    rs.options.Verbose = 1;
    p.z[2] = 3e-10;  // exactly 3 A: not ejected
    p.vz[2] = 1000;
    p.z[3] = 3.1e-10;
    p.vz[3] = 2000;
    p.z[4] = 5e-10;  // high but moving inwards
    p.vz[4] = -1000;

    const double E0 = SystemEnergy(rs, rs.targetExtent, false);
    EXPECT_EQ(run->host.find("  Now getting final configuration..."), -1);
    EXPECT_EQ(run->host.lines[0].text.rfind("  Total System Energy: ", 0), 0u);
    run->host.lines.clear();

    const double E1 = SystemEnergy(rs, rs.targetExtent, true);
    EXPECT_EQ(E0, E1);
    const auto texts = run->host.texts();
    ASSERT_GE(texts.size(), 13u);
    EXPECT_EQ(texts[0], "  Now getting final configuration...");
    const double fraction = 1.0 / rs.N;
    EXPECT_EQ(texts[1], "  No. of ejected atoms (z > 3 A): 1   Sputtered fraction: " +
                            RealToTextDigits(fraction, 2));
    const double ke = 0.5 * p.mass[3] * 2000.0 * 2000.0 * 6.241449214576031e18;
    EXPECT_EQ(texts[2], "  Mean ejected atom energy: " + RealToText8(ke) + " eV");
    EXPECT_EQ(texts[3], "  Total System Energy: " + RealToText8(E1) + " eV");
    EXPECT_EQ(run->host.lines[5].colour, colour::Green);
    EXPECT_EQ(texts[5].rfind("  Px:", 0), 0u);
    EXPECT_EQ(texts[7], "  Projectile (x,y,z) coordinates (A): " + RealToText8(p.x[0] * 1e10) +
                            " " + RealToText8(p.y[0] * 1e10) + " " + RealToText8(p.z[0] * 1e10));
    EXPECT_EQ(run->host.lines[9].colour, colour::Grey);
    EXPECT_EQ(texts[12].rfind("  Lattice zone upper coordinates (A): ", 0), 0u);
}

TEST(EnergyBalance, BalanceLineAndTheMeanOverBalancedTrajectories) {
    auto run = MakeCuRun(2, 2);
    TRunState& rs = run->rs;
    const double evToJ = 1.602192e-19;
    // 2 eV taken by the barriers, 1 eV lost by LSS, energy down by 3.5 eV: dE = -0.5 eV.
    rs.inelastic.lssLoss = -1.0 * evToJ;
    ReportEnergyBalance(rs, -200.0, -203.5, 2.0 * evToJ);
    ASSERT_EQ(run->host.lines.size(), 1u);
    EXPECT_EQ(run->host.lines[0].text,
              "  dE = -0.50000 eV; dE/(KE+PE) = 0.2500 %;  (Cumulative: 0.2500 %)");
    EXPECT_EQ(run->host.lines[0].colour, colour::Blue);

    // A trajectory that starts at about 0 eV stays out of the mean, with a note.
    rs.inelastic.lssLoss = 0;
    ReportEnergyBalance(rs, 0.0, 1.0, 0);
    EXPECT_EQ(run->host.lines[1].text, "  dE = 1.000000 eV");
    EXPECT_EQ(run->host.lines[2].text,
              "  Initial system energy is about 0 eV: left out of the cumulative error.");
    ReportEnergyBalance(rs, 100.0, 100.25, 0);
    EXPECT_EQ(run->host.lines[3].text,
              "  dE = 0.250000 eV; dE/(KE+PE) = 0.2500 %;  (Cumulative: 0.2500 %)");
    EXPECT_EQ(rs.BalancedTrajectories, 2);

    rs.RunCount = 3;
    ReportCumulativeEnergyError(rs);
    EXPECT_EQ(run->host.lines.back().text, "  Cumulative error in system energy:0.25 %");
    rs.CumulativeEnergyError = 0;
    rs.BalancedTrajectories = 0;
    ReportCumulativeEnergyError(rs);
    EXPECT_EQ(run->host.lines.back().text, "  Cumulative error in system energy:0.00 %");
}

TEST(EnergyBalance, InelasticLossLinesAddToTheRunsSums) {
    auto run = MakeCuRun(2, 2);
    TRunState& rs = run->rs;
    const double evToJ = 1.0 / 6.241449214576031e18;
    rs.inelastic.lssLoss = -2.5 * evToJ;
    rs.inelastic.orLoss = -1.0 * evToJ;
    rs.CumulativeOrLoss = -3.0 * evToJ;
    ReportInelasticLosses(rs);
    const auto texts = run->host.texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], "  LSS loss (eV): This run: -2.50000, cumulative: -2.50000");
    EXPECT_EQ(texts[1], "  OR loss  (eV): This run: -1.00000, cumulative: -4.00000");
    EXPECT_EQ(texts[2], "  ST loss  (eV): This run: 0.000000, cumulative: 0.000000");
}

}  // namespace
}  // namespace halvern::test
