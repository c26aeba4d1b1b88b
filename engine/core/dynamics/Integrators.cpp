#include "dynamics/Integrators.h"

#include <algorithm>
#include <cmath>

namespace halvern {

namespace {

enum class PairPath { Projectile, Elemental, Complex };

PairPath PathOfRow(const TForceField& f, int32_t i) {
    if (ProjectilePath(f, i)) return PairPath::Projectile;
    return f.pot->ComplexTarget ? PairPath::Complex : PairPath::Elemental;
}

template <PairPath P>
inline double PathForce(const TForceField& f, int32_t i, int32_t j, double r) {
    if constexpr (P == PairPath::Projectile)
        return ProjectileTargetForce(f, i, j, r);
    else if constexpr (P == PairPath::Elemental)
        return TargetTargetForce<false>(f, i, j, r);
    else
        return TargetTargetForce<true>(f, i, j, r);
}

struct TForceArrays {
    double* x;
    double* y;
    double* z;
};

// One row of the pair loop, skipping distant pairs.
template <PairPath P>
void RowForces(const TForceField& f, int32_t i, const int32_t* row, const double* x,
               const double* y, const double* z, TForceArrays F, double rc2) {
    const double xi = x[i], yi = y[i], zi = z[i];
    double sx = 0, sy = 0, sz = 0;
    for (const int32_t* jp = row; *jp != kEndOfRow; ++jp) {
        const int32_t j = *jp;
        const double dx = xi - x[j], dy = yi - y[j], dz = zi - z[j];
        const double d2 = dx * dx + dy * dy + dz * dz;
        if (d2 > rc2) continue;
        const double g = PathForce<P>(f, i, j, std::sqrt(d2));
        const double fx = dx * g, fy = dy * g, fz = dz * g;
        sx += fx;
        sy += fy;
        sz += fz;
        F.x[j] -= fx;
        F.y[j] -= fy;
        F.z[j] -= fz;
    }
    F.x[i] += sx;
    F.y[i] += sy;
    F.z[i] += sz;
}

void Zero(std::vector<double>& v, int32_t N) {
    std::fill(v.begin(), v.begin() + N + 1, 0.0);
}

// Keeps a pair force in its cache slot and adds it to i, subtracts it from j.
inline void StorePairForce(TForceArrays F, int32_t i, int32_t j, double fx, double fy, double fz,
                           double& cx, double& cy, double& cz) {
    cx = fx;
    cy = fy;
    cz = fz;
    F.x[i] += fx;
    F.y[i] += fy;
    F.z[i] += fz;
    F.x[j] -= fx;
    F.y[j] -= fy;
    F.z[j] -= fz;
}

// HGE step 2 for one row: the start force of every slot into C1 (0 for a distant pair).
template <PairPath P>
void HgeStartRow(const TForceField& f, int32_t i, const int32_t* row, const TParticleArrays& p,
                 TForceArrays F, THgeForceCache& c, double rc2) {
    const double xi = p.x[i], yi = p.y[i], zi = p.z[i];
    const size_t base = static_cast<size_t>(i) * static_cast<size_t>(c.slots);
    for (int32_t k = 0; row[k] != kEndOfRow; ++k) {
        const int32_t j = row[k];
        const size_t s = base + static_cast<size_t>(k);
        const double dx = xi - p.x[j], dy = yi - p.y[j], dz = zi - p.z[j];
        const double d2 = dx * dx + dy * dy + dz * dz;
        if (d2 > rc2) {
            c.c1x[s] = c.c1y[s] = c.c1z[s] = 0.0;
            continue;
        }
        const double g = PathForce<P>(f, i, j, std::sqrt(d2));
        StorePairForce(F, i, j, dx * g, dy * g, dz * g, c.c1x[s], c.c1y[s], c.c1z[s]);
    }
}

// HGE step 4 for one row: pairs above Fmin are evaluated at the predicted positions; the others
// keep their start force.
template <PairPath P>
void HgePredictedRow(const TForceField& f, int32_t i, const int32_t* row, const TParticleArrays& p,
                     TForceArrays F, THgeForceCache& c, double fmin) {
    const size_t base = static_cast<size_t>(i) * static_cast<size_t>(c.slots);
    for (int32_t k = 0; row[k] != kEndOfRow; ++k) {
        const int32_t j = row[k];
        const size_t s = base + static_cast<size_t>(k);
        if (std::fabs(c.c1x[s]) + std::fabs(c.c1y[s]) + std::fabs(c.c1z[s]) > fmin) {
            const double dx = p.px[i] - p.px[j], dy = p.py[i] - p.py[j], dz = p.pz[i] - p.pz[j];
            const double g = PathForce<P>(f, i, j, std::sqrt(dx * dx + dy * dy + dz * dz));
            StorePairForce(F, i, j, dx * g, dy * g, dz * g, c.c2x[s], c.c2y[s], c.c2z[s]);
        } else {
            if (c.c1x[s] != 0) {
                F.x[i] += c.c1x[s];
                F.x[j] -= c.c1x[s];
            }
            if (c.c1y[s] != 0) {
                F.y[i] += c.c1y[s];
                F.y[j] -= c.c1y[s];
            }
            if (c.c1z[s] != 0) {
                F.z[i] += c.c1z[s];
                F.z[j] -= c.c1z[s];
            }
        }
    }
}

template <template <PairPath> class Row, class... Args>
void ForEachRow(int32_t N, const TForceField& f, const TPartnerRows& rows, Args&&... args) {
    for (int32_t i = 0; i <= N; ++i) {
        const int32_t* row = rows.row(i);
        if (row[0] == kEndOfRow) continue;
        switch (PathOfRow(f, i)) {
            case PairPath::Projectile:
                Row<PairPath::Projectile>::run(f, i, row, args...);
                break;
            case PairPath::Elemental:
                Row<PairPath::Elemental>::run(f, i, row, args...);
                break;
            case PairPath::Complex:
                Row<PairPath::Complex>::run(f, i, row, args...);
                break;
        }
    }
}

template <PairPath P>
struct ForceRow {
    static void run(const TForceField& f, int32_t i, const int32_t* row, const double* x,
                    const double* y, const double* z, TForceArrays F, double rc2) {
        RowForces<P>(f, i, row, x, y, z, F, rc2);
    }
};

template <PairPath P>
struct HgeStartRowOf {
    static void run(const TForceField& f, int32_t i, const int32_t* row, const TParticleArrays& p,
                    TForceArrays F, THgeForceCache& c, double rc2) {
        HgeStartRow<P>(f, i, row, p, F, c, rc2);
    }
};

template <PairPath P>
struct HgePredictedRowOf {
    static void run(const TForceField& f, int32_t i, const int32_t* row, const TParticleArrays& p,
                    TForceArrays F, THgeForceCache& c, double fmin) {
        HgePredictedRow<P>(f, i, row, p, F, c, fmin);
    }
};

void ForcesIntoF1(int32_t N, TParticleArrays& p, const TPartnerRows& rows, const TForceField& f) {
    Zero(p.f1x, N);
    Zero(p.f1y, N);
    Zero(p.f1z, N);
    AccumulatePairForces(N, p.x.data(), p.y.data(), p.z.data(), p.f1x.data(), p.f1y.data(),
                         p.f1z.data(), rows, f);
}

// F3 := F2, F2 := F1 by exchanging the arrays; F1 is then refilled by the step.
void ShiftForceSets(TParticleArrays& p, bool keepThird) {
    if (keepThird) {
        p.f3x.swap(p.f2x);
        p.f3y.swap(p.f2y);
        p.f3z.swap(p.f2z);
    }
    p.f2x.swap(p.f1x);
    p.f2y.swap(p.f1y);
    p.f2z.swap(p.f1z);
}

}  // namespace

void AllocateHgeForceCache(THgeForceCache& cache, int32_t n, int32_t slots) {
    const size_t size = static_cast<size_t>(n) * static_cast<size_t>(slots);
    cache.rows = n;
    cache.slots = slots;
    for (auto* v : {&cache.c1x, &cache.c1y, &cache.c1z, &cache.c2x, &cache.c2y, &cache.c2z})
        v->assign(size, 0.0);
}

void FreeHgeForceCache(THgeForceCache& cache) {
    for (auto* v : {&cache.c1x, &cache.c1y, &cache.c1z, &cache.c2x, &cache.c2y, &cache.c2z})
        std::vector<double>().swap(*v);
    cache.rows = 0;
    cache.slots = 0;
}

void AccumulatePairForces(int32_t N, const double* x, const double* y, const double* z, double* fx,
                          double* fy, double* fz, const TPartnerRows& rows, const TForceField& f) {
    const double rc2 = f.pot->Rc * f.pot->Rc;
    ForEachRow<ForceRow>(N, f, rows, x, y, z, TForceArrays{fx, fy, fz}, rc2);
}

void VerletStart(int32_t N, TParticleArrays& p, const TPartnerRows& rows, const TForceField& f) {
    ForcesIntoF1(N, p, rows, f);
    std::copy(p.f1x.begin(), p.f1x.begin() + N + 1, p.f2x.begin());
    std::copy(p.f1y.begin(), p.f1y.begin() + N + 1, p.f2y.begin());
    std::copy(p.f1z.begin(), p.f1z.begin() + N + 1, p.f2z.begin());
}

void HgeStep(int32_t N, double dt, TParticleArrays& p, const TPartnerRows& rows,
             const TForceField& f, THgeForceCache& cache) {
    if (cache.slots != rows.slots || cache.rows < N + 1)  // a cache made for other rows
        AllocateHgeForceCache(cache, N + 1, rows.slots);
    for (auto* v : {&p.f1x, &p.f1y, &p.f1z, &p.f2x, &p.f2y, &p.f2z}) Zero(*v, N);
    const double rc2 = f.pot->Rc * f.pot->Rc;
    ForEachRow<HgeStartRowOf>(N, f, rows, p, TForceArrays{p.f1x.data(), p.f1y.data(), p.f1z.data()},
                              cache, rc2);
    const double dt2 = dt * dt;
    for (int32_t i = 0; i <= N; ++i) {
        const double m2 = 2.0 * p.mass[i];
        p.px[i] = p.x[i] + p.vx[i] * dt + p.f1x[i] * dt2 / m2;
        p.py[i] = p.y[i] + p.vy[i] * dt + p.f1y[i] * dt2 / m2;
        p.pz[i] = p.z[i] + p.vz[i] * dt + p.f1z[i] * dt2 / m2;
    }
    ForEachRow<HgePredictedRowOf>(
        N, f, rows, p, TForceArrays{p.f2x.data(), p.f2y.data(), p.f2z.data()}, cache, f.pot->Fmin);
    for (int32_t i = 0; i <= N; ++i) {
        const double m = p.mass[i];
        p.x[i] += p.vx[i] * dt + (2.0 * p.f1x[i] + p.f2x[i]) * dt2 / (6.0 * m);
        p.y[i] += p.vy[i] * dt + (2.0 * p.f1y[i] + p.f2y[i]) * dt2 / (6.0 * m);
        p.z[i] += p.vz[i] * dt + (2.0 * p.f1z[i] + p.f2z[i]) * dt2 / (6.0 * m);
        p.vx[i] += (p.f1x[i] + p.f2x[i]) * dt / (2.0 * m);
        p.vy[i] += (p.f1y[i] + p.f2y[i]) * dt / (2.0 * m);
        p.vz[i] += (p.f1z[i] + p.f2z[i]) * dt / (2.0 * m);
    }
}

void TwoStepStep(int32_t N, double dt, double rho, TParticleArrays& p, const TPartnerRows& rows,
                 const TForceField& f) {
    ShiftForceSets(p, true);
    const double dt2 = dt * dt;
    for (int32_t i = 0; i <= N; ++i) {
        const double m6 = 6.0 * p.mass[i];
        p.x[i] += p.vx[i] * dt + ((rho + 3.0) * p.f2x[i] - rho * p.f3x[i]) * dt2 / m6;
        p.y[i] += p.vy[i] * dt + ((rho + 3.0) * p.f2y[i] - rho * p.f3y[i]) * dt2 / m6;
        p.z[i] += p.vz[i] * dt + ((rho + 3.0) * p.f2z[i] - rho * p.f3z[i]) * dt2 / m6;
    }
    ForcesIntoF1(N, p, rows, f);
    const double w1 = (2.0 * rho + 3.0) / (rho + 1.0);
    const double w2 = rho + 3.0;
    const double w3 = rho * rho / (rho + 1.0);
    for (int32_t i = 0; i <= N; ++i) {
        const double m6 = 6.0 * p.mass[i];
        p.vx[i] += (w1 * p.f1x[i] + w2 * p.f2x[i] - w3 * p.f3x[i]) * dt / m6;
        p.vy[i] += (w1 * p.f1y[i] + w2 * p.f2y[i] - w3 * p.f3y[i]) * dt / m6;
        p.vz[i] += (w1 * p.f1z[i] + w2 * p.f2z[i] - w3 * p.f3z[i]) * dt / m6;
    }
}

void BeemanStep(int32_t N, double dt, TParticleArrays& p, const TPartnerRows& rows,
                const TForceField& f) {
    ShiftForceSets(p, true);
    const double dt2 = dt * dt;
    for (int32_t i = 0; i <= N; ++i) {
        const double m6 = 6.0 * p.mass[i];
        p.x[i] += p.vx[i] * dt + (4.0 * p.f2x[i] - p.f3x[i]) * dt2 / m6;
        p.y[i] += p.vy[i] * dt + (4.0 * p.f2y[i] - p.f3y[i]) * dt2 / m6;
        p.z[i] += p.vz[i] * dt + (4.0 * p.f2z[i] - p.f3z[i]) * dt2 / m6;
    }
    ForcesIntoF1(N, p, rows, f);
    for (int32_t i = 0; i <= N; ++i) {
        const double m6 = 6.0 * p.mass[i];
        p.vx[i] += (2.0 * p.f1x[i] + 5.0 * p.f2x[i] - p.f3x[i]) * dt / m6;
        p.vy[i] += (2.0 * p.f1y[i] + 5.0 * p.f2y[i] - p.f3y[i]) * dt / m6;
        p.vz[i] += (2.0 * p.f1z[i] + 5.0 * p.f2z[i] - p.f3z[i]) * dt / m6;
    }
}

void VerletStepWithEvents(int32_t N, double dt, TParticleArrays& p, const TPartnerRows& rows,
                          const TForceField& f, const InelasticPasses& passes) {
    ShiftForceSets(p, false);
    const double dt2 = dt * dt;
    for (int32_t i = 0; i <= N; ++i) {
        const double m2 = 2.0 * p.mass[i];
        p.x[i] += p.vx[i] * dt + p.f2x[i] * dt2 / m2;
        p.y[i] += p.vy[i] * dt + p.f2y[i] * dt2 / m2;
        p.z[i] += p.vz[i] * dt + p.f2z[i] * dt2 / m2;
    }
    ForcesIntoF1(N, p, rows, f);
    for (int32_t i = 0; i <= N; ++i) {
        const double m2 = 2.0 * p.mass[i];
        p.vx[i] += (p.f2x[i] + p.f1x[i]) * dt / m2;
        p.vy[i] += (p.f2y[i] + p.f1y[i]) * dt / m2;
        p.vz[i] += (p.f2z[i] + p.f1z[i]) * dt / m2;
    }
    if (passes) passes(N, dt);
}

}  // namespace halvern
