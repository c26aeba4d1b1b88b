// The engine's readers on the projectile, run, model and inelastic files the set-up program
// writes: every value arrives in the engine's units.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ScratchDir.h"
#include "host/EngineHost.h"
#include "input/InelasticFile.h"
#include "input/ModelFile.h"
#include "input/ProjectileFile.h"
#include "input/RunFile.h"
#include "inputfiles/InelasticFile.h"
#include "inputfiles/ModelFile.h"
#include "inputfiles/ProjectileFile.h"
#include "inputfiles/RunFile.h"

namespace velkor {
namespace {

constexpr double kEv = 1.602192e-19;  // J, the engine's electronvolt

class InputFilesCross : public halvern::test::ScratchDir {
  protected:
    halvern::RecordingSink sink_;
    halvern::RecordingHost host_;
};

TEST_F(InputFilesCross, ProjectileFile) {
    ASSERT_TRUE(WriteProjectileFile(TProjectileSpec{}, path("a.prj"), sink_));
    halvern::TProjectileData data;
    ASSERT_EQ(halvern::ReadProjectileFile(path("a.prj"), data, host_), 0);
    EXPECT_EQ(data.Energy, 1.0);
    EXPECT_EQ(data.Z, 18);
    EXPECT_DOUBLE_EQ(data.Mass, 39.948);
    EXPECT_EQ(data.Flags, 0);
    EXPECT_EQ(data.Name, "Ar");
}

TEST_F(InputFilesCross, RunFileDefaultsAndLargestPeriod) {
    TRunSpec spec;
    spec.FileName = path("a.run");
    ASSERT_TRUE(WriteRunFile(spec, sink_));
    halvern::TRunParameters p;
    ASSERT_EQ(halvern::ReadRunFile(spec.FileName, p, host_), 0);
    EXPECT_EQ(p.SampleMode, 1);
    EXPECT_EQ(p.SampleInterval, 1);
    EXPECT_EQ(p.OutputOption, 0);
    EXPECT_DOUBLE_EQ(p.Theta, std::numbers::pi / 2);
    EXPECT_EQ(p.Phi, 0.0);
    EXPECT_DOUBLE_EQ(p.TimeStep, 7e-17);
    EXPECT_EQ(p.RebuildInterval, 10);
    EXPECT_DOUBLE_EQ(p.TMax, 300e-15);
    EXPECT_DOUBLE_EQ(p.TMin, 10e-15);
    EXPECT_DOUBLE_EQ(p.CutOff, 3.7e-10);
    EXPECT_EQ(p.PartnerLimit, 50);
    EXPECT_EQ(p.FilterExpression, kDefaultFilterExpression);

    spec.Period = "65535";
    spec.SampleMode = 2;
    ASSERT_TRUE(WriteRunFile(spec, sink_));
    ASSERT_EQ(halvern::ReadRunFile(spec.FileName, p, host_), 0);
    EXPECT_EQ(p.SampleInterval, 65535);
    EXPECT_TRUE(sink_.entries().empty());
}

TEST_F(InputFilesCross, ModelFileInSiUnits) {
    TModelSpec spec;
    spec.SurfaceBinding = "-4.5";
    spec.TestProjectileOnly = 1;
    ASSERT_TRUE(WriteModelFile(spec, ComputeVibrationAmplitudes(spec), path("a.mdl"), sink_));
    halvern::TModelParameters m;
    ASSERT_TRUE(halvern::ReadModelFileAhead(path("a.mdl"), m));
    EXPECT_EQ(m.PtKind, 0);
    EXPECT_DOUBLE_EQ(m.PtFactor, 1.0);
    EXPECT_EQ(m.TtKind, 1);
    EXPECT_DOUBLE_EQ(m.TtFactor, 0.890869);
    EXPECT_EQ(m.MorseOption, 0);
    EXPECT_DOUBLE_EQ(m.MorseD, 0.480 * kEv);
    EXPECT_DOUBLE_EQ(m.MorseAlpha, 1.405e10);
    EXPECT_DOUBLE_EQ(m.MorseR0, 2.628e-10);
    EXPECT_DOUBLE_EQ(m.SplineLow, 1.5e-10);
    EXPECT_DOUBLE_EQ(m.SplineHigh, 2.1e-10);
    EXPECT_EQ(m.VibrationFlag, 0);
    EXPECT_DOUBLE_EQ(m.SurfaceBinding, -4.5 * kEv);
    EXPECT_EQ(m.BulkBinding, 0.0);
    EXPECT_DOUBLE_EQ(m.TerminationEnergy, 3.0 * kEv);
    EXPECT_DOUBLE_EQ(m.BulkVariance, 0.00605);
    EXPECT_DOUBLE_EQ(m.PerpendicularVariance, 0.01885);
    EXPECT_DOUBLE_EQ(m.ParallelVariance, 0.00827);
    EXPECT_EQ(m.Temperature, 300.0);
    EXPECT_EQ(m.TestProjectileOnly, 1);
}

// Rows are kept with Z > 0 and non-zero values, K scaled to SI units (K(OR) over 2 pi), the
// ST rows read in the file's column order.
TEST_F(InputFilesCross, InelasticRowsScaled) {
    TInelasticSpec spec;
    spec.Lss.rows = {{"29", "0.0512", "2"}, {"18", "0.03", "0"}};
    spec.Threshold = "100000";
    spec.OenRobinson.rows = {{"522", "0.00112", "1"}};
    spec.MaxApsis = "1.5";
    spec.Gamma = "0.25";
    spec.ShapiroTombrello.rows = {{"841", "1.2", "15.5", "0.8", "3"}};
    ASSERT_TRUE(WriteInelasticFile(spec, path("a.inl"), sink_));
    halvern::TInelasticParameters params;
    halvern::TSimulationOptions options;
    options.LssModel = options.OenRobinsonModel = options.ShapiroTombrelloModel = 1;
    ASSERT_TRUE(halvern::ReadInelasticFile(path("a.inl"), params, options, host_));
    ASSERT_EQ(params.lss.size(), 1u);
    EXPECT_EQ(params.lss[0].Z1, 29);
    EXPECT_DOUBLE_EQ(params.lss[0].K, 0.0512 * 2 * 1.602192e-14);
    EXPECT_EQ(params.lssThreshold, 100000.0);
    ASSERT_EQ(params.oenRobinson.size(), 1u);
    EXPECT_EQ(params.oenRobinson[0].Z1Z2, 522);
    EXPECT_DOUBLE_EQ(params.oenRobinson[0].K, 0.00112 * 1.602192e-39 / (2 * std::numbers::pi));
    EXPECT_EQ(params.gamma, 0.25);
    EXPECT_DOUBLE_EQ(params.OrEventRange, 1.5e-10 * 1.5e-10);
    ASSERT_EQ(params.shapiroTombrello.size(), 1u);
    const halvern::TStEntry& st = params.shapiroTombrello[0];
    EXPECT_EQ(st.Z1Z2, 841);
    EXPECT_DOUBLE_EQ(st.Rcrit, 1.2e-10);
    EXPECT_DOUBLE_EQ(st.dE, 15.5 * kEv);
    EXPECT_EQ(st.Nmax, 3);
    EXPECT_EQ(st.prob, 0.8);
    EXPECT_EQ(options.LssModel + options.OenRobinsonModel + options.ShapiroTombrelloModel, 3);
    EXPECT_TRUE(host_.lines.empty());
}

}  // namespace
}  // namespace velkor
