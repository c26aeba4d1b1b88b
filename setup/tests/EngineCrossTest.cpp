// The engine's own readers on what the set-up program writes: every lattice's target file, the
// re-oriented target and impact files, the example project run end to end, the batch
// template and the composite potential's fit.
#include <gtest/gtest.h>

#include <cmath>

#include "FileSafety.h"
#include "GeneratorTestSupport.h"
#include "batch/BatchTemplate.h"
#include "composite/SplineComposite.h"
#include "editor/PlainText.h"
#include "host/EngineGlobals.h"
#include "host/EngineHost.h"
#include "input/BatchFile.h"
#include "input/ModelFile.h"
#include "input/TargetFile.h"
#include "inputfiles/ImpactFile.h"
#include "inputfiles/InelasticFile.h"
#include "inputfiles/ModelFile.h"
#include "inputfiles/ProjectileFile.h"
#include "inputfiles/RunFile.h"
#include "orientation/OrientPoints.h"
#include "orientation/ReorientWriters.h"
#include "potentials/PairPotentials.h"
#include "run/RunSimulation.h"

namespace velkor {
namespace {

class EngineCross : public test::GeneratorTest {
  protected:
    // Runs the example project with another target or impact file.
    template <class Host>
    void runExample(const std::string& target, const std::string& impacts, Host& host) {
        halvern::EngineGlobals globals;
        globals.RandomSeed = 12345;
        const std::string stem = std::string(HALVERN_EXAMPLES_DIR) + "/cu100.";
        halvern::RunSimulation(stem + "prj", target.empty() ? stem + "trg" : target, stem + "mdl",
                               stem + "run", impacts.empty() ? stem + "imp" : impacts,
                               stem + "inl", path("inivars.osl"), path("dynvars.osl"),
                               path("inelast.dat"), true, globals, host);
    }
};

// The projectile's place in the first graph frame of every impact: where the engine put it. It
// watches the frames as the graph window does, so the run shows it every trajectory.
class ImpactRecordingHost : public halvern::RecordingHost {
  public:
    ImpactRecordingHost() { showingEachTrajectory = true; }
    void newImpact() override {
        RecordingHost::newImpact();
        framePending_ = true;
    }
    void graphFrame(const halvern::TGraphFrame& frame) override {
        RecordingHost::graphFrame(frame);
        if (!framePending_) return;
        framePending_ = false;
        starts.push_back({frame.x[0] * 1e10, frame.y[0] * 1e10});
    }
    std::vector<std::pair<double, double>> starts;  // Angstrom

  private:
    bool framePending_ = false;
};

TEST_F(EngineCross, EngineReadsReorientedTargetAndImpactFiles) {
    const std::string examples = HALVERN_EXAMPLES_DIR;
    TOrientParams turn;  // [111] onto z: the (100) file's x runs along [110]
    turn.yRot = -54.7356103172453;
    halvern::RecordingSink sink;
    ASSERT_TRUE(WriteReorientedTarget(examples + "/cu100.trg", path("cu111.trg"), turn, sink));
    halvern::RecordingHost targetHost;
    const int32_t n = halvern::CountTargetLines(path("cu111.trg"), targetHost.messages);
    EXPECT_EQ(n, 486);
    EXPECT_TRUE(halvern::CheckTargetAtoms(path("cu111.trg"), n, targetHost));
    EXPECT_TRUE(targetHost.messages.entries().empty());

    // The mesh turned a quarter about z and moved: the engine starts each trajectory there.
    TOrientParams quarter;
    quarter.zRot = 90;
    quarter.shiftX = -1;
    ASSERT_TRUE(WriteReorientedImpacts(examples + "/cu100.imp", path("turned.imp"), quarter, sink));
    EXPECT_TRUE(sink.entries().empty());
    TOrientPoints mesh;
    ASSERT_TRUE(ReadPointFile(examples + "/cu100.imp", mesh));
    ImpactRecordingHost host;
    runExample("", path("turned.imp"), host);
    EXPECT_EQ(host.find("  ++++ Error ++++"), -1);
    ASSERT_EQ(host.starts.size(), 9u);
    for (int k = 0; k < 9; ++k) {
        EXPECT_NEAR(host.starts[k].first, -mesh.y[k] + 1, 1e-9);
        EXPECT_NEAR(host.starts[k].second, mesh.x[k], 1e-9);
    }
}

TEST_F(EngineCross, EngineAcceptsEveryGeneratedTarget) {
    for (const LatticeCommand& command : LatticeCommands()) {
        SCOPED_TRACE(command.captions.handler);
        const std::string file = path(std::string(command.captions.handler) + ".trg");
        halvern::RecordingSink sink;
        const LatticeBox box{2, 2, 3};
        ASSERT_TRUE(test::Generate(command, box, file, sink));
        halvern::RecordingHost host;
        const int32_t n = halvern::CountTargetLines(file, host.messages);
        EXPECT_EQ(n, TargetLineCount(box, command.atomsPerSite));
        EXPECT_TRUE(halvern::CheckTargetAtoms(file, n, host));
        EXPECT_TRUE(host.messages.entries().empty());
        EXPECT_TRUE(host.lines.empty());
    }
}

TEST_F(EngineCross, ExampleProjectRunsInTheEngine) {
    const std::string examples = HALVERN_EXAMPLES_DIR;
    halvern::EngineGlobals globals;
    globals.RandomSeed = 12345;
    halvern::RecordingHost host;
    auto stem = [&](const char* ext) { return examples + "/cu100." + ext; };
    halvern::RunSimulation(stem("prj"), stem("trg"), stem("mdl"), stem("run"), stem("imp"),
                           stem("inl"), path("inivars.osl"), path("dynvars.osl"),
                           path("inelast.dat"), true, globals, host);
    std::string log;
    for (const std::string& line : host.texts()) log += line + "\n";
    EXPECT_EQ(host.find("  ++++ Error ++++"), -1) << log;
    EXPECT_NE(host.find("  Number of atoms in target: 486"), -1) << log;
    EXPECT_EQ(host.impacts, 9) << log;
    for (const std::string& text : host.messages.texts())
        ADD_FAILURE() << text;  // boxes, not beeps
    EXPECT_TRUE(halvern::FileExists(path("dynvars.osl")));
}

// The template as the editor saves it, read by the engine's batch reader.
TEST(BatchTemplateCross, EngineReadsEveryJobWithItsNames) {
    std::string text;
    for (const std::string& line : MakeBatchTemplate("/data/run.v2/cu100", 3)) text += line + "\n";
    text.pop_back();
    const std::vector<halvern::TBatchJob> jobs =
        halvern::ParseBatchDefinition(halvern::EncodePlainText(text, halvern::TextEncoding::Utf8));
    ASSERT_EQ(jobs.size(), 3u);
    for (size_t i = 0; i < jobs.size(); ++i) {
        const halvern::TEngineFileNames& f = jobs[i].files;
        EXPECT_EQ(jobs[i].label, "Project " + std::to_string(i + 1) + ": ");
        const std::string stem = "/data/run.v2/cu100";
        EXPECT_EQ(f.projectile, stem + ".prj");
        EXPECT_EQ(f.target, stem + ".trg");
        EXPECT_EQ(f.model, stem + ".mdl");
        EXPECT_EQ(f.run, stem + ".run");
        EXPECT_EQ(f.impact, stem + ".imp");
        EXPECT_EQ(f.inelastic, stem + ".inl");
        EXPECT_EQ(f.initialConditions, "/data/run.v2/inivars.osl");
        EXPECT_EQ(f.dynamics, stem + ".osl");
        EXPECT_EQ(f.inelasticEvents, stem + ".dat");
    }
}

// Runs each batch job as the engine's main window does.
class BatchRunningHost : public halvern::BatchHost {
  public:
    halvern::MessageSink& sink() override { return host.messages; }
    halvern::EngineFlags& flags() override { return host.engineFlags; }
    void batchStarting() override {}
    void jobStarting(int, const std::string&) override {}
    void runJob(const halvern::TEngineFileNames& f) override {
        halvern::RunSimulation(f.projectile, f.target, f.model, f.run, f.impact, f.inelastic,
                               f.initialConditions, f.dynamics, f.inelasticEvents, true, globals,
                               host);
    }
    void jobEnded() override {}
    void batchEnded() override {}

    halvern::EngineGlobals globals;
    halvern::RecordingHost host;
};

// The set-up program's dialogs save "cu.RUN", "cu.MDL", "cu.INL" when only the stem is typed;
// its batch template names "cu.run", "cu.mdl", "cu.inl". Both jobs run.
TEST_F(EngineCross, BatchTemplateRunsTheSetupProgramsProject) {
    const std::string stem = path("cu");
    halvern::RecordingSink sink;
    ASSERT_TRUE(test::Generate(test::CommandNamed("Fcc100Click"), {1, 1, 2}, stem + ".TRG", sink));
    ASSERT_TRUE(WriteProjectileFile(TProjectileSpec{}, stem + ".PRJ", sink));
    TRunSpec run;
    run.FileName = stem + ".RUN";
    ASSERT_TRUE(WriteRunFile(run, sink));
    const TModelSpec model;
    ASSERT_TRUE(WriteModelFile(model, ComputeVibrationAmplitudes(model), stem + ".MDL", sink));
    TImpactSpec mesh;
    mesh.Nx = mesh.Ny = 1;
    ASSERT_TRUE(WriteImpactFile(mesh, stem + ".IMP", sink));
    ASSERT_TRUE(WriteInelasticFile(TInelasticSpec{}, stem + ".INL", sink));
    std::string text;
    for (const std::string& line : MakeBatchTemplate(stem, 2)) text += line + "\r\n";
    ASSERT_TRUE(halvern::WriteFileReplacing(path("cu.bdf"), text));

    BatchRunningHost runner;
    halvern::TEngineFileNames current = halvern::InitialEngineFileNames();
    EXPECT_EQ(halvern::RunBatch(path("cu.bdf"), current, runner), 2);
    EXPECT_EQ(runner.host.messages.texts(), std::vector<std::string>{"Proceed with batch jobs?"});
    EXPECT_EQ(runner.host.impacts, 2);
    EXPECT_EQ(runner.host.find("  ++++ Error ++++"), -1);
    EXPECT_GT(contents(path("cu.osl")).size(), 0u);
    EXPECT_EQ(current.run, stem + ".RUN");  // the names the last job ran with
}

// The composite potential shows the join the engine runs with: the example model read by the
// engine and prepared for copper gives the coefficients of the set-up program's fit.
TEST(EngineCrossComposite, TheCompositeFitIsTheEnginesFit) {
    halvern::TModelParameters model;
    ASSERT_TRUE(
        halvern::ReadModelFileAhead(std::string(HALVERN_EXAMPLES_DIR) + "/cu100.mdl", model));
    halvern::TPotentialInputs in;
    in.ptKind = model.PtKind;
    in.ptFactor = model.PtFactor;
    in.ttKind = model.TtKind;
    in.ttFactor = model.TtFactor;
    in.D = model.MorseD;
    in.alpha = model.MorseAlpha;
    in.r0 = model.MorseR0;
    in.Rlow = model.SplineLow;
    in.Rhigh = model.SplineHigh;
    in.Rc = 3.7e-10;
    in.projectileZ = 18;
    in.targetZ = 29;
    halvern::TPairPotentials engine;
    halvern::RecordingHost host;
    ASSERT_TRUE(halvern::PreparePotentials(in, engine, host));

    // The model dialog's defaults are the example's lines 3 to 10.
    TCompositeParams p;
    TSplineCoefficients s;
    halvern::RecordingSink sink;
    ASSERT_TRUE(CompositeParamsOf(TCompositeRequest{}, p, sink));
    ASSERT_TRUE(FitComposite(p, s, sink));
    for (int k = 0; k < 4; ++k)
        EXPECT_NEAR(s.c[k], engine.SplineCoefficients[k],
                    1e-12 * std::fabs(engine.SplineCoefficients[k]))
            << "a" << k;
    EXPECT_NEAR(p.a, engine.aTT, 1e-15 * engine.aTT);
}

// A mesh written by the impact dialog's writer: the engine starts a trajectory at each point of
// the walk, in the walk's order.
TEST_F(EngineCross, EngineStartsAtTheMeshPoints) {
    TImpactSpec spec;
    spec.BxMax = "2.55598";
    spec.ByMax = "2.55598";
    spec.Nx = 3;
    spec.Ny = 3;
    halvern::RecordingSink sink;
    ASSERT_TRUE(WriteImpactFile(spec, path("mesh.imp"), sink));
    std::vector<std::pair<double, double>> walk;
    WalkImpactMesh(MeshNumbersOf(spec, sink).layout, [&](double x, double y) {
        walk.push_back({x, y});
        return true;
    });
    ImpactRecordingHost host;
    runExample("", path("mesh.imp"), host);
    EXPECT_EQ(host.find("  ++++ Error ++++"), -1);
    ASSERT_EQ(host.starts.size(), walk.size());
    for (size_t k = 0; k < walk.size(); ++k) {
        EXPECT_NEAR(host.starts[k].first, walk[k].first, 1e-8);
        EXPECT_NEAR(host.starts[k].second, walk[k].second, 1e-8);
    }
}

}  // namespace
}  // namespace velkor
