// Pair forces against -dV/dr / r by central differences of the energy routines, in every region
// and for every pair kind; energies against the formulas written out here.
#include "dynamics/PairForce.h"

#include <gtest/gtest.h>

#include <cmath>

#include "KernelTestDriver.h"

namespace halvern::test {
namespace {

constexpr double kA = kAngstrom;

// Particles: 0 Ar projectile, 1 and 2 Cu, 3 O, 4 and 5 Cu flagged 4, 6 Cu flagged 2.
struct Field {
    explicit Field(TPotentialInputs in = DefaultCuModel(), bool complex = false) {
        EXPECT_TRUE(Prepare(in, pot));
        pot.ComplexTarget = complex;
    }
    TForceField field(bool selfBombardment = false) const {
        return TForceField{&pot, Z, flags, selfBombardment};
    }
    TPairPotentials pot;
    int32_t Z[7] = {18, 29, 29, 8, 29, 29, 29};
    uint8_t flags[7] = {0, 0, 0, 0, 4, 4, 2};
};

// g of the pair (i, j) at distance r, along a skew direction; also checks the force's direction.
double G(const TForceField& f, int32_t i, int32_t j, double r) {
    const double u[3] = {2.0 / 7, 3.0 / 7, 6.0 / 7};  // a unit vector
    double F[3];
    PairForce(f, F[0], F[1], F[2], 1e-10 + r * u[0], 1e-10, r * u[1], 0, -2e-10 + r * u[2], -2e-10,
              i, j);
    const double g = F[2] / (r * u[2]);
    EXPECT_NEAR(F[0], g * r * u[0], 1e-12 * std::fabs(g * r) + 1e-30);
    return g;
}

using Energy = double (*)(const TForceField&, int32_t, int32_t, double);
double Spline(const TForceField& f, int32_t, int32_t, double r) {
    return SplineEnergy(f, r);
}
double Morse(const TForceField& f, int32_t, int32_t, double r) {
    return MorseEnergy(f.pot->D, f.pot->alpha, f.pot->r0, r);
}

TEST(PairForce, IsMinusTheEnergySlopeOverRInEveryRegion) {
    const struct {
        const char* name;
        int32_t i, j;
        std::vector<double> radii;  // Angstrom
        Energy energy;
        double tolerance;  // relative to the largest |g| of the case
        bool complex = false;
        int32_t ptKind = 0, ttKind = 1;
    } cases[] = {
        {"PtZbl", 0, 1, {0.1, 0.4, 1.0, 2.5, 3.69}, PtRepulsiveEnergy, 1e-7},
        {"PtMoliere", 0, 1, {0.1, 0.4, 1.0, 2.5, 3.69}, PtRepulsiveEnergy, 1e-7, false, 1},
        {"TtMoliere", 1, 2, {0.2, 0.8, 1.2, 1.49}, TtRepulsiveEnergy, 1e-7},
        {"TtZbl", 1, 2, {0.2, 0.8, 1.2, 1.49}, TtRepulsiveEnergy, 1e-7, false, 0, 0},
        {"Spline", 1, 2, {1.51, 1.7, 1.9, 2.09}, Spline, 1e-7},
        // The Morse force comes from the single-precision table.
        {"Morse", 1, 2, {2.11, 2.4, 2.628, 3.0, 3.69}, Morse, 1e-5},
        {"ComplexTtZbl", 1, 3, {0.2, 0.8, 1.49}, TtRepulsiveEnergy, 1e-7, true, 0, 0},
        {"ComplexTtMoliere", 1, 3, {0.2, 0.8, 1.49}, TtRepulsiveEnergy, 1e-7, true},
        {"ComplexPtZbl", 0, 3, {0.2, 1.0, 3.0}, PtRepulsiveEnergy, 1e-7, true},
        {"ComplexSpline", 1, 3, {1.51, 1.8, 2.09}, PairSplineEnergy, 1e-7, true},
        {"ComplexMorse", 1, 3, {2.2, 3.0, 3.69}, OuterEnergyByFlags, 1e-5, true},
        {"BothFlagged4Repel", 4, 5, {2.2, 3.0, 3.69}, OuterEnergyByFlags, 1e-7, true},
        {"Flagged2FeelsNothing", 2, 6, {2.2, 3.0, 3.69}, OuterEnergyByFlags, 1e-7, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TPotentialInputs in = DefaultCuModel();
        in.ptKind = c.ptKind;
        in.ttKind = c.ttKind;
        Field fld(in, c.complex);
        const TForceField f = fld.field();
        double scale = 0;
        for (double rA : c.radii) scale = std::max(scale, std::fabs(G(f, c.i, c.j, rA * kA)));
        for (double rA : c.radii) {
            const double r = rA * kA, h = r * 1e-5;
            const double expected =
                -(c.energy(f, c.i, c.j, r + h) - c.energy(f, c.i, c.j, r - h)) / (2 * h) / r;
            EXPECT_NEAR(G(f, c.i, c.j, r), expected, c.tolerance * scale) << rA;
        }
    }
}

// The energies, written out here: K Z1 Z2 Phi(r / a) / r, the cubic and the Morse form.
TEST(PairEnergies, FollowTheirFormulas) {
    Field fld;
    const TForceField f = fld.field();
    const double K = 2.3071217567660206e-28, r = 0.7 * kA;
    const double aPT = 4.685e-11 / (std::pow(29.0, 0.23) + std::pow(18.0, 0.23));
    const double aTT = 0.890869 * 4.685e-11 / std::sqrt(2 * std::pow(29.0, 2.0 / 3));
    const double x = r / aPT, y = r / aTT;
    const double phi4 = 0.0281 * std::exp(-0.2016 * x) + 0.2802 * std::exp(-0.4029 * x) +
                        0.5099 * std::exp(-0.9423 * x) + 0.1818 * std::exp(-3.2 * x);
    const double phi3 =
        0.35 * std::exp(-0.3 * y) + 0.55 * std::exp(-1.2 * y) + 0.1 * std::exp(-6 * y);
    const double vPT = K * 18 * 29 * phi4 / r, vTT = K * 29 * 29 * phi3 / r;
    EXPECT_NEAR(PtUniversalEnergy(f, 0, 1, r), vPT, 1e-12 * vPT);
    EXPECT_NEAR(TtMoliereEnergy(f, 1, 2, r), vTT, 1e-12 * vTT);
    const double* c = fld.pot.SplineCoefficients;
    const double s = 1.8 * kA;
    EXPECT_DOUBLE_EQ(SplineEnergy(f, s), c[0] + c[1] * s + c[2] * s * s + c[3] * s * s * s);
    const double u = std::exp(-1.405 * (3.0 - 2.628));
    EXPECT_NEAR(Morse(f, 1, 2, 3 * kA), 0.480 * 1.602192e-19 * (u * u - 2 * u), 1e-32);
}

TEST(PairForce, RegionBoundaries) {
    Field fld;
    const TForceField f = fld.field();
    const TPairPotentials& p = fld.pot;
    // r = Rc still gives the Morse force, beyond it nothing.
    EXPECT_NE(G(f, 1, 2, p.Rc), 0.0);
    EXPECT_DOUBLE_EQ(PairForceOf(f, 1, 2, p.Rc), MorseTableLookup(p, p.Rc));
    EXPECT_EQ(PairForceOf(f, 1, 2, p.Rc * (1 + 1e-12)), 0.0);
    EXPECT_EQ(PairForceOf(f, 0, 1, p.Rc * (1 + 1e-12)), 0.0);
    // R_high and R_low belong to the spline.
    EXPECT_DOUBLE_EQ(PairForceOf(f, 1, 2, p.Rhigh), SplineForce(f, p.Rhigh));
    EXPECT_DOUBLE_EQ(PairForceOf(f, 1, 2, p.Rlow), SplineForce(f, p.Rlow));
    // The join's slope is continuous, so the force hardly changes across either radius.
    for (double r : {p.Rlow, p.Rhigh}) {
        const double in = PairForceOf(f, 1, 2, r * (1 - 1e-9)),
                     out = PairForceOf(f, 1, 2, r * (1 + 1e-9));
        EXPECT_NEAR(in, out, 2e-5 * std::fabs(in)) << r;
    }
}

TEST(PairForce, ProjectileFeelsOnlyRepulsionUnlessSelfBombardment) {
    TPotentialInputs in = DefaultCuModel(29);
    in.Rc = 8 * kA;
    Field fld(in);
    const double r = 7 * kA;
    const TForceField plain = fld.field(false), self = fld.field(true);
    EXPECT_DOUBLE_EQ(PairForceOf(plain, 0, 1, r), PtRepulsiveForce(plain, 0, 1, r));
    EXPECT_GT(PairForceOf(plain, 0, 1, r), 0);
    EXPECT_DOUBLE_EQ(PairForceOf(self, 0, 1, r), MorseTableLookup(fld.pot, r));
    EXPECT_LT(PairForceOf(self, 0, 1, r), 0);  // attraction
    // Target pairs are the same either way.
    EXPECT_DOUBLE_EQ(PairForceOf(plain, 1, 2, r), PairForceOf(self, 1, 2, r));
}

TEST(PairTables, HoldEachPairsOwnFitAndGiveTheOnTheFlyForces) {
    Field fld(DefaultCuModel(), true);
    const TForceField f = fld.field();
    const double radii[] = {0.5 * kA, 1.8 * kA, 3.0 * kA};
    double before[3][2];
    for (int k = 0; k < 3; ++k) {
        before[k][0] = PairForceOf(f, 1, 3, radii[k]);
        before[k][1] = PairForceOf(f, 0, 3, radii[k]);
    }
    PreparePairTables(fld.pot, fld.Z, 6);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(PairForceOf(f, 1, 3, radii[k]), before[k][0]);
        EXPECT_EQ(PairForceOf(f, 0, 3, radii[k]), before[k][1]);
    }
    const TPairPotentials& pot = fld.pot;
    const int32_t e = pot.pairs.index(29, 8);
    ASSERT_GE(e, 0);
    EXPECT_LT(pot.pairs.index(29, 79), 0);
    double k[4];
    ASSERT_TRUE(FitPotentialSpline(29, 8, 1, ZblScreeningLength(29, 8, pot.ttFactor), pot.Rlow,
                                   pot.Rhigh, pot.D, pot.alpha, pot.r0, k[0], k[1], k[2], k[3],
                                   nullptr));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(pot.pairs.spline[size_t(e) * 4 + i], k[i]);
    EXPECT_EQ(pot.pairs.betaPT[size_t(e) * 4 + 3], 3.2 / ZblScreeningLength(29, 8, 1.0));
}

TEST(CutoffEnergies, ByTheCutOffsRegionAndTheFlags) {
    Field fld;
    const TForceField f = fld.field();
    const TPairPotentials& p = fld.pot;
    const TCutoffEnergies e = CutoffEnergies(f, 2);
    EXPECT_DOUBLE_EQ(e.pt, PtUniversalEnergy(f, 0, 1, p.Rc));
    EXPECT_DOUBLE_EQ(e.tt, Morse(f, 1, 2, p.Rc));
    EXPECT_DOUBLE_EQ(CutoffEnergies(fld.field(true), 2).pt, e.tt);

    TPotentialInputs in = DefaultCuModel();
    in.Rc = 1.9 * kA;  // inside the join
    Field join(in);
    EXPECT_DOUBLE_EQ(CutoffEnergies(join.field(), 2).tt, SplineEnergy(join.field(), in.Rc));

    Field complex(DefaultCuModel(), true);
    const TForceField c = complex.field();
    EXPECT_DOUBLE_EQ(PairCutoffEnergy(c, 1, 3), Morse(c, 1, 3, p.Rc));
    EXPECT_DOUBLE_EQ(PairCutoffEnergy(c, 4, 5), TtMoliereEnergy(c, 4, 5, p.Rc));
    EXPECT_DOUBLE_EQ(PairCutoffEnergy(c, 2, 6), PairSplineEnergy(c, 2, 6, p.Rhigh));

    // Repulsive only: the pair's own form, and for a complex target the four-term form whatever
    // the kind.
    in = DefaultCuModel();
    in.MorseOption = 1;
    Field rep(in), repComplex(in, true);
    EXPECT_DOUBLE_EQ(CutoffEnergies(rep.field(), 2).tt, TtMoliereEnergy(rep.field(), 1, 2, in.Rc));
    EXPECT_DOUBLE_EQ(PairCutoffEnergy(repComplex.field(), 1, 3),
                     TtUniversalEnergy(repComplex.field(), 1, 3, in.Rc));
}

}  // namespace
}  // namespace halvern::test
