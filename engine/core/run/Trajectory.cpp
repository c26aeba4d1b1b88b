#include "run/Trajectory.h"

#include <cmath>

#include "Colours.h"
#include "dynamics/InelasticModels.h"
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

// Sizes the run's working storage at its first trajectory; empties the event rows at every
// trajectory, so that no flag of an earlier trajectory suppresses a later event.
void PrepareStorage(TRunState& rs) {
    const int32_t n = rs.N + 1;
    const int32_t slots = rs.partners.slots;
    if (rs.options.BruteForceSearch == 0 && rs.cellGrid.head.empty())
        AllocateCellGrid(rs.cellGrid, rs.N);
    if (rs.options.Algorithm == 0 && (rs.hgeCache.rows != n || rs.hgeCache.slots != slots))
        AllocateHgeForceCache(rs.hgeCache, n, slots);
    TInelasticState& in = rs.inelastic;
    if (rs.options.OenRobinsonModel && (in.orRows.rows != n || in.orRows.slots != slots))
        AllocateEventRows(in.orRows, n, slots);
    if (rs.options.ShapiroTombrelloModel && (in.stRows.rows != n || in.stRows.slots != slots))
        AllocateEventRows(in.stRows, n, slots);
    ClearEventRows(in.orRows);
    ClearEventRows(in.stRows);
}

void RebuildPartnerLists(TTrajectory& tr, TRunState& rs) {
    TRebuildContext ctx{*rs.host, rs.graphFrame, tr.stepCount,
                        tr.t,     tr.result,     rs.LargestPartnerCount};
    const TPartnerSearch search{tr.PartnerRadiusSquared, rs.run.PartnerLimit,
                                rs.options.IgnoreTargetForces != 0};
    if (rs.options.BruteForceSearch == 0)
        BuildPartnerListsBox(rs.N, rs.particles, rs.partners, rs.cellGrid, search, ctx);
    else
        BuildPartnerListsBrute(rs.N, rs.particles, rs.partners, rs.cellList, search, ctx);
}

void IntegratorStep(TTrajectory& tr, TRunState& rs) {
    const TForceField f = ForceFieldOf(rs);
    TParticleArrays& p = rs.particles;
    switch (rs.options.Algorithm) {
        case 0:
            HgeStep(rs.N, tr.dt, p, rs.partners, f, rs.hgeCache);
            break;
        case 1:
            TwoStepStep(rs.N, tr.dt, tr.TimestepRatio, p, rs.partners, f);
            break;
        case 2:
            BeemanStep(rs.N, tr.dt, p, rs.partners, f);
            break;
        default: {
            const TSimulationOptions& o = rs.options;
            InelasticPasses passes;
            if (o.LssModel || AnyEventModel(o))
                passes = [&rs, &tr](int32_t N, double dt) {
                    ApplyInelasticModels(rs, tr.extent, N, dt);
                };
            VerletStepWithEvents(rs.N, tr.dt, p, rs.partners, f, passes);
            break;
        }
    }
}

void WriteRecords(TRunState& rs, double t) {
    if (!rs.OutputWriter || !rs.dynamicsFile.isOpen()) return;
    TRecordOutput out{&rs.dynamicsFile, &rs.outputFilter};
    WriteRecordPass(out, rs.OutputWriter, rs.particles, rs.RunCount, t);
}

void WarnOfHighTerminationEnergy(TRunState& rs) {
    const TParticleArrays& p = rs.particles;
    const double m0 = p.mass[0], m1 = p.mass[1];
    const double vp = Speed(p, 0);
    const double ke0 = 0.5 * m0 * vp * vp;
    if (2 * ke0 * m0 * m1 / ((m0 + m1) * (m0 + m1)) < rs.model.TerminationEnergy)
        rs.host->sink().warning(
            "Termination energy is too high to ensure satisfactory handling of direct impact "
            "collisions (see Help). Recommend you abort.");
}

void ReportTermination(const TTrajectory& tr, TRunState& rs) {
    const TParticleArrays& p = rs.particles;
    rs.host->sink().beep();
    Log(rs, "                 * TERMINATED *", colour::Blue);
    Log(rs,
        "  Maximum no. of collision partners required was: " + IntToText(rs.LargestPartnerCount),
        colour::Black);
    const double v0 = Speed(p, 0);
    const std::string ke0 = RealToText8(0.5 * p.mass[0] * v0 * v0 * kEvPerJoule);
    const bool inside = InLatticeZone(tr.extent, p.x[0], p.y[0], p.z[0]) && v0 >= tr.vFast;
    Log(rs,
        std::string(inside ? "  Projectile energy (inside lattice zone) fell to "
                           : "  Projectile energy (outside lattice zone) fell to ") +
            ke0 + " eV",
        colour::Blue);
    Log(rs,
        "  At last check, KE of fastest particle inside lattice zone was " +
            RealToText8(0.5 * p.mass[tr.fastIndex] * tr.vFast * tr.vFast * kEvPerJoule) +
            " eV (for particle #" + IntToText(tr.fastIndex) + ")",
        colour::Blue);
    Log(rs, "  No. of timesteps executed = " + IntToText(tr.stepCount), colour::Black);
    Log(rs, "  Timestep at termination = " + RealToText8(tr.dt * 1e15) + " fs", colour::Black);
}

void EndTrajectory(TTrajectory& tr, TRunState& rs) {
    EngineHost& host = *rs.host;
    rs.graphFrame.t = static_cast<float>(tr.t);
    host.graphFrame(rs.graphFrame);
    host.pumpEvents();
    if (rs.options.Verbose) ReportTermination(tr, rs);
    Log(rs, "  Time elapsed = " + RealToTextDigits(tr.t * 1e15, 2) + " fs.", colour::Blue);
    if (rs.options.ReportEnergy) {
        const double E1 = SystemEnergy(rs, tr.extent, true);
        ReportEnergyBalance(rs, tr.E0, E1, tr.barrier1 + tr.barrier2);
    }
    if (rs.options.ReportInelastic) ReportInelasticLosses(rs);
    Log(rs, " ", colour::Black);
    if (rs.run.SampleMode & 1) WriteRecords(rs, tr.t);
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

TForceField ForceFieldOf(const TRunState& rs) {
    return TForceField{&rs.potentials, rs.particles.Z.data(), rs.particles.flags.data(),
                       rs.options.SelfBombardment != 0};
}

TTrajectory StartTrajectory(const TTargetExtent& extent, double initialTimestep,
                            const TRunState& rs) {
    TTrajectory tr;
    const double vp = Speed(rs.particles, 0);
    const int32_t K = rs.run.RebuildInterval;
    tr.dt = initialTimestep;
    tr.stepsSinceRebuild = K;
    tr.vFast = vp;
    tr.testSpeed = vp;
    tr.dx = vp * tr.dt;
    tr.PartnerRadius = vp * tr.dt * (K - 1) + rs.potentials.Rc;
    tr.PartnerRadiusSquared = tr.PartnerRadius * tr.PartnerRadius;
    tr.extent = extent;
    tr.SurfacePlane = extent.zMax - rs.ImpactHeight * 1e-10;
    return tr;
}

void UpdatePartnerRadius(TTrajectory& tr, const TRunState& rs) {
    const int32_t K = rs.run.RebuildInterval;
    tr.PartnerRadius =
        tr.PartnerRadius * 2 / 3 + (0.7 * tr.vFast * tr.dt * (K - 1) + rs.potentials.Rc) / 3;
    tr.PartnerRadiusSquared = tr.PartnerRadius * tr.PartnerRadius;
}

void AdaptTimestep(TTrajectory& tr, const TRunState& rs) {
    const TParticleArrays& p = rs.particles;
    const double dx = p.x[0] - p.x[1], dy = p.y[0] - p.y[1], dz = p.z[0] - p.z[1];
    if (dx * dx + dy * dy + dz * dz < 2.25e-20) return;  // projectile within 1.5 A of atom 1
    double fastest = -1;
    int32_t index = -1;
    bool anyPartners = false;
    for (int32_t i = 0; i <= rs.N; ++i) {
        if (rs.partners.row(i)[0] != kEndOfRow) anyPartners = true;
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
    if (rs.model.TestProjectileOnly == 1) {
        tr.testIndex = 0;
        tr.testSpeed = InLatticeZone(tr.extent, p.x[0], p.y[0], p.z[0]) ? Speed(p, 0) : 0;
    } else {
        tr.testSpeed = tr.vFast;
        tr.testIndex = tr.fastIndex;
    }
}

bool TrajectoryFinished(const TTrajectory& tr, const TRunState& rs) {
    const bool stop = rs.host->flags().StopTrajectory != 0;
    if (tr.t < rs.run.TMin && !stop) return false;
    if (tr.t >= rs.run.TMax) return true;
    const double ke = 0.5 * rs.particles.mass[tr.testIndex] * tr.testSpeed * tr.testSpeed;
    return !(ke > rs.model.TerminationEnergy && !stop);
}

void UpdateOrEventRows(const TTrajectory& tr, TRunState& rs) {
    const double reach = std::sqrt(rs.inelastic.params.OrEventRange) +
                         tr.vFast * tr.dt * (rs.run.RebuildInterval - 1);
    UpdateEventRows(rs.inelastic.orRows, rs.partners, rs.particles, rs.N, reach * reach);
}

void UpdateStEventRows(const TTrajectory& tr, TRunState& rs) {
    const double reach = std::sqrt(rs.inelastic.params.StEventRange) +
                         tr.vFast * tr.dt * (rs.run.RebuildInterval - 1);
    UpdateEventRows(rs.inelastic.stRows, rs.partners, rs.particles, rs.N, reach * reach);
}

void ApplyFirstBarrier(TTrajectory& tr, TRunState& rs) {
    const double U1 = rs.model.SurfaceBinding;
    TParticleArrays& p = rs.particles;
    for (int32_t i = 0; i <= rs.N; ++i) {
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

void ApplySecondBarrier(TTrajectory& tr, TRunState& rs) {
    const double U2 = rs.model.BulkBinding;
    TParticleArrays& p = rs.particles;
    const TTargetExtent& e = tr.extent;
    for (int32_t i = 0; i <= rs.N; ++i) {
        if (p.flags[i] & 8) continue;  // read once for both axes
        CrossSlab(e.xMin, e.xMax, p.x[i], p.vx[i], p.mass[i], U2, tr, p.flags[i]);
        CrossSlab(e.yMin, e.yMax, p.y[i], p.vy[i], p.mass[i], U2, tr, p.flags[i]);
    }
}

bool RunTrajectory(const TTargetExtent& extent, int32_t N, double initialTimestep, TRunState& rs) {
    EngineHost& host = *rs.host;
    const TSimulationOptions& o = rs.options;
    rs.N = N;
    if (o.Verbose) Log(rs, "                  * INITIALISED *  ", colour::Blue);
    TInelasticState& in = rs.inelastic;
    in.lssLoss = in.orLoss = in.stLoss = 0;
    host.flags().StopTrajectory = 0;
    PrepareStorage(rs);
    rs.dynamicsFile.reportTo(rs.host);
    rs.inelasticEventsFile.reportTo(rs.host);
    TTrajectory tr = StartTrajectory(extent, initialTimestep, rs);

    if (rs.RunCount == 1) WarnOfHighTerminationEnergy(rs);
    tr.E0 = SystemEnergy(rs, tr.extent, false);
    // A sampling interval of 0 means no periodic and no initial-conditions records, in every
    // trajectory of the run.
    const int32_t interval = rs.run.SampleInterval;
    if (interval != 0 && o.RecordInitial)
        WriteInitialConditions(rs.files.initialConditions, rs.particles, rs.RunCount, host);

    const int32_t K = rs.run.RebuildInterval;
    for (;;) {
        if (tr.stepsSinceRebuild == K) {
            UpdatePartnerRadius(tr, rs);
            RebuildPartnerLists(tr, rs);
            if (o.OenRobinsonModel) UpdateOrEventRows(tr, rs);
            if (o.ShapiroTombrelloModel) UpdateStEventRows(tr, rs);
            tr.stepsSinceRebuild = 1;
            if (host.flags().StopTrajectory) break;
        } else {
            ++tr.stepsSinceRebuild;
        }
        if (tr.stepCount == 0 && o.Algorithm != 0)
            VerletStart(rs.N, rs.particles, rs.partners, ForceFieldOf(rs));
        IntegratorStep(tr, rs);
        tr.t += tr.dt;
        ++tr.stepCount;
        if ((rs.run.SampleMode == 2 || rs.run.SampleMode == 3) && interval != 0 &&
            tr.stepCount % interval == 0)
            WriteRecords(rs, tr.t);
        if (!o.FixedTimestep) {
            if (o.Algorithm == 1) {
                tr.TimestepRatio = 1 / tr.dt;
                AdaptTimestep(tr, rs);
                tr.TimestepRatio *= tr.dt;
            } else if (tr.stepCount % 3 == 0) {
                AdaptTimestep(tr, rs);
            }
        }
        if (rs.model.SurfaceBinding != 0) ApplyFirstBarrier(tr, rs);
        if (rs.model.BulkBinding != 0) ApplySecondBarrier(tr, rs);
        if (TrajectoryFinished(tr, rs)) break;
    }

    EndTrajectory(tr, rs);
    return tr.result;
}

}  // namespace halvern
