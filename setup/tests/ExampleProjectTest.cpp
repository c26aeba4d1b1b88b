// The example project in examples/: its target is regenerated and compared byte for byte, and
// the other five files are read back in the engine's free format.
#include <gtest/gtest.h>
#include <cmath>
#include <cstdlib>

#include "FileSafety.h"
#include "NumberText.h"
#include "SingleSpeciesGenerators.h"
#include "TargetFileCheck.h"
#include "TextReader.h"

namespace velkor {
namespace {

const std::string kExamples = HALVERN_EXAMPLES_DIR;

std::string Example(const char* ext) {
    return kExamples + "/cu100." + ext;
}

// Set VELKOR_REGENERATE_EXAMPLE=1 to write the target anew after a deliberate change.
TEST(ExampleProject, TargetIsTheDefaultFcc100Crystallite) {
    TTargetSpec spec = DefaultFccParams();
    const bool regenerate = std::getenv("VELKOR_REGENERATE_EXAMPLE") != nullptr;
    spec.FileName = regenerate ? Example("trg") : test::TempFolder("example") + "/cu100.trg";
    halvern::RecordingSink sink;
    ASSERT_TRUE(GenerateFcc100(spec, sink));
    EXPECT_TRUE(sink.entries().empty());

    std::string made, committed;
    ASSERT_TRUE(halvern::ReadFileBytes(spec.FileName, made));
    ASSERT_TRUE(halvern::ReadFileBytes(Example("trg"), committed));
    EXPECT_TRUE(made == committed) << "examples/cu100.trg differs from what the generator writes";

    const test::TargetFile file = test::ReadTargetFile(Example("trg"));
    EXPECT_TRUE(file.problems.empty());
    EXPECT_EQ(file.lineCount, 486u);  // 9 x 9 sites, 6 layers
}

// Every line of a project file ends with CR LF.
std::vector<std::string> Lines(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(halvern::ReadFileBytes(path, bytes)) << path;
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << path << ": last line without CR LF";
        if (end == std::string::npos) break;
        lines.push_back(bytes.substr(start, end - start));
        EXPECT_EQ(lines.back().find('\n'), std::string::npos) << path;
        start = end + 2;
    }
    return lines;
}

// The projectile, run and inelastic files hold the set-up program's defaults; the engine cross
// test runs the whole project.
TEST(ExampleProject, ProjectileRunAndInelasticFilesHoldTheDefaults) {
    EXPECT_EQ(Lines(Example("prj")), std::vector<std::string>{"     1.000   18 39.94800   0 Ar"});
    const std::vector<std::string> run{
        "1",
        "001",
        "0",
        "90.00",
        "0.00",
        "07.0e-17",
        "10",
        "300.0   10.0",
        "3.7",
        "50",
        "[ke/ep > 20.0] & [vz> 0.0] & [rz > 0.5e-10] {particles emitted with KE > 20 eV}"};
    EXPECT_EQ(Lines(Example("run")), run);
    const std::vector<std::string> inelastic{"// LSS data",
                                             "1   // number of LSS items",
                                             "0 0.0 0.0",
                                             "0.0   // threshold in m/s",
                                             "// Oen-Robinson data",
                                             "1   // number of O-R items",
                                             "0 0.0 0.0",
                                             "1.5   // max. apsis in A",
                                             "0.3   // gamma",
                                             "// Shapiro-Tombrello data",
                                             "1   // number of S-T items",
                                             "0 0.0 0.0 10 0.0"};
    EXPECT_EQ(Lines(Example("inl")), inelastic);
}

// Mean-square vibration amplitude of the Debye model (A^2; mass in amu, temperatures in K).
double DebyeAmplitude(double theta, double temperature, double mass) {
    const double x = theta / temperature;
    const double phi =
        x <= 3
            ? 1 - x / 4 + x * x / 36 - x * x * x * x / 3600
            : (1.6449340668482264 - std::exp(-x) * (x + 1) - std::exp(-2 * x) * (x / 2 + 0.25)) / x;
    return (phi / x + 0.25) * 145.53 / (mass * theta);
}

TEST(ExampleProject, ModelIsTheDefaultCopperModel) {
    const std::vector<std::string> lines = Lines(Example("mdl"));
    ASSERT_EQ(lines.size(), 21u);
    const std::vector<std::string> head{"0",     "1.0",   "1",   "0.890869", "0",    "0.480",
                                        "1.405", "2.628", "1.5", "2.1",      "0",    "63.546",
                                        "343",   "192",   "292", "0.00",     "0.00", "3.0"};
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 18), head);
    const std::string amplitudes =
        halvern::FormatFixed(DebyeAmplitude(343, 300, 63.546), 6, 5) + " " +
        halvern::FormatFixed(DebyeAmplitude(192, 300, 63.546), 6, 5) + " " +
        halvern::FormatFixed(DebyeAmplitude(292, 300, 63.546), 6, 5);
    EXPECT_EQ(lines[18], amplitudes);
    EXPECT_EQ(lines[19], "300.0");
    EXPECT_EQ(lines[20], "0");
}

TEST(ExampleProject, ImpactMeshCoversTheSurfaceCell) {
    const std::vector<std::string> lines = Lines(Example("imp"));
    ASSERT_EQ(lines.size(), 9u);
    halvern::TextReader in;
    ASSERT_TRUE(in.open(Example("imp")));
    const long double d = 3.6147L / std::sqrt(2.0L);  // Cu (100) surface cell d x d
    for (int kx = 0; kx < 3; ++kx)
        for (int ky = 0; ky < 3; ++ky) {
            EXPECT_NEAR(static_cast<double>(in.readReal()), static_cast<double>(kx * d / 3), 1e-5);
            EXPECT_NEAR(static_cast<double>(in.readReal()), static_cast<double>(ky * d / 3), 1e-5);
            EXPECT_EQ(in.readReal(), 3.0L);
            in.skipLine();
        }
    EXPECT_FALSE(in.failed());
    EXPECT_EQ(lines[0].substr(32), " 0.000000 2.555980 0.000000 2.555980 90.000000 0 3 3 3.000000");
}

}  // namespace
}  // namespace velkor
