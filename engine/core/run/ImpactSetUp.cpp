#include "run/ImpactSetUp.h"

#include <cmath>
#include <numbers>

#include "Units.h"
#include "run/RunInputs.h"
#include "run/RunState.h"

namespace halvern {

const char* const kBoxTooSmallText =
    "The target lattice is too large for the \"Box\" option.\r"
    "Use \"Brute-force\" method instead? (If you choose no,\r"
    "trajectories outside the box zone (> 48 A from origin)\r"
    "will be in error.)";

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kDisplacementCut = 2.5;  // sigmas
// Twice the energy of one keV in joules: v = sqrt(E x this / m).
constexpr double kTwoJoulesPerKeV = 3.204384e-16;

void LogTargetKind(TRunState& rs, int32_t N) {
    rs.potentials.ComplexTarget = 0;
    if (rs.options.ElementalTarget) {
        Log(rs, "  Assuming elemental target", colour::Magenta);
        return;
    }
    rs.potentials.ComplexTarget = DetectComplexTarget(rs.particles, N);
    Log(rs,
        rs.potentials.ComplexTarget ? "  Detected complex target" : "  Detected elemental target",
        colour::Magenta);
    if (rs.potentials.ComplexTarget) PreparePairTables(rs.potentials, rs.particles.Z.data(), N);
}

}  // namespace

bool SetUpImpact(int32_t projectileZ, int32_t N, const std::string& targetFile,
                 TTargetExtent& extent, const std::string& modelFile, double projectileMass,
                 TRunState& rs) {
    TParticleArrays& p = rs.particles;
    const bool first = rs.RunCount == 1;
    if (first) {
        p.Z[0] = projectileZ;
        p.mass[0] = projectileMass * units::Amu;
        if (!ReadTargetFile(targetFile, modelFile, N, rs)) {
            Log(rs, "  Aborted during initialisation", colour::Red);
            return false;
        }
        LogTargetKind(rs, N);
    } else {
        ResetTarget(N, rs);
    }

    extent = ComputeTargetExtent(p, N, rs.run.CutOff);
    if (first) rs.TargetTop = ComputeTargetTop(p, N);

    if (rs.options.BruteForceSearch == 0 && ExtentLeavesCellGrid(extent) &&
        rs.host->sink().askYesNo(kBoxTooSmallText, BoxIcon::Warning))
        WriteBackOption(rs, &TSimulationOptions::BruteForceSearch, 1);
    return true;
}

bool SetInitialVelocities(int32_t N, double energy, TRunState& rs) {
    SetInitialVelocities(rs, rs, rs.random, energy);
    static_cast<void>(N);
    return true;
}

void SetInitialVelocities(const TRunShared& run, TTrajectoryState& tj, UniformRandom& random,
                          double energy) {
    TParticleArrays& p = tj.particles;
    const double theta = run.run.Theta;
    const double phi = run.run.Phi;
    const double v = std::sqrt(energy * kTwoJoulesPerKeV / p.mass[0]);
    p.vx[0] = -std::cos(theta) * std::cos(phi) * v;
    p.vy[0] = -std::cos(theta) * std::sin(phi) * v;
    p.vz[0] = -std::sin(theta) * v;
    const bool thermal = run.model.VibrationFlag == 1 && run.options.HotTarget != 0;
    for (int32_t i = 1; i <= run.N; ++i) {
        if (thermal) {
            const double variance = units::Boltzmann * run.model.Temperature / p.mass[i];
            p.vx[i] = ThermalVelocity(variance, random);
            p.vy[i] = ThermalVelocity(variance, random);
            p.vz[i] = ThermalVelocity(variance, random);
        } else {
            p.vx[i] = p.vy[i] = p.vz[i] = 0;
        }
    }
}

void PlaceProjectile(TRunState& rs) {
    PlaceProjectile(rs, rs);
}

void PlaceProjectile(const TRunShared& run, TTrajectoryState& tj) {
    TParticleArrays& p = tj.particles;
    const double theta = run.run.Theta;
    const double phi = run.run.Phi;
    const double h = tj.ImpactHeight;
    p.x[0] = std::cos(theta) * h * 1e-10 / std::sin(theta) * std::cos(phi) + p.siteX[1] +
             tj.ImpactX * 1e-10;
    p.y[0] = std::cos(theta) * h * 1e-10 / std::sin(theta) * std::sin(phi) + p.siteY[1] +
             tj.ImpactY * 1e-10;
    p.z[0] = h * 1e-10 + p.siteZ[1];
    p.flags[0] = p.initialFlags[0];
}

void ResetTarget(int32_t N, TRunState& rs) {
    const int32_t kept = rs.N;
    rs.N = N;
    ResetTarget(rs, rs, rs.random);
    rs.N = kept;
}

void ResetTarget(const TRunShared& run, TTrajectoryState& tj, UniformRandom& random) {
    TParticleArrays& p = tj.particles;
    for (int32_t i = 1; i <= run.N; ++i) {
        p.x[i] = p.siteX[i];
        p.y[i] = p.siteY[i];
        p.z[i] = p.siteZ[i];
        p.flags[i] = p.initialFlags[i];
        if (i == 1) PlaceProjectile(run, tj);
        if (run.model.VibrationFlag == 0) ApplyThermalDisplacements(i, run, tj, random);
    }
}

double ThermalDisplacement(double variance, UniformRandom& random) {
    // Without vibration there is nothing to draw, and the loop below would never end.
    if (!(variance > 0)) return 0;
    const double sigma = std::sqrt(variance);
    const double sign = random() >= 0.5 ? -1.0 : 1.0;
    const double u2 = random();
    double d;
    do {
        const double u3 = random();
        d = std::sqrt(-2.0 * std::log(1.0 - u3)) * sigma * sign * std::cos(kTwoPi * (1.0 - u2));
    } while (!(d < kDisplacementCut * sigma));
    return d * 1e-10;
}

void ApplyThermalDisplacements(int32_t i, TRunState& rs) {
    ApplyThermalDisplacements(i, rs, rs, rs.random);
}

void ApplyThermalDisplacements(int32_t i, const TRunShared& run, TTrajectoryState& tj,
                               UniformRandom& random) {
    TParticleArrays& p = tj.particles;
    const TModelParameters& m = run.model;
    if (i == 1 && run.options.Verbose)
        Log(run, tj, "  Getting thermal displacements...", colour::Blue);
    const bool bulk = p.z[1] - 1e-10 > p.z[i];
    const double inPlane = bulk ? m.BulkVariance : m.ParallelVariance;
    const double normal = bulk ? m.BulkVariance : m.PerpendicularVariance;
    p.x[i] += ThermalDisplacement(inPlane, random);
    if (!run.options.NoYVibration) p.y[i] += ThermalDisplacement(inPlane, random);
    p.z[i] += ThermalDisplacement(normal, random);
}

double ThermalVelocity(double variance, UniformRandom& random) {
    const double u1 = random();
    const double u2 = random();
    const double u3 = random();
    const double sign = u1 >= 0.5 ? -1.0 : 1.0;
    return std::sqrt(-2.0 * std::log(1.0 - u3)) * std::sqrt(variance) * sign *
           std::cos(kTwoPi * (1.0 - u2));
}

uint8_t DetectComplexTarget(const TParticleArrays& p, int32_t N) {
    for (int32_t i = 2; i <= N; ++i)
        if (p.Z[i] != p.Z[1]) return 1;
    return 0;
}

TTargetExtent ComputeTargetExtent(const TParticleArrays& p, int32_t N, double Rc) {
    TTargetExtent e{p.x[1], p.x[1], p.y[1], p.y[1], p.z[1], p.z[1]};
    for (int32_t i = 0; i <= N; ++i) {
        if (p.x[i] > e.xMax) e.xMax = p.x[i];
        if (p.x[i] < e.xMin) e.xMin = p.x[i];
        if (p.y[i] > e.yMax) e.yMax = p.y[i];
        if (p.y[i] < e.yMin) e.yMin = p.y[i];
        if (p.z[i] > e.zMax) e.zMax = p.z[i];
        if (p.z[i] < e.zMin) e.zMin = p.z[i];
    }
    e.xMax += Rc;
    e.yMax += Rc;
    e.zMax += Rc;
    e.xMin -= Rc;
    e.yMin -= Rc;
    e.zMin -= Rc;
    return e;
}

double ComputeTargetTop(const TParticleArrays& p, int32_t N) {
    double top = p.z[1];
    for (int32_t i = 1; i <= N; ++i)
        if (p.z[i] > top) top = p.z[i];
    return top;
}

bool ExtentLeavesCellGrid(const TTargetExtent& e) {
    return e.zMax > kCellGridZMax || e.zMin < kCellGridZMin || e.yMax > kCellGridXYLimit ||
           e.yMin < -kCellGridXYLimit || e.xMax > kCellGridXYLimit || e.xMin < -kCellGridXYLimit;
}

}  // namespace halvern
