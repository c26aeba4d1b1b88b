// The four writers on the records' defaults, byte for byte, and what they do with odd texts
// and a failing disk.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "InputFileTestSupport.h"
#include "NumberText.h"
#include "inputfiles/InelasticFile.h"
#include "inputfiles/ModelFile.h"
#include "inputfiles/ProjectileFile.h"
#include "inputfiles/RunFile.h"

namespace velkor {
namespace {

using halvern::RecordingSink;

class Writers : public test::InputFileTest {};

// <u^2> = 3 hbar^2 / (M k_B Theta) (Phi(x)/x + 1/4), x = Theta/T, with 3 hbar^2/(amu k_B)
// = 145.53 A^2 K; Phi the Debye function, its series below x = 3 and its large-x form above.
double DebyeMeanSquare(double theta, double temperature, double mass) {
    const double x = theta / temperature;
    const double phi = x <= 3 ? 1 - x / 4 + x * x / 36 - std::pow(x, 4) / 3600
                              : (std::numbers::pi * std::numbers::pi / 6 - std::exp(-x) * (x + 1) -
                                 std::exp(-2 * x) * (x / 2 + 0.25)) /
                                    x;
    return (phi / x + 0.25) * 145.53 / (mass * theta);
}

TEST_F(Writers, DefaultFilesByteForByte) {
    RecordingSink sink;
    ASSERT_TRUE(WriteProjectileFile(TProjectileSpec{}, path("a.prj"), sink));
    EXPECT_EQ(contents(path("a.prj")), "     1.000   18 39.94800   0 Ar\r\n");

    TRunSpec run;
    run.FileName = path("a.run");
    ASSERT_TRUE(WriteRunFile(run, sink));
    EXPECT_EQ(contents(path("a.run")),
              test::CrLfText({"1", "001", "0", "90.00", "0.00", "07.0e-17", "10", "300.0   10.0",
                              "3.7", "50", kDefaultFilterExpression}));

    const TModelSpec model;
    ASSERT_EQ(FindVibrationRefusal(model), std::nullopt);
    const VibrationAmplitudes amplitudes = ComputeVibrationAmplitudes(model);
    ASSERT_TRUE(WriteModelFile(model, amplitudes, path("a.mdl"), sink));
    EXPECT_EQ(contents(path("a.mdl")), test::CrLfText({"0",
                                                       "1.0",
                                                       "1",
                                                       "0.890869",
                                                       "0",
                                                       "0.480",
                                                       "1.405",
                                                       "2.628",
                                                       "1.5",
                                                       "2.1",
                                                       "0",
                                                       "63.546",
                                                       "343",
                                                       "192",
                                                       "292",
                                                       "0.00",
                                                       "0.00",
                                                       "3.0",
                                                       "0.00605 0.01885 0.00827",
                                                       "300.0",
                                                       "0"}));
    EXPECT_EQ(AmplitudeBoxText(amplitudes),
              "Mean root square amplitudes (in A):\r0.078 (Bulk), 0.137 (Surf. Perp.), 0.091 "
              "(Surf. Parallel).");
    const double expected[] = {DebyeMeanSquare(343, 300, 63.546), DebyeMeanSquare(192, 300, 63.546),
                               DebyeMeanSquare(292, 300, 63.546)};
    const double computed[] = {amplitudes.bulk, amplitudes.perpendicular, amplitudes.parallel};
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(computed[k], expected[k], 1e-6 * expected[k]);
    EXPECT_EQ(halvern::FormatFixed(std::sqrt(expected[0]), 0, 3), "0.078");
    EXPECT_EQ(halvern::FormatFixed(std::sqrt(expected[1]), 0, 3), "0.137");
    EXPECT_EQ(halvern::FormatFixed(std::sqrt(expected[2]), 0, 3), "0.091");

    ASSERT_TRUE(WriteInelasticFile(TInelasticSpec{}, path("a.inl"), sink));
    EXPECT_EQ(contents(path("a.inl")),
              test::CrLfText({"// LSS data", "1   // number of LSS items", "0 0.0 0.0",
                              "0.0   // threshold in m/s", "// Oen-Robinson data",
                              "1   // number of O-R items", "0 0.0 0.0", "1.5   // max. apsis in A",
                              "0.3   // gamma", "// Shapiro-Tombrello data",
                              "1   // number of S-T items", "0 0.0 0.0 10 0.0"}));
    EXPECT_TRUE(sink.entries().empty());
}

TEST_F(Writers, ProjectileLineLayout) {
    struct Case {
        const char* symbol;
        const char* energy;
        const char* z;
        const char* mass;
        uint8_t flags;
        const char* line;
    };
    const Case cases[] = {
        {"H", "1.0", "1", "1.0079", 0, "     1.000    1  1.00790   0  H"},
        {"Xe", "1000", "54", "131.29", 255, "  1000.000   54 131.29000 255 Xe"},
        {"Ar", "0.025", "18", "39.948", 8, "     0.025   18 39.94800   8 Ar"},
    };
    for (const Case& c : cases) {
        TProjectileSpec spec;
        spec.Symbol = c.symbol;
        spec.Energy = c.energy;
        spec.AtomicNumber = c.z;
        spec.Mass = c.mass;
        spec.Flags = c.flags;
        RecordingSink sink;
        EXPECT_EQ(ProjectileFileText(spec, sink), std::string(c.line) + "\r\n");
        EXPECT_TRUE(sink.entries().empty());
    }
}

// A bad text is written as 0 after its message; the mass is converted before the energy.
TEST_F(Writers, ProjectileTextsThatDoNotConvert) {
    TProjectileSpec spec;
    spec.Energy = "1.0.";
    spec.Mass = "x";
    RecordingSink sink;
    EXPECT_EQ(ProjectileFileText(spec, sink), "     0.000   18  0.00000   0 Ar\r\n");
    EXPECT_EQ(sink.texts(), (std::vector<std::string>{"Numeric conversion error (x)",
                                                      "Numeric conversion error (1.0.)"}));
}

TEST_F(Writers, RunExpressionControlCharactersBecomeBlanks) {
    TRunSpec run;
    run.SampleMode = 0;
    run.Expression = "[ke > 1]\r\n& [vz > 0]\t{x}";
    run.TMax = "1000";
    run.TMin = "5";
    const std::string text = RunFileText(run);
    EXPECT_EQ(text.substr(0, 3), "0\r\n");
    EXPECT_NE(text.find("\r\n1000   5\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 26), "[ke > 1]  & [vz > 0] {x}\r\n");
}

TEST_F(Writers, InelasticRowsInFileColumnOrder) {
    TInelasticSpec spec;
    spec.ShapiroTombrello.rows = {{"841", "1.2", "15.5", "0.8", "3"}};
    AddRow(spec.Lss);
    spec.Lss.rows[1] = {"29", "0.05", "1"};
    const std::string text = InelasticFileText(spec);
    EXPECT_NE(text.find("2   // number of LSS items\r\n0 0.0 0.0\r\n29 0.05 1\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("1   // number of S-T items\r\n841 1.2 15.5 3 0.8\r\n"), std::string::npos);
}

// A write that fails reports it and leaves no file in a missing folder; /dev/full refuses at
// the close.
TEST_F(Writers, FailedWritesAreReported) {
    struct Case {
        const char* file;
        std::function<bool(const std::string&, RecordingSink&)> write;
        std::string message;
    };
    const Case cases[] = {
        {"prj",
         [](const std::string& p, RecordingSink& s) {
             return WriteProjectileFile(TProjectileSpec{}, p, s);
         },
         "Error writing output to disk."},
        {"run",
         [](const std::string& p, RecordingSink& s) {
             TRunSpec run;
             run.FileName = p;
             return WriteRunFile(run, s);
         },
         "Error writing output to disk."},
        {"mdl",
         [](const std::string& p, RecordingSink& s) {
             return WriteModelFile(TModelSpec{}, VibrationAmplitudes{}, p, s);
         },
         "Error writing file: "},
        {"inl",
         [](const std::string& p, RecordingSink& s) {
             return WriteInelasticFile(TInelasticSpec{}, p, s);
         },
         "Error writing output to disk."},
    };
    for (const Case& c : cases) {
        for (const std::string& target : {path("missing/x.") + c.file, std::string("/dev/full")}) {
            if (target == "/dev/full" && !halvern::FileExists(target)) continue;
            RecordingSink sink;
            EXPECT_FALSE(c.write(target, sink)) << target;
            const std::string expected =
                c.message == "Error writing file: " ? c.message + target : c.message;
            EXPECT_EQ(sink.texts(), std::vector<std::string>{expected}) << target;
        }
    }
    EXPECT_EQ(fileCount(), 0u);
}

}  // namespace
}  // namespace velkor
