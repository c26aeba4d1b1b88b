// The energy balance: the O(N) potential energy against the straightforward sum over all
// pairs, the final-configuration report, the balance line and the cumulative error.
#include "run/EnergyBalance.h"

#include <gtest/gtest.h>

#include "EngineTestRuns.h"
#include "miscutil.h"

namespace halvern::test {
namespace {

// The straightforward sum over every pair, as the balance defines it: projectile pairs at
// min(d, Rc), target pairs at min(d, Rc), less N (N - 1) / 2 target energies at Rc.
double PotentialEnergyAllPairs(const TForceField& f, const TParticleArrays& p, int32_t N,
                               const TForceSwitches& s) {
    const double Rc = f.pot->Rc;
    auto distance = [&p](int32_t i, int32_t j) {
        return std::hypot(p.x[i] - p.x[j], p.y[i] - p.y[j], p.z[i] - p.z[j]);
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
    CuCrystal run(5, 4, kVerlet, 0.4 * kAngstrom);
    TRunState& rs = run.rs;
    const TForceField f = ForceFieldOf(rs);
    for (const TForceSwitches s :
         {TForceSwitches{false, false}, TForceSwitches{true, false}, TForceSwitches{false, true}}) {
        const double oracle = PotentialEnergyAllPairs(f, rs.particles, rs.N, s);
        EXPECT_NEAR(PotentialEnergy(f, rs.particles, rs.N, s), oracle, 1e-12 * std::fabs(oracle))
            << s.SelfBombardment << s.IgnoreTargetForces;
    }
    // The projectile 3 A above the surface feels nothing beyond Rc of it: a crystal in its sites
    // is bound.
    EXPECT_LT(PotentialEnergy(f, rs.particles, rs.N, {}), 0);

    // A complex target: oxygen atoms, some flagged repulsive-only or without long-range force.
    CuCrystal mixed(4, 3, kVerlet, 0.3 * kAngstrom);
    TParticleArrays& p = mixed.rs.particles;
    for (int32_t i = 3; i <= mixed.rs.N; i += 7) {
        p.Z[i] = 8;
        p.mass[i] = 15.999 * kAmu;
    }
    for (int32_t i = 5; i <= mixed.rs.N; i += 11) p.flags[i] = kFlagRepulsiveOnly;
    for (int32_t i = 6; i <= mixed.rs.N; i += 13) p.flags[i] = kFlagNoLongRange;
    mixed.rs.potentials.ComplexTarget = 1;
    PreparePairTables(mixed.rs.potentials, p.Z.data(), mixed.rs.N);
    const TForceField g = ForceFieldOf(mixed.rs);
    const double oracle = PotentialEnergyAllPairs(g, p, mixed.rs.N, {});
    EXPECT_NEAR(PotentialEnergy(g, p, mixed.rs.N, {}), oracle, 1e-12 * std::fabs(oracle));
}

TEST(EnergyBalance, WithoutReportEnergyNothingIsComputed) {
    CuCrystal run(2, 2);
    run.rs.options.ReportEnergy = 0;
    run.rs.options.Verbose = 1;
    EXPECT_EQ(SystemEnergy(run.rs, run.rs.targetExtent, true), 0);
    EXPECT_TRUE(run.host.lines.empty());
}

TEST(EnergyBalance, FinalConfigurationReportsEjectedAtoms) {
    CuCrystal run(2, 2);
    TRunState& rs = run.rs;
    TParticleArrays& p = rs.particles;
    rs.options.Verbose = 1;
    p.z[2] = 3e-10;  // exactly 3 A: not ejected
    p.vz[2] = 1000;
    p.z[3] = 3.1e-10;
    p.vz[3] = 2000;
    p.z[4] = 5e-10;  // high but moving inwards
    p.vz[4] = -1000;

    const double E0 = SystemEnergy(rs, rs.targetExtent, false);
    EXPECT_EQ(run.host.find("  Now getting final configuration..."), -1);
    EXPECT_EQ(run.host.lines[0].text.rfind("  Total System Energy: ", 0), 0u);
    run.host.lines.clear();

    const double E1 = SystemEnergy(rs, rs.targetExtent, true);
    EXPECT_EQ(E0, E1);
    const auto texts = run.host.texts();
    ASSERT_GE(texts.size(), 13u);
    EXPECT_EQ(texts[0], "  Now getting final configuration...");
    EXPECT_EQ(texts[1], "  No. of ejected atoms (z > 3 A): 1   Sputtered fraction: " +
                            RealToTextDigits(1.0 / rs.N, 2));
    const double ke = 0.5 * p.mass[3] * 2000.0 * 2000.0 * 6.241449214576031e18;
    EXPECT_EQ(texts[2], "  Mean ejected atom energy: " + RealToText8(ke) + " eV");
    EXPECT_EQ(texts[3], "  Total System Energy: " + RealToText8(E1) + " eV");
    EXPECT_EQ(run.host.lines[5].colour, colour::Green);
    EXPECT_EQ(texts[5].rfind("  Px:", 0), 0u);
    EXPECT_EQ(texts[7], "  Projectile (x,y,z) coordinates (A): " + RealToText8(p.x[0] * 1e10) +
                            " " + RealToText8(p.y[0] * 1e10) + " " + RealToText8(p.z[0] * 1e10));
    EXPECT_EQ(run.host.lines[9].colour, colour::Grey);
    EXPECT_EQ(texts[12].rfind("  Lattice zone upper coordinates (A): ", 0), 0u);
}

TEST(EnergyBalance, BalanceLineAndTheMeanOverBalancedTrajectories) {
    CuCrystal run(2, 2);
    TRunState& rs = run.rs;
    // 2 eV taken by the barriers, 1 eV lost by LSS, energy down by 3.5 eV: dE = -0.5 eV.
    rs.inelastic.lssLoss = -1.0 * kEv;
    ReportEnergyBalance(rs, -200.0, -203.5, 2.0 * kEv);
    ASSERT_EQ(run.host.lines.size(), 1u);
    EXPECT_EQ(run.host.lines[0].text,
              "  dE = -0.50000 eV; dE/(KE+PE) = 0.2500 %;  (Cumulative: 0.2500 %)");
    EXPECT_EQ(run.host.lines[0].colour, colour::Blue);

    // A trajectory that starts at about 0 eV stays out of the mean, with a note.
    rs.inelastic.lssLoss = 0;
    ReportEnergyBalance(rs, 0.0, 1.0, 0);
    ReportEnergyBalance(rs, 100.0, 100.25, 0);
    EXPECT_EQ(run.host.texts(),
              (std::vector<std::string>{
                  run.host.lines[0].text, "  dE = 1.000000 eV",
                  "  Initial system energy is about 0 eV: left out of the cumulative error.",
                  "  dE = 0.250000 eV; dE/(KE+PE) = 0.2500 %;  (Cumulative: 0.2500 %)"}));
    EXPECT_EQ(rs.BalancedTrajectories, 2);

    rs.RunCount = 3;
    ReportCumulativeEnergyError(rs);
    EXPECT_EQ(run.host.lines.back().text, "  Cumulative error in system energy:0.25 %");
    rs.CumulativeEnergyError = 0;
    rs.BalancedTrajectories = 0;
    ReportCumulativeEnergyError(rs);
    EXPECT_EQ(run.host.lines.back().text, "  Cumulative error in system energy:0.00 %");
}

TEST(EnergyBalance, InelasticLossLinesAddToTheRunsSums) {
    CuCrystal run(2, 2);
    TRunState& rs = run.rs;
    const double evToJ = 1.0 / 6.241449214576031e18;
    rs.inelastic.lssLoss = -2.5 * evToJ;
    rs.inelastic.orLoss = -1.0 * evToJ;
    rs.CumulativeOrLoss = -3.0 * evToJ;
    ReportInelasticLosses(rs);
    EXPECT_EQ(run.host.texts(), (std::vector<std::string>{
                                    "  LSS loss (eV): This run: -2.50000, cumulative: -2.50000",
                                    "  OR loss  (eV): This run: -1.00000, cumulative: -4.00000",
                                    "  ST loss  (eV): This run: 0.000000, cumulative: 0.000000"}));
}

}  // namespace
}  // namespace halvern::test
