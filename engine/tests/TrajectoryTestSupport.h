// A run state built by hand for the trajectory, energy and inelastic tests: an fcc(100) copper
// crystallite (lattice constant 3.615 A, atom 1 at the origin of the top layer) under an argon
// projectile, with the default copper model prepared, as the set-up program writes it.
#pragma once

#include <array>
#include <cmath>
#include <memory>
#include <vector>

#include "EngineGlobals.h"
#include "ImpactSetUp.h"
#include "KernelTestDriver.h"
#include "RunState.h"
#include "Trajectory.h"

namespace halvern::test {

constexpr double kCuLattice = 3.615 * kAngstrom;

struct CuRun {
    RecordingHost host;
    EngineGlobals globals;
    TRunState rs;
};

// The sites of (2n + 1)^2 x layers half-cells of the fcc(100) lattice, top layer at z = 0.
inline std::vector<std::array<double, 3>> Fcc100Sites(int n, int layers) {
    std::vector<std::array<double, 3>> sites;
    const double h = kCuLattice / 2;
    for (int k = 0; k < layers; ++k)
        for (int i = -n; i <= n; ++i)
            for (int j = -n; j <= n; ++j)
                if (((i + j + k) % 2 + 2) % 2 == 0) sites.push_back({i * h, j * h, -k * h});
    return sites;
}

// The extent of particles 0..N widened by Rc, and the highest target atom.
inline void ComputeExtent(TRunState& rs) {
    rs.targetExtent = ComputeTargetExtent(rs.particles, rs.N, rs.potentials.Rc);
    rs.TargetTop = ComputeTargetTop(rs.particles, rs.N);
}

// The projectile `height` above atom 1 plus (dx, dy), moving along -z with `energyKeV`.
inline void PlaceProjectile(TRunState& rs, double dx, double dy, double height, double energyKeV) {
    TParticleArrays& p = rs.particles;
    p.x[0] = p.x[1] + dx;
    p.y[0] = p.y[1] + dy;
    p.z[0] = p.z[1] + height;
    p.vx[0] = p.vy[0] = 0;
    p.vz[0] = -std::sqrt(energyKeV * 3.204384e-16 / p.mass[0]);
    rs.ImpactHeight = height / kAngstrom;
}

// A crystallite of n x n x layers half-cells; target atoms at rest on their sites, except for
// random displacements of `jitter` (m) from a fixed seed.
inline std::unique_ptr<CuRun> MakeCuRun(int n, int layers, int32_t algorithm = kVerlet,
                                        double jitter = 0, double energyKeV = 1.0) {
    auto run = std::make_unique<CuRun>();
    TRunState& rs = run->rs;
    rs.host = &run->host;
    rs.globals = &run->globals;
    rs.options.Algorithm = algorithm;
    rs.options.Verbose = 0;
    rs.run.RebuildInterval = 10;
    rs.run.TimeStep = 7e-17;
    rs.run.TMax = 300e-15;
    rs.run.TMin = 10e-15;
    rs.run.CutOff = 3.7 * kAngstrom;
    rs.run.PartnerLimit = 50;
    rs.model.TerminationEnergy = 3.0 * kEv;
    RecordingHost scratch;
    PreparePotentials(DefaultCuModel(18), rs.potentials, scratch);

    const auto sites = Fcc100Sites(n, layers);
    // Atom 1 at the origin: the site list starts at the corner, so move the origin's site first.
    std::vector<std::array<double, 3>> ordered;
    for (const auto& s : sites)
        if (s[0] == 0 && s[1] == 0 && s[2] == 0) ordered.push_back(s);
    for (const auto& s : sites)
        if (!(s[0] == 0 && s[1] == 0 && s[2] == 0)) ordered.push_back(s);
    rs.N = static_cast<int32_t>(ordered.size());
    TParticleArrays& p = rs.particles;
    AllocateParticleArrays(p, rs.N, algorithm);
    AllocateMassAndZ(p, rs.N);
    AllocatePartnerRows(rs.partners, rs.N + 1, rs.run.PartnerLimit + 1);
    UniformRandom random(12345);
    p.Z[0] = 18;
    p.mass[0] = 39.948 * kAmu;
    for (int32_t i = 1; i <= rs.N; ++i) {
        const auto& s = ordered[static_cast<size_t>(i - 1)];
        p.Z[i] = 29;
        p.mass[i] = 63.546 * kAmu;
        p.x[i] = p.siteX[i] = s[0] + jitter * (random() - 0.5);
        p.y[i] = p.siteY[i] = s[1] + jitter * (random() - 0.5);
        p.z[i] = p.siteZ[i] = s[2] + jitter * (random() - 0.5);
    }
    PlaceProjectile(rs, 0.3 * kAngstrom, 0.2 * kAngstrom, 3.0 * kAngstrom, energyKeV);
    ComputeExtent(rs);
    rs.RunCount = 1;
    return run;
}

inline double Speed(const TParticleArrays& p, int32_t i) {
    return std::sqrt(p.vx[i] * p.vx[i] + p.vy[i] * p.vy[i] + p.vz[i] * p.vz[i]);
}

}  // namespace halvern::test
