#include "run/Trajectory.h"

#include <cmath>
#include <string>
#include <utility>

#include "Colours.h"
#include "dynamics/InelasticModels.h"
#include "run/RunInelastic.h"
#include "dynamics/Integrators.h"
#include "dynamics/PartnerLists.h"
#include "miscutil.h"
#include "run/EnergyBalance.h"
#include "run/RunState.h"

namespace halvern {

namespace {

constexpr double kEvPerJoule = 6.241449214576031e18;

double Speed(const TParticleArrays& p, int32_t i) {
    return std::sqrt(p.vx[i] * p.vx[i] + p.vy[i] * p.vy[i] + p.vz[i] * p.vz[i]);
}

bool AnyEventModel(const TSimulationOptions& o) {
    return o.OenRobinsonModel || o.ShapiroTombrelloModel;
}

// Sizes the trajectory's working storage at its first use; empties the event rows at every
// trajectory, so that no flag of an earlier trajectory suppresses a later event.
void PrepareStorage(const TRunShared& run, TTrajectoryState& tj) {
    const int32_t n = run.N + 1;
    const int32_t slots = tj.partners.slots;
    if (run.options.BruteForceSearch == 0 && tj.cellGrid.head.empty())
        AllocateCellGrid(tj.cellGrid, run.N);
    if (run.options.Algorithm == 0 && (tj.hgeCache.rows != n || tj.hgeCache.slots != slots))
        AllocateHgeForceCache(tj.hgeCache, n, slots);
    TInelasticState& in = tj.inelastic;
    if (run.options.OenRobinsonModel && (in.orRows.rows != n || in.orRows.slots != slots))
        AllocateEventRows(in.orRows, n, slots);
    if (run.options.ShapiroTombrelloModel && (in.stRows.rows != n || in.stRows.slots != slots))
        AllocateEventRows(in.stRows, n, slots);
    ClearEventRows(in.orRows);
    ClearEventRows(in.stRows);
}

void RebuildPartnerLists(TTrajectory& tr, const TRunShared& run, TTrajectoryState& tj) {
    TRebuildContext ctx{HostOf(run, tj), tj.graphFrame, tr.stepCount,
                        tr.t,            tr.result,     tj.largestPartners};
    const TPartnerSearch search{tr.PartnerRadiusSquared, run.run.PartnerLimit,
                                run.options.IgnoreTargetForces != 0};
    if (run.options.BruteForceSearch == 0)
        BuildPartnerListsBox(run.N, tj.particles, tj.partners, tj.cellGrid, search, ctx);
    else
        BuildPartnerListsBrute(run.N, tj.particles, tj.partners, tj.cellList, search, ctx);
}

void IntegratorStep(TTrajectory& tr, const TRunShared& run, TTrajectoryState& tj,
                    UniformRandom* random) {
    const TForceField f = ForceFieldOf(run, tj);
    TParticleArrays& p = tj.particles;
    switch (run.options.Algorithm) {
        case 0:
            HgeStep(run.N, tr.dt, p, tj.partners, f, tj.hgeCache);
            break;
        case 1:
            TwoStepStep(run.N, tr.dt, tr.TimestepRatio, p, tj.partners, f);
            break;
        case 2:
            BeemanStep(run.N, tr.dt, p, tj.partners, f);
            break;
        default: {
            const TSimulationOptions& o = run.options;
            InelasticPasses passes;
            if (o.LssModel || AnyEventModel(o))
                passes = [&run, &tj, &tr, random](int32_t N, double dt) {
                    ApplyInelasticModels(run, tj, random, tr.extent, N, dt);
                };
            VerletStepWithEvents(run.N, tr.dt, p, tj.partners, f, passes);
            break;
        }
    }
}

void WriteRecords(const TRunShared& run, TTrajectoryState& tj, double t) {
    const TRecordTargets& to = tj.records;
    if (!run.OutputWriter) return;
    if (to.pending ? !to.dynamicsOpen : !to.dynamics || !to.dynamics->isOpen()) return;
    TRecordOutput out{to.dynamics, to.filter, to.pending, PendingStream::Dynamics};
    WriteRecordPass(out, run.OutputWriter, tj.particles, tj.RunCount, t);
}

void WriteInitialRecords(TTrajectoryState& tj) {
    const TRecordTargets& to = tj.records;
    if (!to.pending && !to.initialConditions) return;
    std::string records = InitialConditionRecords(tj.particles, tj.RunCount);
    if (to.pending)
        to.pending->append(PendingStream::InitialConditions, records);
    else
        *to.initialConditions = std::move(records);
}

void ReportTermination(const TTrajectory& tr, const TRunShared& run, TTrajectoryState& tj) {
    const TParticleArrays& p = tj.particles;
    HostOf(run, tj).sink().beep();
    Log(run, tj, "                 * TERMINATED *", colour::Blue);
    tj.report->partnersLine(tj.largestPartners);
    const double v0 = Speed(p, 0);
    const std::string ke0 = RealToText8(0.5 * p.mass[0] * v0 * v0 * kEvPerJoule);
    const bool inside = InLatticeZone(tr.extent, p.x[0], p.y[0], p.z[0]) && v0 >= tr.vFast;
    Log(run, tj,
        std::string(inside ? "  Projectile energy (inside lattice zone) fell to "
                           : "  Projectile energy (outside lattice zone) fell to ") +
            ke0 + " eV",
        colour::Blue);
    Log(run, tj,
        "  At last check, KE of fastest particle inside lattice zone was " +
            RealToText8(0.5 * p.mass[tr.fastIndex] * tr.vFast * tr.vFast * kEvPerJoule) +
            " eV (for particle #" + IntToText(tr.fastIndex) + ")",
        colour::Blue);
    Log(run, tj, "  No. of timesteps executed = " + IntToText(tr.stepCount), colour::Black);
    Log(run, tj, "  Timestep at termination = " + RealToText8(tr.dt * 1e15) + " fs",
        colour::Black);
}

void EndTrajectory(TTrajectory& tr, const TRunShared& run, TTrajectoryState& tj) {
    EngineHost& host = HostOf(run, tj);
    tj.graphFrame.t = static_cast<float>(tr.t);
    host.graphFrame(tj.graphFrame);
    host.pumpEvents();
    if (run.options.Verbose) ReportTermination(tr, run, tj);
    Log(run, tj, "  Time elapsed = " + RealToTextDigits(tr.t * 1e15, 2) + " fs.", colour::Blue);
    if (run.options.ReportEnergy) {
        const double E1 = SystemEnergy(run, tj, tr.extent, true);
        tj.report->balanceLines(
            TBalance{tr.E0, E1, tr.barrier1 + tr.barrier2, LossesOf(tj.inelastic)});
    }
    if (run.options.ReportInelastic) tj.report->lossLines(LossesOf(tj.inelastic));
    Log(run, tj, " ", colour::Black);
    if (run.run.SampleMode & 1) WriteRecords(run, tj, tr.t);
}

// The barrier on one axis of the second surface barrier.
void CrossSlab(double lo, double hi, double c, double& v, double m, double U2, TTrajectory& tr,
               uint8_t& flags) {
    if (!LeavingSlab(lo, hi, v, c)) return;
    const double ke = 0.5 * m * v * v;
    if (ke > U2) {
        v = SignOf(v) * std::sqrt(2 / m * (ke - U2));
        tr.barrier2 += U2;
        flags |= 8;
    } else {
        v = -v;
    }
}

}  // namespace

void WarnOfHighTerminationEnergy(const TRunShared& run, const TTrajectoryState& tj) {
    const TParticleArrays& p = tj.particles;
    const double m0 = p.mass[0], m1 = p.mass[1];
    const double vp = Speed(p, 0);
    const double ke0 = 0.5 * m0 * vp * vp;
    if (2 * ke0 * m0 * m1 / ((m0 + m1) * (m0 + m1)) < run.model.TerminationEnergy)
        run.host->sink().warning(
            "Termination energy is too high to ensure satisfactory handling of direct impact "
            "collisions (see Help). Recommend you abort.");
}

TForceField ForceFieldOf(const TRunShared& run, const TTrajectoryState& tj) {
    return TForceField{&run.potentials, tj.particles.Z.data(), tj.particles.flags.data(),
                       run.options.SelfBombardment != 0};
}

TForceField ForceFieldOf(const TRunState& rs) {
    return ForceFieldOf(rs, rs);
}

TTrajectory StartTrajectory(const TTargetExtent& extent, double initialTimestep,
                            const TRunShared& run, const TTrajectoryState& tj) {
    TTrajectory tr;
    const double vp = Speed(tj.particles, 0);
    const int32_t K = run.run.RebuildInterval;
    tr.dt = initialTimestep;
    tr.stepsSinceRebuild = K;
    tr.vFast = vp;
    tr.testSpeed = vp;
    tr.dx = vp * tr.dt;
    tr.PartnerRadius = vp * tr.dt * (K - 1) + run.potentials.Rc;
    tr.PartnerRadiusSquared = tr.PartnerRadius * tr.PartnerRadius;
    tr.extent = extent;
    tr.SurfacePlane = extent.zMax - tj.ImpactHeight * 1e-10;
    return tr;
}

void UpdatePartnerRadius(TTrajectory& tr, const TRunShared& run) {
    const int32_t K = run.run.RebuildInterval;
    tr.PartnerRadius =
        tr.PartnerRadius * 2 / 3 + (0.7 * tr.vFast * tr.dt * (K - 1) + run.potentials.Rc) / 3;
    tr.PartnerRadiusSquared = tr.PartnerRadius * tr.PartnerRadius;
}

void AdaptTimestep(TTrajectory& tr, const TRunShared& run, const TTrajectoryState& tj) {
    const TParticleArrays& p = tj.particles;
    const double dx = p.x[0] - p.x[1], dy = p.y[0] - p.y[1], dz = p.z[0] - p.z[1];
    if (dx * dx + dy * dy + dz * dz < 2.25e-20) return;  // projectile within 1.5 A of atom 1
    double fastest = -1;
    int32_t index = -1;
    bool anyPartners = false;
    for (int32_t i = 0; i <= run.N; ++i) {
        if (tj.partners.row(i)[0] != kEndOfRow) anyPartners = true;
        if (!InLatticeZone(tr.extent, p.x[i], p.y[i], p.z[i])) continue;
        const double v = Speed(p, i);
        if (v > fastest) {
            fastest = v;
            index = i;
        }
    }
    // Nothing moving inside the zone gives no step length to aim at.
    if (index < 0 || !anyPartners || !(fastest > 0)) return;
    tr.vFast = fastest;
    tr.fastIndex = index;
    tr.dt = (2 * tr.dt + tr.dx / tr.vFast) / 3;
    if (run.model.TestProjectileOnly == 1) {
        tr.testIndex = 0;
        tr.testSpeed = InLatticeZone(tr.extent, p.x[0], p.y[0], p.z[0]) ? Speed(p, 0) : 0;
    } else {
        tr.testSpeed = tr.vFast;
        tr.testIndex = tr.fastIndex;
    }
}

bool TrajectoryFinished(const TTrajectory& tr, const TRunShared& run, const TTrajectoryState& tj) {
    const bool stop = HostOf(run, tj).flags().StopTrajectory != 0;
    if (tr.t < run.run.TMin && !stop) return false;
    if (tr.t >= run.run.TMax) return true;
    const double ke = 0.5 * tj.particles.mass[tr.testIndex] * tr.testSpeed * tr.testSpeed;
    return !(ke > run.model.TerminationEnergy && !stop);
}

void UpdateOrEventRows(const TTrajectory& tr, const TRunShared& run, TTrajectoryState& tj) {
    const double reach = std::sqrt(tj.inelastic.params.OrEventRange) +
                         tr.vFast * tr.dt * (run.run.RebuildInterval - 1);
    UpdateEventRows(tj.inelastic.orRows, tj.partners, tj.particles, run.N, reach * reach);
}

void UpdateStEventRows(const TTrajectory& tr, const TRunShared& run, TTrajectoryState& tj) {
    const double reach = std::sqrt(tj.inelastic.params.StEventRange) +
                         tr.vFast * tr.dt * (run.run.RebuildInterval - 1);
    UpdateEventRows(tj.inelastic.stRows, tj.partners, tj.particles, run.N, reach * reach);
}

void ApplyFirstBarrier(TTrajectory& tr, const TRunShared& run, TTrajectoryState& tj) {
    const double U1 = run.model.SurfaceBinding;
    TParticleArrays& p = tj.particles;
    for (int32_t i = 0; i <= run.N; ++i) {
        if ((p.flags[i] & 1) || !AboveSurfacePlane(p.vz[i], p.z[i], tr.SurfacePlane)) continue;
        const double m = p.mass[i];
        const double ke = 0.5 * m * p.vz[i] * p.vz[i];
        if (ke > U1) {
            p.vz[i] = std::sqrt(2 / m * (ke - U1));
            tr.barrier1 += U1;
            p.flags[i] |= 1;
        } else {
            p.vz[i] = -p.vz[i];  // reflected; it may meet the barrier again
        }
    }
}

void ApplySecondBarrier(TTrajectory& tr, const TRunShared& run, TTrajectoryState& tj) {
    const double U2 = run.model.BulkBinding;
    TParticleArrays& p = tj.particles;
    const TTargetExtent& e = tr.extent;
    for (int32_t i = 0; i <= run.N; ++i) {
        if (p.flags[i] & 8) continue;  // read once for both axes
        CrossSlab(e.xMin, e.xMax, p.x[i], p.vx[i], p.mass[i], U2, tr, p.flags[i]);
        CrossSlab(e.yMin, e.yMax, p.y[i], p.vy[i], p.mass[i], U2, tr, p.flags[i]);
    }
}

bool RunTrajectory(const TRunShared& run, TTrajectoryState& tj, UniformRandom* random,
                   double initialTimestep) {
    EngineHost& host = HostOf(run, tj);
    const TSimulationOptions& o = run.options;
    if (o.Verbose) Log(run, tj, "                  * INITIALISED *  ", colour::Blue);
    TInelasticState& in = tj.inelastic;
    in.lssLoss = in.orLoss = in.stLoss = 0;
    tj.largestPartners = 0;
    host.flags().StopTrajectory = 0;
    PrepareStorage(run, tj);
    if (tj.records.dynamics) tj.records.dynamics->reportTo(&host);
    if (tj.records.events) tj.records.events->reportTo(&host);
    TTrajectory tr = StartTrajectory(tj.targetExtent, initialTimestep, run, tj);

    tr.E0 = SystemEnergy(run, tj, tr.extent, false);
    // A sampling interval of 0 means no periodic and no initial-conditions records, in every
    // trajectory of the run.
    const int32_t interval = run.run.SampleInterval;
    if (interval != 0 && o.RecordInitial) WriteInitialRecords(tj);

    const int32_t K = run.run.RebuildInterval;
    for (;;) {
        if (tr.stepsSinceRebuild == K) {
            UpdatePartnerRadius(tr, run);
            RebuildPartnerLists(tr, run, tj);
            if (o.OenRobinsonModel) UpdateOrEventRows(tr, run, tj);
            if (o.ShapiroTombrelloModel) UpdateStEventRows(tr, run, tj);
            tr.stepsSinceRebuild = 1;
            if (host.flags().StopTrajectory) break;
        } else {
            ++tr.stepsSinceRebuild;
        }
        if (tr.stepCount == 0 && o.Algorithm != 0)
            VerletStart(run.N, tj.particles, tj.partners, ForceFieldOf(run, tj));
        IntegratorStep(tr, run, tj, random);
        tr.t += tr.dt;
        ++tr.stepCount;
        if ((run.run.SampleMode == 2 || run.run.SampleMode == 3) && interval != 0 &&
            tr.stepCount % interval == 0)
            WriteRecords(run, tj, tr.t);
        if (!o.FixedTimestep) {
            if (o.Algorithm == 1) {
                tr.TimestepRatio = 1 / tr.dt;
                AdaptTimestep(tr, run, tj);
                tr.TimestepRatio *= tr.dt;
            } else if (tr.stepCount % 3 == 0) {
                AdaptTimestep(tr, run, tj);
            }
        }
        if (run.model.SurfaceBinding != 0) ApplyFirstBarrier(tr, run, tj);
        if (run.model.BulkBinding != 0) ApplySecondBarrier(tr, run, tj);
        if (TrajectoryFinished(tr, run, tj)) break;
    }

    EndTrajectory(tr, run, tj);
    return tr.result;
}

bool RunTrajectory(const TTargetExtent& extent, int32_t N, double initialTimestep, TRunState& rs) {
    rs.N = N;
    rs.targetExtent = extent;
    rs.channel = nullptr;
    DirectReport direct(*rs.host, rs);
    rs.report = &direct;
    TargetRunFiles(rs);
    const bool result = RunTrajectory(rs, rs, &rs.random, initialTimestep);
    rs.report = nullptr;
    return result;
}

TTrajectory StartTrajectory(const TTargetExtent& extent, double initialTimestep,
                            const TRunState& rs) {
    return StartTrajectory(extent, initialTimestep, rs, rs);
}

void AdaptTimestep(TTrajectory& tr, const TRunState& rs) {
    AdaptTimestep(tr, rs, rs);
}

bool TrajectoryFinished(const TTrajectory& tr, const TRunState& rs) {
    return TrajectoryFinished(tr, rs, rs);
}

void ApplyFirstBarrier(TTrajectory& tr, TRunState& rs) {
    ApplyFirstBarrier(tr, rs, rs);
}

void ApplySecondBarrier(TTrajectory& tr, TRunState& rs) {
    ApplySecondBarrier(tr, rs, rs);
}

}  // namespace halvern
