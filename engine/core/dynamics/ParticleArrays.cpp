#include "dynamics/ParticleArrays.h"

namespace halvern {

namespace {

void Resize(std::vector<double>& v, std::size_t n) {
    v.assign(n, 0.0);
}

void Release(std::vector<double>& v) {
    std::vector<double>().swap(v);
}

}  // namespace

void AllocateParticleArrays(TParticleArrays& p, int32_t N, int32_t algorithm) {
    const std::size_t n = static_cast<std::size_t>(N) + 1;
    p.N = N;
    for (auto* v : {&p.x, &p.y, &p.z, &p.siteX, &p.siteY, &p.siteZ, &p.vx, &p.vy, &p.vz, &p.f1x,
                    &p.f1y, &p.f1z, &p.f2x, &p.f2y, &p.f2z})
        Resize(*v, n);
    p.flags.assign(n, 0);
    p.initialFlags.assign(n, 0);
    // Two-Step and Beeman keep the forces of two steps back; HGE its predicted positions.
    for (auto* v : {&p.f3x, &p.f3y, &p.f3z}) {
        if (algorithm == 1 || algorithm == 2)
            Resize(*v, n);
        else
            Release(*v);
    }
    for (auto* v : {&p.px, &p.py, &p.pz}) {
        if (algorithm == 0)
            Resize(*v, n);
        else
            Release(*v);
    }
}

void AllocateMassAndZ(TParticleArrays& p, int32_t N) {
    const std::size_t n = static_cast<std::size_t>(N) + 1;
    p.mass.assign(n, 0.0);
    p.Z.assign(n, 0);
}

void FreeMassAndZ(TParticleArrays& p) {
    Release(p.mass);
    std::vector<int32_t>().swap(p.Z);
}

void FreeParticleArrays(TParticleArrays& p) {
    for (auto* v : {&p.x,   &p.y,   &p.z,   &p.siteX, &p.siteY, &p.siteZ, &p.vx,
                    &p.vy,  &p.vz,  &p.f1x, &p.f1y,   &p.f1z,   &p.f2x,   &p.f2y,
                    &p.f2z, &p.f3x, &p.f3y, &p.f3z,   &p.px,    &p.py,    &p.pz})
        Release(*v);
    std::vector<uint8_t>().swap(p.flags);
    std::vector<uint8_t>().swap(p.initialFlags);
    p.N = -1;
}

void AllocatePartnerRows(TPartnerRows& rows, int32_t n, int32_t slots) {
    rows.rows = n;
    rows.slots = slots;
    rows.entries.assign(static_cast<std::size_t>(n) * static_cast<std::size_t>(slots), 0);
    for (int32_t i = 0; i < n; ++i) rows.row(i)[0] = kEndOfRow;
}

void FreePartnerRows(TPartnerRows& rows) {
    std::vector<int32_t>().swap(rows.entries);
    rows.rows = 0;
    rows.slots = 0;
}

}  // namespace halvern
