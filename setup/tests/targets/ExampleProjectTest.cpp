// The example project in examples/: its target is regenerated and compared byte for byte, and
// the projectile, run, model and impact files are read back for the set-up program's defaults
// (the engine cross test runs the whole project).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "GeneratorTestSupport.h"
#include "NumberText.h"
#include "TextReader.h"
#include "targets/SingleSpeciesGenerators.h"

namespace velkor {
namespace {

class ExampleProject : public test::GeneratorTest {
  protected:
    static std::string example(const char* ext) {
        return std::string(HALVERN_EXAMPLES_DIR) + "/cu100." + ext;
    }
    // The file's lines; every one must end with CR LF.
    static std::vector<std::string> lines(const char* ext) {
        std::vector<std::string> problems;
        std::vector<std::string> lines = test::CrLfLines(example(ext), problems);
        EXPECT_TRUE(problems.empty()) << problems.front();
        return lines;
    }
};

// Set VELKOR_REGENERATE_EXAMPLE=1 to write the target anew after a deliberate change.
TEST_F(ExampleProject, TargetIsTheDefaultFcc100Crystallite) {
    TTargetSpec params = DefaultFccParams();
    const bool regenerate = std::getenv("VELKOR_REGENERATE_EXAMPLE") != nullptr;
    params.FileName = regenerate ? example("trg") : path("cu100.trg");
    halvern::RecordingSink sink;
    ASSERT_TRUE(GenerateFcc100(params, sink));
    EXPECT_TRUE(sink.entries().empty());
    EXPECT_TRUE(contents(params.FileName) == contents(example("trg")))
        << "examples/cu100.trg differs from what the generator writes";
    const test::TargetFile file = test::ReadTargetFile(example("trg"));
    EXPECT_TRUE(file.problems.empty());
    EXPECT_EQ(file.lineCount, 486u);  // 9 x 9 sites, 6 layers
}

TEST_F(ExampleProject, ProjectileAndRunFilesHoldTheDefaults) {
    EXPECT_EQ(lines("prj"), std::vector<std::string>{"     1.000   18 39.94800   0 Ar"});
    EXPECT_EQ(lines("run"),
              (std::vector<std::string>{
                  "1", "001", "0", "90.00", "0.00", "07.0e-17", "10", "300.0   10.0", "3.7", "50",
                  "[ke/ep > 20.0] & [vz> 0.0] & [rz > 0.5e-10] {particles emitted with KE > 20 "
                  "eV}"}));
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

TEST_F(ExampleProject, ModelIsTheDefaultCopperModel) {
    const std::vector<std::string> model = lines("mdl");
    ASSERT_EQ(model.size(), 21u);
    const std::vector<std::string> head{"0",     "1.0",   "1",   "0.890869", "0",    "0.480",
                                        "1.405", "2.628", "1.5", "2.1",      "0",    "63.546",
                                        "343",   "192",   "292", "0.00",     "0.00", "3.0"};
    EXPECT_EQ(std::vector<std::string>(model.begin(), model.begin() + 18), head);
    EXPECT_EQ(model[18], halvern::FormatFixed(DebyeAmplitude(343, 300, 63.546), 6, 5) + " " +
                             halvern::FormatFixed(DebyeAmplitude(192, 300, 63.546), 6, 5) + " " +
                             halvern::FormatFixed(DebyeAmplitude(292, 300, 63.546), 6, 5));
    EXPECT_EQ(model[19], "300.0");
    EXPECT_EQ(model[20], "0");
}

TEST_F(ExampleProject, ImpactMeshCoversTheSurfaceCell) {
    const std::vector<std::string> impacts = lines("imp");
    ASSERT_EQ(impacts.size(), 9u);
    halvern::TextReader in;
    ASSERT_TRUE(in.open(example("imp")));
    const long double d = 3.6147L / std::sqrt(2.0L);  // Cu (100) surface cell d x d
    for (int kx = 0; kx < 3; ++kx)
        for (int ky = 0; ky < 3; ++ky) {
            EXPECT_NEAR(static_cast<double>(in.readReal()), static_cast<double>(kx * d / 3), 1e-5);
            EXPECT_NEAR(static_cast<double>(in.readReal()), static_cast<double>(ky * d / 3), 1e-5);
            EXPECT_EQ(in.readReal(), 3.0L);
            in.skipLine();
        }
    EXPECT_FALSE(in.failed());
    EXPECT_EQ(impacts[0].substr(32),
              " 0.000000 2.555980 0.000000 2.555980 90.000000 0 3 3 3.000000");
}

}  // namespace
}  // namespace velkor
