// The trajectory loop's parts on a small crystallite: the rebuild schedule, the sample modes,
// the two surface barriers, the termination test and the adaptive time step.
#include "run/Trajectory.h"

#include <gtest/gtest.h>

#include <set>

#include "EngineTestRuns.h"

namespace halvern::test {
namespace {

constexpr double kDt = 7e-17;

// A small crystallite whose trajectories end after `tMax` at a fixed step.
struct FixedStepRun : CuCrystal {
    explicit FixedStepRun(double tMax = 20.5 * kDt) : CuCrystal(2, 3) {
        rs.options.FixedTimestep = 1;
        rs.options.ReportEnergy = 0;
        rs.options.ReportInelastic = 0;
        rs.run.TMin = rs.run.TMax = tMax;
        rs.OutputWriter = SelectOutputWriter(0);
    }
};

TEST(Trajectory, PartnerListsAreRebuiltEveryKSteps) {
    FixedStepRun run(35.5 * kDt);
    EXPECT_TRUE(RunTrajectory(run.rs.targetExtent, run.rs.N, kDt, run.rs));
    EXPECT_EQ(run.host.stepCounts, (std::vector<int32_t>{0, 10, 20, 30}));
    EXPECT_EQ(run.host.pumps, 5);  // four rebuilds and the end of the trajectory
}

TEST(Trajectory, SampleModesWritePeriodicallyAndAtTheEnd) {
    const struct {
        uint16_t mode, interval;
        size_t passes;  // output passes of a 21-step trajectory
        bool final;
    } cases[] = {{3, 1, 22, true}, {1, 1, 1, true}, {2, 5, 4, false}, {3, 0, 1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + " " + std::to_string(c.interval));
        FixedStepRun run;
        TRunState& rs = run.rs;
        ScratchFolder folder("traj");
        rs.run.SampleMode = c.mode;
        rs.run.SampleInterval = c.interval;
        rs.files.initialConditions = folder.file("inivars.osl");
        rs.options.RecordInitial = 1;
        ASSERT_TRUE(rs.dynamicsFile.create(folder.file("dynvars.osl")));
        EXPECT_TRUE(RunTrajectory(rs.targetExtent, rs.N, kDt, rs));
        rs.dynamicsFile.commit();
        const auto records = ReadRecords(folder.file("dynvars.osl"));
        ASSERT_EQ(records.size(), c.passes * (rs.N + 1));
        std::set<float> times;
        for (const TOslRecord& r : records) times.insert(r.ti);
        EXPECT_EQ(times.size(), c.final && c.passes > 1 ? c.passes - 1 : c.passes);
        EXPECT_EQ(records.back().rw, rs.N);
        EXPECT_EQ(records.back().rn, 1);
        // A sampling interval of 0 writes no initial conditions either.
        EXPECT_EQ(rs.initialConditions.size(), c.interval != 0 ? (rs.N + 1) * kOslRecordSize : 0u);
    }
}

TEST(Trajectory, FirstBarrierReflectsSlowParticlesAndTakesU1FromFastOnes) {
    CuCrystal run(1, 2);
    TRunState& rs = run.rs;
    TParticleArrays& p = rs.particles;
    const double U1 = 3 * kEv;
    rs.model.SurfaceBinding = U1;
    TTrajectory tr = StartTrajectory(rs.targetExtent, kDt, rs);
    auto v = [m = p.mass[1]](double ev) { return std::sqrt(2 * ev * kEv / m); };
    for (int32_t i = 0; i <= rs.N; ++i) p.vz[i] = 0;
    p.z[1] = p.z[2] = tr.SurfacePlane + 1e-11;
    p.z[3] = tr.SurfacePlane - 1e-11;
    p.vz[1] = v(2);  // below U1: reflected
    p.vz[2] = v(5);  // above: slowed to 2 eV
    p.vz[3] = v(5);  // below the plane: untouched
    ApplyFirstBarrier(tr, rs);
    EXPECT_DOUBLE_EQ(p.vz[1], -v(2));
    EXPECT_EQ(p.flags[1] & 1, 0);
    EXPECT_NEAR(p.vz[2], v(2), 1e-9 * v(2));
    EXPECT_EQ(p.flags[2] & 1, 1);
    EXPECT_DOUBLE_EQ(p.vz[3], v(5));
    EXPECT_DOUBLE_EQ(tr.barrier1, U1);
    ApplyFirstBarrier(tr, rs);  // a particle that crossed once is free
    EXPECT_DOUBLE_EQ(tr.barrier1, U1);
}

TEST(Trajectory, SecondBarrierActsOnTheSideFacesOnce) {
    CuCrystal run(1, 2);
    TRunState& rs = run.rs;
    TParticleArrays& p = rs.particles;
    const double U2 = 1 * kEv;
    TTrajectory tr = StartTrajectory(rs.targetExtent, kDt, rs);
    rs.model.BulkBinding = U2;
    auto v = [m = p.mass[1]](double ev) { return std::sqrt(2 * ev * kEv / m); };
    p.x[1] = tr.extent.xMin - 1e-11;
    p.vx[1] = -v(4);  // leaves through x min: keeps its direction, 3 eV left
    p.y[1] = tr.extent.yMax + 1e-11;
    p.vy[1] = v(0.5);  // and through y max too slowly: reflected
    ApplySecondBarrier(tr, rs);
    EXPECT_NEAR(p.vx[1], -v(3), 1e-9 * v(3));
    EXPECT_DOUBLE_EQ(p.vy[1], -v(0.5));
    EXPECT_EQ(p.flags[1] & 8, 8);
    EXPECT_DOUBLE_EQ(tr.barrier2, U2);
}

TEST(Trajectory, TerminationTest) {
    CuCrystal run(1, 2);
    TTrajectory tr = StartTrajectory(run.rs.targetExtent, kDt, run.rs);
    const double vSlow = std::sqrt(2 * 1.0 * kEv / run.rs.particles.mass[0]);
    const struct {
        double t;
        double testSpeed;
        bool stop;
        bool finished;
    } cases[] = {
        {5e-15, vSlow, false, false},  // before t_min
        {5e-15, vSlow, true, true},    // stopped before t_min, and slow
        {5e-15, 1e5, true, true},      // stopped: finishes whatever the speed
        {20e-15, vSlow, false, true},  // slow after t_min
        {20e-15, 1e5, false, false},   // fast after t_min
        {300e-15, 1e5, false, true},   // t_max
    };
    for (const auto& c : cases) {
        tr.t = c.t;
        tr.testSpeed = c.testSpeed;
        run.host.flags().StopTrajectory = c.stop;
        EXPECT_EQ(TrajectoryFinished(tr, run.rs), c.finished) << c.t << " " << c.testSpeed;
    }
}

TEST(Trajectory, TimestepFollowsTheFastestParticleInTheZone) {
    CuCrystal run(1, 2);
    TRunState& rs = run.rs;
    TParticleArrays& p = rs.particles;
    TTrajectory tr = StartTrajectory(rs.targetExtent, kDt, rs);
    rs.partners.row(1)[0] = 2;  // some partner list is not empty
    rs.partners.row(1)[1] = kEndOfRow;
    p.vx[2] = 2 * Speed(p, 0);  // the fastest particle inside the zone
    AdaptTimestep(tr, rs);
    EXPECT_EQ(tr.fastIndex, 2);
    EXPECT_DOUBLE_EQ(tr.dt, (2 * kDt + tr.dx / p.vx[2]) / 3);
    EXPECT_EQ(tr.testIndex, 2);

    rs.model.TestProjectileOnly = 1;
    p.z[0] = tr.extent.zMax + 1e-10;  // the projectile has left the zone
    AdaptTimestep(tr, rs);
    EXPECT_EQ(tr.testIndex, 0);
    EXPECT_EQ(tr.testSpeed, 0);

    // Within 1.5 A of atom 1 nothing changes.
    p.x[0] = p.x[1];
    p.y[0] = p.y[1];
    p.z[0] = p.z[1] + 1.4e-10;
    const double dt = tr.dt;
    p.vx[2] = 10 * Speed(p, 0);
    AdaptTimestep(tr, rs);
    EXPECT_EQ(tr.dt, dt);

    const double R = tr.PartnerRadius;
    UpdatePartnerRadius(tr, rs);
    EXPECT_DOUBLE_EQ(tr.PartnerRadius, R * 2 / 3 + (0.7 * tr.vFast * tr.dt * 9 + 3.7e-10) / 3);
    EXPECT_DOUBLE_EQ(tr.PartnerRadiusSquared, tr.PartnerRadius * tr.PartnerRadius);
}

}  // namespace
}  // namespace halvern::test
