#include "run/RunSimulation.h"

#include "dynamics/CellList.h"
#include "dynamics/InelasticModels.h"
#include "dynamics/Integrators.h"
#include "input/ImpactFile.h"
#include "input/InelasticFile.h"
#include "input/InputChecks.h"
#include "input/InputFileNames.h"
#include "input/ModelFile.h"
#include "input/ProjectileFile.h"
#include "input/RunFile.h"
#include "input/TargetFile.h"
#include "miscutil.h"
#include "output/OutputWriters.h"
#include "run/EnergyBalance.h"
#include "run/ImpactSetUp.h"
#include "run/ParallelImpacts.h"
#include "run/RunInputs.h"
#include "run/RunOutputs.h"
#include "run/Trajectory.h"

namespace halvern {

namespace {

// Releases the run on every way out of RunSimulationSteps.
class RunRelease {
  public:
    explicit RunRelease(TRunState& rs) : rs_(rs) {}
    RunRelease(const RunRelease&) = delete;
    RunRelease& operator=(const RunRelease&) = delete;
    ~RunRelease() { ReleaseRun(rs_); }

  private:
    TRunState& rs_;
};

void ResetRunTotals(TRunState& rs) {
    EngineFlags& flags = rs.host->flags();
    flags.StopTrajectory = 0;
    flags.AbortRequested = 0;
    rs.RunCount = 0;
    rs.LargestPartnerCount = 0;
    rs.CumulativeEnergyError = 0;
    rs.CumulativeLssLoss = 0;
    rs.CumulativeOrLoss = 0;
    rs.CumulativeStLoss = 0;
    rs.BalancedTrajectories = 0;
    rs.potentials.MorseTable.clear();
}

// An output file that is one of the run's inputs (by any spelling or through a link) would be
// emptied before it is read: refused before anything is read or created. Only the outputs that
// the options let the run write are compared, with the inputs it reads.
bool RefuseOutputThatIsAnInput(TRunState& rs) {
    const TRunFileNames& f = rs.files;
    const TSimulationOptions& o = rs.options;
    struct Named {
        const std::string* name;
        const char* what;
    };
    std::vector<Named> inputs = {{&f.projectile, "projectile"},
                                 {&f.target, "target"},
                                 {&f.model, "model"},
                                 {&f.run, "run"},
                                 {&f.impact, "impact"}};
    if (InelasticModelSelected(o)) inputs.push_back({&f.inelastic, "inelastic"});
    std::vector<Named> outputs = {{&f.dynamics, "dynamical variables"}};
    if (o.RecordInitial) outputs.push_back({&f.initialConditions, "initial conditions"});
    if ((o.OenRobinsonModel || o.ShapiroTombrelloModel) && o.RecordInelastic)
        outputs.push_back({&f.inelasticEvents, "inelastic"});
    for (const Named& out : outputs)
        for (const Named& in : inputs)
            if (SameFile(*out.name, *in.name)) {
                rs.host->sink().error("Cannot create " + std::string(out.what) + " output file: " +
                                      *out.name + "\r(it is the run's " + in.what + " file).");
                Log(rs,
                    "  Aborted: the " + std::string(out.what) + " output file is the run's " +
                        in.what + " file:",
                    colour::Red);
                Log(rs, "  " + *out.name, colour::Red);
                return true;
            }
    return false;
}

// The output-filter expression is compiled once, before the report; an expression that does
// not parse refuses the run (its parser has shown where). Without sampling it is never used.
bool CompileOutputFilter(TRunState& rs) {
    if (rs.run.OutputOption != kUserProgrammedOutput || rs.run.SampleMode == 0) return true;
    if (SetFilterExpression(rs.run.FilterExpression, rs.outputFilter, rs.host->sink())) return true;
    ReportBadValue(*rs.host, "Output-filter expression", "(output option 8)", 11, rs.files.run,
                   "does not parse");
    return false;
}

}  // namespace

void AimGraphFrame(TTrajectoryState& tj, const TSimulationOptions& options, int32_t N) {
    TParticleArrays& p = tj.particles;
    tj.graphFrame = TGraphFrame{};
    tj.graphFrame.N = N;
    const bool velocities = options.GraphMode == 1;
    tj.graphFrame.x = velocities ? p.vx.data() : p.x.data();
    tj.graphFrame.y = velocities ? p.vy.data() : p.y.data();
    tj.graphFrame.z = velocities ? p.vz.data() : p.z.data();
}

void AllocateRun(TRunState& rs) {
    const int32_t N = rs.N;
    TParticleArrays& p = rs.particles;
    AllocateParticleArrays(p, N, rs.options.Algorithm);
    rs.arraysAllocated = true;
    p.initialFlags[0] = rs.projectile.Flags;
    AimGraphFrame(rs, rs.options, N);
    AllocateMassAndZ(p, N);
    AllocatePartnerRows(rs.partners, N + 1, rs.run.PartnerLimit + 1);
}

void ReleaseRun(TRunState& rs) {
    DiscardRunOutputs(rs);
    rs.impactFile = TextReader();
    FreePartnerRows(rs.partners);
    FreeCellGrid(rs.cellGrid);
    FreeCellList(rs.cellList);
    FreeHgeForceCache(rs.hgeCache);
    FreeEventRows(rs.inelastic.orRows);
    FreeEventRows(rs.inelastic.stRows);
    FreeMassAndZ(rs.particles);
    FreeParticleArrays(rs.particles);
    std::vector<float>().swap(rs.potentials.MorseTable);
    rs.graphFrame = TGraphFrame{};
}

void RunSimulationSteps(const TRunFileNames& names, bool batch, TRunState& rs) {
    EngineHost& host = *rs.host;
    MessageSink& sink = host.sink();
    RunRelease release(rs);
    rs.options = rs.globals->Options;
    rs.batch = batch;
    rs.files = WithCompanionInputs(names);
    const TRunFileNames& f = rs.files;

    ResetRunTotals(rs);
    if (RefuseOutputThatIsAnInput(rs)) return;

    if (InelasticModelSelected(rs.options) && !ReadInelasticFile(f.inelastic, rs)) {
        sink.error("Error in inelastic losses parameters.");
        Log(rs, "  Error in inelastic file data - run aborted.", colour::Red);
        return;
    }

    rs.N = CountTargetLines(f.target, sink);
    if (rs.N < 1) {
        sink.error("No data in Target file or file access error: aborting.");
        Log(rs, "  No data in Target file or file access error: aborted", colour::Red);
        return;
    }
    if (!CheckTargetAtoms(f.target, rs.N, host)) return;

    if (ReadProjectileFile(f.projectile, rs.projectile, host) != 0) return;
    if (ReadRunFile(f.run, rs) != 0) return;
    if (!CompileOutputFilter(rs)) return;

    // The model file is read at the first impact, but the report shows its termination test,
    // and its values are checked before anything is allocated.
    TModelParameters ahead;
    const bool modelRead = ReadModelFileAhead(f.model, ahead);
    if (modelRead && !CheckModelValues(ahead, rs.options, f.model, host)) return;
    rs.model.TestProjectileOnly = modelRead ? ahead.TestProjectileOnly : 0;
    if (ReportRunParameters(rs.projectile.Z, rs.projectile.Name, rs.N, rs.projectile.Energy,
                            rs.projectile.Mass, rs) != 0) {
        ReportRunRefused(host);
        return;
    }

    if (!rs.impactFile.open(f.impact)) {
        Log(rs, "  File not found: " + f.impact, colour::Red);
        return;
    }
    if (!CheckImpactFile(rs.impactFile, f.impact, host)) return;

    // The first impact's set-up reads the target and the model and asks the start's questions:
    // a No or an error there must leave the last run's outputs as they were.
    AllocateRun(rs);
    if (!SetUpFirstImpact(rs)) return;

    // Every input is checked and every question answered: only now are outputs begun.
    if (!CreateRunOutputs(rs)) return;

    host.idle();
    RunImpacts(rs);
    FinishRunOutputs(rs);
    ReleaseRun(rs);

    ReportFilterErrors(host, rs.outputFilter);
    ReportCumulativeEnergyError(rs);
}

void RunSimulation(const std::string& projectileFile, const std::string& targetFile,
                   const std::string& modelFile, const std::string& runFile,
                   const std::string& impactFile, const std::string& inelasticFile,
                   const std::string& initialConditionsFile, const std::string& dynamicsFile,
                   const std::string& inelasticEventsFile, bool batch, EngineGlobals& globals,
                   EngineHost& host) {
    TRunState rs;
    rs.host = &host;
    rs.globals = &globals;
    RunSimulationSteps({projectileFile, targetFile, modelFile, runFile, impactFile, inelasticFile,
                        initialConditionsFile, dynamicsFile, inelasticEventsFile},
                       batch, rs);
}

}  // namespace halvern
