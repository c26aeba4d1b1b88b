#include "run/EnergyBalance.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <utility>

#include "Colours.h"
#include "dynamics/CellList.h"
#include "miscutil.h"
#include "potentials/MorseTable.h"
#include "run/RunState.h"
#include "run/Trajectory.h"

namespace halvern {

namespace {

constexpr double kEvPerJoule = 6.241449214576031e18;
constexpr double kEjectionHeight = 3e-10;  // m

std::string Triple(double a, double b, double c) {
    return RealToText8(a) + " " + RealToText8(b) + " " + RealToText8(c);
}

// Calls visit(i, j, d) for every pair i < j of particles first..N closer than R, through a cell
// list of cells at least R wide.
template <class Visit>
void ForEachPairWithin(const TParticleArrays& p, int32_t first, int32_t N, double R, Visit visit) {
    TCellList cells;
    FillCellList(cells, N, p.x.data(), p.y.data(), p.z.data(), R);
    const int32_t nx = cells.cells[0], ny = cells.cells[1], nz = cells.cells[2];
    const double R2 = R * R;
    for (int32_t i = first; i <= N; ++i) {
        const int32_t ci = cells.cellOf[static_cast<size_t>(i)];
        if (ci < 0) continue;
        const int32_t cx = ci / (ny * nz), cy = (ci / nz) % ny, cz = ci % nz;
        for (int32_t ax = std::max(cx - 1, 0); ax <= std::min(cx + 1, nx - 1); ++ax)
            for (int32_t ay = std::max(cy - 1, 0); ay <= std::min(cy + 1, ny - 1); ++ay)
                for (int32_t az = std::max(cz - 1, 0); az <= std::min(cz + 1, nz - 1); ++az) {
                    const size_t c = static_cast<size_t>((ax * ny + ay) * nz + az);
                    for (int32_t k = cells.cellStart[c]; k < cells.cellStart[c + 1]; ++k) {
                        const int32_t j = cells.order[static_cast<size_t>(k)];
                        if (j <= i) continue;
                        const double dx = p.x[i] - p.x[j], dy = p.y[i] - p.y[j],
                                     dz = p.z[i] - p.z[j];
                        const double d2 = dx * dx + dy * dy + dz * dz;
                        if (d2 < R2) visit(i, j, std::sqrt(d2));
                    }
                }
    }
}

// The sum over all target pairs of their energy at Rc, by classes of equal atomic number and
// flag byte (the only things a pair's cut-off energy depends on).
double AllPairsCutoffEnergy(const TForceField& f, const TParticleArrays& p, int32_t first,
                            int32_t N) {
    std::map<std::pair<int32_t, uint8_t>, std::pair<int32_t, double>> classes;  // first, count
    for (int32_t i = first; i <= N; ++i) {
        auto& c = classes[{p.Z[i], p.flags[i]}];
        if (c.second == 0) c.first = i;
        c.second += 1;
    }
    double sum = 0;
    for (auto a = classes.begin(); a != classes.end(); ++a)
        for (auto b = a; b != classes.end(); ++b) {
            const double na = a->second.second, nb = b->second.second;
            const double pairs = a == b ? na * (na - 1) / 2 : na * nb;
            if (pairs > 0) sum += pairs * PairCutoffEnergy(f, a->second.first, b->second.first);
        }
    return sum;
}

}  // namespace

double TargetPairEnergy(const TForceField& f, int32_t i, int32_t j, double d) {
    const TPairPotentials& pot = *f.pot;
    if (pot.MorseOption == 1 || d <= pot.Rlow) return TtRepulsiveEnergy(f, i, j, d);
    if (d >= pot.Rhigh)
        return pot.ComplexTarget ? OuterEnergyByFlags(f, i, j, d)
                                 : MorseEnergy(pot.D, pot.alpha, pot.r0, d);
    return pot.ComplexTarget ? PairSplineEnergy(f, i, j, d) : SplineEnergy(f, d);
}

double PotentialEnergy(const TForceField& f, const TParticleArrays& p, int32_t N,
                       const TForceSwitches& switches) {
    const double Rc = f.pot->Rc;
    double pe = 0;
    if (!switches.SelfBombardment)
        for (int32_t j = 1; j <= N; ++j) {
            const double dx = p.x[0] - p.x[j], dy = p.y[0] - p.y[j], dz = p.z[0] - p.z[j];
            const double d = std::sqrt(dx * dx + dy * dy + dz * dz);
            pe += PtRepulsiveEnergy(f, 0, j, std::min(d, Rc));
        }
    if (switches.IgnoreTargetForces || N < 1) return pe;

    // Every pair contributes V(min(d, Rc)); minus N (N - 1) / 2 times the target energy at Rc.
    // Pairs beyond Rc are counted by class instead of one by one.
    const int32_t first = switches.SelfBombardment ? 0 : 1;
    const double ttCutoff = CutoffEnergies(f, N).tt;
    double inside = 0;
    ForEachPairWithin(p, first, N, Rc, [&](int32_t i, int32_t j, double d) {
        const double atRc = f.pot->ComplexTarget ? PairCutoffEnergy(f, i, j) : ttCutoff;
        inside += TargetPairEnergy(f, i, j, d) - atRc;
    });
    const double n = N - first + 1;
    const double allAtRc =
        f.pot->ComplexTarget ? AllPairsCutoffEnergy(f, p, first, N) : n * (n - 1) / 2 * ttCutoff;
    return pe + inside + allAtRc - 0.5 * N * (N - 1.0) * ttCutoff;
}

double SystemEnergy(TRunState& rs, const TTargetExtent& extent, bool final) {
    return SystemEnergy(rs, rs, extent, final);
}

double SystemEnergy(const TRunShared& run, const TTrajectoryState& tj, const TTargetExtent& extent,
                    bool final) {
    if (!run.options.ReportEnergy) return 0;
    const TParticleArrays& p = tj.particles;
    const int32_t N = run.N;
    const bool verbose = run.options.Verbose != 0;
    EngineHost& host = HostOf(run, tj);
    if (verbose && final) LogLine(host, "  Now getting final configuration...", colour::Blue);

    double ke = 0, Lx = 0, Ly = 0, Lz = 0, Px = 0, Py = 0, Pz = 0;
    for (int32_t i = 0; i <= N; ++i) {
        const double m = p.mass[i];
        ke += 0.5 * m * (p.vx[i] * p.vx[i] + p.vy[i] * p.vy[i] + p.vz[i] * p.vz[i]);
        Lx += m * (p.y[i] * p.vz[i] - p.z[i] * p.vy[i]);
        Ly += m * (p.z[i] * p.vx[i] - p.x[i] * p.vz[i]);
        Lz += m * (p.x[i] * p.vy[i] - p.y[i] * p.vx[i]);
        Px += m * p.vx[i];
        Py += m * p.vy[i];
        Pz += m * p.vz[i];
    }

    if (verbose && final) {
        int32_t ejected = 0;
        double ejectedEnergy = 0;
        for (int32_t i = 1; i <= N; ++i)
            if (p.z[i] > kEjectionHeight && p.vz[i] > 0) {
                ++ejected;
                ejectedEnergy += 0.5 * p.mass[i] * p.vz[i] * p.vz[i];
            }
        LogLine(host,
            "  No. of ejected atoms (z > 3 A): " + IntToText(ejected) +
                "   Sputtered fraction: " + RealToTextDigits(static_cast<double>(ejected) / N, 2),
            colour::Black);
        if (ejected > 0)
            LogLine(host,
                "  Mean ejected atom energy: " +
                    RealToText8(ejectedEnergy / ejected * kEvPerJoule) + " eV",
                colour::Black);
    }

    const TForceSwitches switches{run.options.SelfBombardment != 0,
                                  run.options.IgnoreTargetForces != 0};
    const double pe = PotentialEnergy(ForceFieldOf(run, tj), p, N, switches) * kEvPerJoule;
    const double E = ke * kEvPerJoule + pe;

    if (verbose) {
        LogLine(host, "  Total System Energy: " + RealToText8(E) + " eV", colour::Blue);
        LogLine(host, "  Potential: " + RealToText8(pe) + " eV; Kinetic : " + RealToText8(E - pe) + " eV",
            colour::Blue);
        LogLine(host,
            "  Px:" + RealToText8(Px * 1e21) + " Py:" + RealToText8(Py * 1e21) +
                " Pz:" + RealToText8(Pz * 1e21) + " (*1.0E+21 kg m/s)",
            colour::Green);
        LogLine(host,
            "  Lx:" + RealToText8(Lx * 1e31) + " Ly:" + RealToText8(Ly * 1e31) +
                " Lz:" + RealToText8(Lz * 1e31) + " (*1.0E+31 Js)",
            colour::Green);
        LogLine(host,
            "  Projectile (x,y,z) coordinates (A): " +
                Triple(p.x[0] * 1e10, p.y[0] * 1e10, p.z[0] * 1e10),
            colour::Black);
        LogLine(host,
            "  Projectile (x,y,z) velocities (Mm/s): " +
                Triple(p.vx[0] * 1e-6, p.vy[0] * 1e-6, p.vz[0] * 1e-6),
            colour::Black);
        if (N >= 1) {
            LogLine(host,
                "  Particle 1 (x,y,z) coordinates (A): " +
                    Triple(p.x[1] * 1e10, p.y[1] * 1e10, p.z[1] * 1e10),
                colour::Grey);
            LogLine(host,
                "  Particle 1 (x,y,z) velocities (Mm/s): " +
                    Triple(p.vx[1] * 1e-6, p.vy[1] * 1e-6, p.vz[1] * 1e-6),
                colour::Grey);
        }
        LogLine(host,
            "  Lattice zone lower coordinates (A): " +
                Triple(extent.xMin * 1e10, extent.yMin * 1e10, extent.zMin * 1e10),
            colour::Black);
        LogLine(host,
            "  Lattice zone upper coordinates (A): " +
                Triple(extent.xMax * 1e10, extent.yMax * 1e10, extent.zMax * 1e10),
            colour::Black);
    }
    return E;
}

TLosses LossesOf(const TInelasticState& in) {
    return TLosses{in.lssLoss, in.orLoss, in.stLoss};
}

void ReportEnergyBalance(TRunState& rs, double E0, double E1, double barrierSums) {
    ReportEnergyBalance(*rs.host, rs, TBalance{E0, E1, barrierSums, LossesOf(rs.inelastic)});
}

void ReportInelasticLosses(TRunState& rs) {
    ReportInelasticLosses(*rs.host, rs, LossesOf(rs.inelastic));
}

void ReportCumulativeEnergyError(TRunState& rs) {
    if (rs.RunCount <= 0) return;
    const double mean =
        rs.BalancedTrajectories > 0 ? rs.CumulativeEnergyError / rs.BalancedTrajectories : 0.0;
    Log(rs, "  Cumulative error in system energy:" + RealToTextDigits(mean, 2) + " %",
        colour::Black);
}

}  // namespace halvern
