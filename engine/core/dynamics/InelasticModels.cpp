#include "dynamics/InelasticModels.h"

#include <climits>
#include <cmath>

#include "Colours.h"
#include "NumberText.h"
#include "ScreenedCoulomb.h"
#include "dynamics/PairForce.h"
#include "miscutil.h"

namespace halvern {

namespace {

constexpr double kEvPerJoule = 6.241449214576031e18;
constexpr double kAngstromsPerMetre = 1e10;

// The key of the Oen-Robinson and Shapiro-Tombrello tables, formed in 64 bits.
int64_t ZProduct64(const TParticleArrays& p, int32_t i, int32_t j) {
    return static_cast<int64_t>(p.Z[i]) * p.Z[j];
}

double Distance2(const TParticleArrays& p, int32_t i, int32_t j) {
    const double dx = p.x[i] - p.x[j], dy = p.y[i] - p.y[j], dz = p.z[i] - p.z[j];
    return dx * dx + dy * dy + dz * dz;
}

// |F| of the pair at the current positions.
double PairForceMagnitude(const TForceField& f, const TParticleArrays& p, int32_t i, int32_t j) {
    double fx, fy, fz;
    PairForce(f, fx, fy, fz, p.x[i], p.x[j], p.y[i], p.y[j], p.z[i], p.z[j], i, j);
    return std::sqrt(fx * fx + fy * fy + fz * fz);
}

// The repulsive energy of the pair by its kind (the projectile's row takes the P-T form).
double RepulsiveEnergy(const TForceField& f, int32_t i, int32_t j, double r) {
    return i == 0 ? PtRepulsiveEnergy(f, i, j, r) : TtRepulsiveEnergy(f, i, j, r);
}

double ReducedMass(const TParticleArrays& p, int32_t i, int32_t j) {
    return p.mass[i] * p.mass[j] / (p.mass[i] + p.mass[j]);
}

double RelativeSpeed2(const TParticleArrays& p, int32_t i, int32_t j) {
    const double dvx = p.vx[i] - p.vx[j], dvy = p.vy[i] - p.vy[j], dvz = p.vz[i] - p.vz[j];
    return dvx * dvx + dvy * dvy + dvz * dvz;
}

// Moves i by +w m_j / (m_i + m_j) and j by -w m_i / (m_i + m_j) along the unit vector from j to i.
void MoveApart(TParticleArrays& p, int32_t i, int32_t j, double w) {
    const double r = std::sqrt(Distance2(p, i, j));
    if (r == 0 || w == 0) return;
    const double ux = (p.x[i] - p.x[j]) / r, uy = (p.y[i] - p.y[j]) / r, uz = (p.z[i] - p.z[j]) / r;
    const double total = p.mass[i] + p.mass[j];
    const double si = w * p.mass[j] / total, sj = w * p.mass[i] / total;
    p.x[i] += si * ux;
    p.y[i] += si * uy;
    p.z[i] += si * uz;
    p.x[j] -= sj * ux;
    p.y[j] -= sj * uy;
    p.z[j] -= sj * uz;
}

// What an event reports: the events-file line and, with Verbose, the log line.
struct TEvent {
    const char* model;  // "ST" or "OR"
    int32_t i, j;
    double dE;          // J, as reported
    double rOld;        // closest approach, m
    double rNow;        // distance at this step before the correction, m
    double rNew;        // m
    double z;           // m
    double E;           // relative energy of the pair, J
    int32_t electrons;  // -1 for Oen-Robinson
};

void ReportEvent(TInelasticStep& s, const TEvent& e, double dt) {
    if (s.events.wanted())
        s.events.write(InelasticEventLine(s.runCount, e.i, e.j, e.dE * kEvPerJoule,
                                          e.rOld * kAngstromsPerMetre, e.rNew * kAngstromsPerMetre,
                                          e.z * kAngstromsPerMetre, dt * 1e15, e.E * kEvPerJoule,
                                          e.electrons));
    if (s.verbose)
        LogLine(s.host,
                std::string("  ") + e.model + " event, particles: " + IntToText(e.i) + " and " +
                    IntToText(e.j) + ", dE = " + RealToText8(e.dE * kEvPerJoule) +
                    " eV, R(old) = " + RealToText8(e.rNow * kAngstromsPerMetre) +
                    " A, R(new) = " + RealToText8(e.rNew * kAngstromsPerMetre) + " A",
                colour::DarkRed);
}

// trunc(x) + 1 as a trial count, kept inside the int32 range.
int32_t TrialCount(double x) {
    if (!(x < static_cast<double>(INT_MAX - 1))) return INT_MAX;
    return static_cast<int32_t>(std::trunc(x)) + 1;
}

}  // namespace

std::string InelasticEventLine(int32_t run, int32_t i, int32_t j, double dE, double rOld,
                               double rNew, double z, double dtFs, double E, int32_t electrons) {
    std::string line = FormatInt(run, 5) + " " + FormatInt(i, 4) + " " + FormatInt(j, 4) + " " +
                       FormatFixed(dE, 9, 3) + " " + FormatFixed(rOld, 8, 5) + " " +
                       FormatFixed(rNew, 8, 5) + " " + FormatFixed(z, 8, 5) + " " +
                       FormatFixed(dtFs, 9, 4) + " " + FormatFixed(E, 10, 3);
    line += electrons < 0 ? std::string(" 0   0") : " 1 " + FormatInt(electrons, 2);
    return line + "\r\n";
}

double SeparationCorrection(TInelasticStep& s, int32_t i, int32_t j, double Q) {
    TParticleArrays& p = s.particles;
    const TForceField& f = s.field;
    const double r = std::sqrt(Distance2(p, i, j));
    const double F = PairForceMagnitude(f, p, i, j);
    MoveApart(p, i, j, F != 0 ? -Q / F : 0);
    // A second move takes up what the linear estimate missed.
    const double rMoved = std::sqrt(Distance2(p, i, j));
    const double residual = (RepulsiveEnergy(f, i, j, r) + Q) - RepulsiveEnergy(f, i, j, rMoved);
    const double F2 = PairForceMagnitude(f, p, i, j);
    MoveApart(p, i, j, F2 != 0 ? -residual / F2 : 0);
    return std::sqrt(Distance2(p, i, j));
}

void ShapiroTombrelloPass(TInelasticStep& step, UniformRandom& random, int32_t N, double dt) {
    TParticleArrays& p = step.particles;
    TInelasticState& in = step.inelastic;
    const TForceField& f = step.field;
    for (int32_t i = 0; i < N; ++i) {
        TStSlot* row = in.stRows.row(i);
        for (int32_t k = 0; row[k].partner != kEndOfRow; ++k) {
            TStSlot& s = row[k];
            const int32_t j = s.partner;
            if (s.done) continue;
            const double d2 = Distance2(p, i, j);
            if (d2 > in.params.StEventRange) continue;
            const double r = std::sqrt(d2);
            const int64_t zz = ZProduct64(p, i, j);
            if (d2 >= s.previousD2 && s.armed) {
                const TStEntry st = StLookup(in.params, zz);
                const int32_t n = st.dE != 0 ? PromotedElectrons(TrialCount(s.radialEnergy / st.dE),
                                                                 st.Nmax, st.prob, random)
                                             : 0;
                if (n == 0) continue;  // drawn again at the next step while in range
                const double Q = -n * st.dE;
                const double mu = ReducedMass(p, i, j);
                TEvent e{"ST",
                         i,
                         j,
                         -Q,
                         std::sqrt(s.previousD2),
                         r,
                         0,
                         (p.z[i] + p.z[j]) / 2,
                         0.5 * mu * RelativeSpeed2(p, i, j) + RepulsiveEnergy(f, i, j, r),
                         n};
                in.stLoss += Q;
                e.rNew = SeparationCorrection(step, i, j, Q);
                ReportEvent(step, e, dt);
                s.done = 1;
                continue;
            }
            const double rPrevious = std::sqrt(s.previousD2);
            s.previousD2 = d2;
            if (s.armed) continue;
            const double Rcrit = StLookup(in.params, zz).Rcrit;
            if (Rcrit == 0) continue;
            s.armed = r <= Rcrit;
            const double vr =
                ((p.vx[i] - p.vx[j]) * (p.x[i] - p.x[j]) + (p.vy[i] - p.vy[j]) * (p.y[i] - p.y[j]) +
                 (p.vz[i] - p.vz[j]) * (p.z[i] - p.z[j])) /
                r;
            const double radial = 0.5 * ReducedMass(p, i, j) * vr * vr;
            if (s.armed) {
                // The radial energy at the crossing of Rcrit, between this step and the last.
                const double before = std::fabs(Rcrit - rPrevious), after = std::fabs(Rcrit - r);
                s.radialEnergy = before + after > 0
                                     ? (radial * before + s.radialEnergy * after) / (before + after)
                                     : radial;
            } else {
                s.radialEnergy = radial;
            }
        }
    }
}

void OenRobinsonPass(TInelasticStep& step, int32_t N, double dt) {
    TParticleArrays& p = step.particles;
    TInelasticState& in = step.inelastic;
    const TForceField& f = step.field;
    for (int32_t i = 0; i < N; ++i) {
        TOrSlot* row = in.orRows.row(i);
        for (int32_t k = 0; row[k].partner != kEndOfRow; ++k) {
            TOrSlot& s = row[k];
            const int32_t j = s.partner;
            if (s.done) continue;
            const double d2 = Distance2(p, i, j);
            if (d2 > in.params.OrEventRange) continue;
            if (d2 < s.previousD2) {
                s.previousD2 = d2;
                continue;
            }
            const double K = OrLookup(in.params, ZProduct64(p, i, j));
            if (K == 0) continue;
            const double r = std::sqrt(d2);
            const double mu = ReducedMass(p, i, j);
            const double E = 0.5 * mu * RelativeSpeed2(p, i, j) + RepulsiveEnergy(f, i, j, r);
            const double R0 = std::sqrt(s.previousD2);
            const double v0 = std::sqrt(2 * E / mu);
            const double q = in.params.gamma / LindhardScreeningLength(p.Z[i], p.Z[j], 1.0);
            const double Q = -K * v0 * q * q * std::exp(-q * R0);
            TEvent e{"OR", i, j, Q, R0, r, 0, (p.z[i] + p.z[j]) / 2, E, -1};
            in.orLoss += Q;
            e.rNew = SeparationCorrection(step, i, j, Q);
            ReportEvent(step, e, dt);
            s.done = 1;
        }
    }
}

void LssPass(TInelasticStep& step, const TTargetExtent& extent, int32_t N, double dt) {
    TParticleArrays& p = step.particles;
    TInelasticState& in = step.inelastic;
    for (int32_t i = 0; i <= N; ++i) {
        if (!InLatticeZone(extent, p.x[i], p.y[i], p.z[i]) || p.z[i] > step.targetTop) continue;
        const double v2 = p.vx[i] * p.vx[i] + p.vy[i] * p.vy[i] + p.vz[i] * p.vz[i];
        const double v = std::sqrt(v2);
        // A particle at rest loses nothing, also with a threshold of 0.
        if (v == 0 || v < in.params.lssThreshold) continue;
        const double K = LssLookup(in.params, p.Z[i]);
        if (K == 0) continue;
        const double m = p.mass[i];
        const double h = dt * dt / (2 * m);
        const double sx = p.vx[i] * dt + p.f1x[i] * h, sy = p.vy[i] * dt + p.f1y[i] * h,
                     sz = p.vz[i] * dt + p.f1z[i] * h;
        const double path = std::sqrt(sx * sx + sy * sy + sz * sz);
        double Q = -K * v * path;
        if (v2 + 2 * Q / m <= 0) {
            // A loss beyond the kinetic energy stops the particle; only what it had is lost.
            Q = -0.5 * m * v2;
            p.vx[i] = p.vy[i] = p.vz[i] = 0;
        } else {
            const double scale = std::sqrt(v2 + 2 * Q / m) / v;
            p.vx[i] *= scale;
            p.vy[i] *= scale;
            p.vz[i] *= scale;
        }
        in.lssLoss += Q;
    }
}

void ApplyInelasticModels(const TSimulationOptions& options, TInelasticStep& s,
                          UniformRandom* random, const TTargetExtent& extent, int32_t N,
                          double dt) {
    if (options.ShapiroTombrelloModel && random) ShapiroTombrelloPass(s, *random, N, dt);
    if (options.OenRobinsonModel) OenRobinsonPass(s, N, dt);
    if (options.LssModel) LssPass(s, extent, N, dt);
}

}  // namespace halvern
