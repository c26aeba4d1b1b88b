// The inelastic dialog's tables (add, clear, sanitise, the close check) and its compute page.
#include <gtest/gtest.h>

#include <cmath>

#include "inputfiles/InelasticTables.h"
#include "inputfiles/StoppingCoefficients.h"

namespace velkor {
namespace {

using halvern::RecordingSink;

TEST(InelasticTables, NewTablesAndHeadings) {
    const TInelasticSpec spec;
    EXPECT_EQ(spec.Lss.rows, (InelasticRows{{"0", "0.0", "0.0"}}));
    EXPECT_EQ(spec.ShapiroTombrello.rows, (InelasticRows{{"0", "0.0", "0.0", "0.0", "10"}}));
    EXPECT_EQ(RowHeading(InelasticTableKind::Lss, 3), "atom 3");
    EXPECT_EQ(RowHeading(InelasticTableKind::ShapiroTombrello, 1), "pair 1");
    EXPECT_EQ(LayoutOf(InelasticTableKind::ShapiroTombrello).headings,
              (std::vector<std::string>{"Z1*Z2", "Rcrit", "dE", "prob.", "Nmax"}));
}

TEST(InelasticTables, AddStopsAtTenRowsAndClearKeepsOne) {
    InelasticTable table = NewInelasticTable(InelasticTableKind::ShapiroTombrello);
    for (int k = 2; k <= 9; ++k) EXPECT_TRUE(AddRow(table)) << k;
    EXPECT_FALSE(AddRow(table));  // the tenth row disables Add
    EXPECT_EQ(table.rows.size(), 10u);
    EXPECT_EQ(table.rows[1], (std::vector<std::string>{"0", "0.0", "0.0", "0.0", "0"}));

    InelasticTable three = NewInelasticTable(InelasticTableKind::Lss);
    AddRow(three);
    AddRow(three);
    three.rows[1][0] = "2";
    three.rows[2][0] = "3";
    EXPECT_TRUE(ClearRow(three, 0));  // rows 2 and 3 move up
    EXPECT_EQ(three.rows, (InelasticRows{{"2", "0.0", "0.0"}, {"3", "0.0", "0.0"}}));
    EXPECT_FALSE(ClearRow(three, 7));  // past the end: the last row
    EXPECT_EQ(three.rows, (InelasticRows{{"2", "0.0", "0.0"}}));
    EXPECT_FALSE(ClearRow(three, 0));  // one row is kept
    EXPECT_EQ(three.rows.size(), 1u);
}

TEST(InelasticTables, SanitisingReplacesCellsThatDoNotConvert) {
    InelasticTable table{InelasticTableKind::ShapiroTombrello,
                         {{"4.5", "x", " 1.5", "", "3"}, {"841", "1e-3", "1,5", "0.5", "2.0"}}};
    SanitiseTable(table);
    EXPECT_EQ(table.rows, (InelasticRows{{"0", "0.0", " 1.5", "0.0", "3"},
                                         {"841", "1e-3", "0.0", "0.5", "0"}}));
}

TEST(InelasticTables, CloseCheckNamesTableAndRow) {
    TInelasticSpec spec;
    spec.Lss.rows = {{"29", "0.05", "1"}, {"29", "x", "1"}};
    spec.OenRobinson.rows = {{"1.5", "0.0", "0.0"}};
    spec.ShapiroTombrello.rows = {{"0", "0.0", "0.0", "0.0", "10"}, {"1", "0.0", "z", "p", "q"}};
    EXPECT_EQ(
        CheckInelasticTables(spec),
        (std::vector<std::string>{"Numeric format error in LSS parameters, row 2.",
                                  "Numeric format error in Oen-Robinson parameters, row 1.",
                                  "Numeric format error in Shapiro-Tombrello parameters, row 2.",
                                  "Numeric format error in Shapiro-Tombrello parameters, row 2.",
                                  "Numeric format error in ST parameter \"max. quanta\", row #2"}));
    EXPECT_TRUE(CheckInelasticTables(TInelasticSpec{}).empty());
}

// The Lindhard electronic stopping, written out: Se = 8 pi e^2 a0 / v0 x Z1^(7/6) Z2 /
// (Z1^(2/3) + Z2^(2/3))^(3/2) x v in SI units (e^2 / 4 pi eps0 with the kit's elementary
// charge 1.602192e-19 C), a0 = 5.29177e-11 m, v0 = 2187691.555503663 m/s; per atom for K(OR),
// times the atomic density N = rho N_A / M2 for K(LSS). The kit's prefactor agrees with these
// constants to 1e-5.
double Lindhard(double z1, double z2) {
    const double pi = std::acos(-1.0);
    const double e2 = 1.602192e-19 * 1.602192e-19 / (4 * pi * 8.854187817e-12);
    const double prefactor = 8 * pi * e2 * 5.29177e-11 / 2187691.555503663;
    return prefactor * std::pow(z1, 7.0 / 6) * z2 /
           std::pow(std::cbrt(z1 * z1) + std::cbrt(z2 * z2), 1.5);
}

TEST(StoppingCoefficients, LssAndOrAgainstTheLindhardFormula) {
    const double evPerJoule = 6.241457005723417e18;
    const double density = 8.933e6 * 6.02205e23 / 63.546;  // copper atoms per m^3
    auto near = [](long double computed, double expected) {
        EXPECT_NEAR(static_cast<double>(computed), expected, 2e-5 * expected);
    };
    // J s/m^2 to eV fs/A^2 (s to fs, per m^2 to per A^2), and J m^2 to eV A^2.
    near(LssCoefficient(18, 29, 63.546, 8.933),
         Lindhard(18, 29) * density * evPerJoule * 1e15 * 1e-20);
    near(OrCoefficient(18, 29, false), Lindhard(18, 29) * evPerJoule * 1e20);
    near(OrCoefficient(18, 29, true),
         (Lindhard(18, 29) + Lindhard(29, 18)) / 2 * evPerJoule * 1e20);

    RecordingSink sink;
    StoppingInput input{"18", "29", "63.546", "8.933", LossModel::Lss, false};
    EXPECT_EQ(Evaluate(input, sink), "9.509670314");
    input.model = LossModel::OenRobinson;
    input.m2 = "not read";
    EXPECT_EQ(Evaluate(input, sink), "0.001123341978");
    input.permute = true;
    EXPECT_EQ(Evaluate(input, sink), "0.001169810062");
    EXPECT_TRUE(sink.entries().empty());
}

TEST(StoppingCoefficients, BadTextsGiveTheirMessageAndNoResult) {
    struct Case {
        StoppingInput input;
        const char* message;
    };
    const Case cases[] = {
        {{"18.5", "29", "63.546", "8.933", LossModel::Lss, false},
         "Numeric conversion error (18.5)"},
        {{"18", "", "63.546", "8.933", LossModel::OenRobinson, false},
         "Numeric conversion error ()"},
        {{"18", "29", "0", "8.933", LossModel::Lss, false}, "Numeric conversion error (0)"},
        {{"18", "29", "63.546", "8,9", LossModel::Lss, false}, "Numeric conversion error (8,9)"},
    };
    for (const Case& c : cases) {
        RecordingSink sink;
        EXPECT_EQ(Evaluate(c.input, sink), std::nullopt) << c.message;
        EXPECT_EQ(sink.texts(), std::vector<std::string>{c.message});
    }
}

}  // namespace
}  // namespace velkor
