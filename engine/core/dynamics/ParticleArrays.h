// Per-particle state of a run, as flat arrays (structure of arrays): particle 0 is the
// projectile, 1..N the target atoms in target-file order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace halvern {

struct TParticleArrays {
    int32_t N = -1;  // index of the last particle; -1 while nothing is allocated

    std::vector<double> x, y, z;              // position, m
    std::vector<double> siteX, siteY, siteZ;  // lattice site as read, m
    std::vector<double> vx, vy, vz;           // velocity, m/s
    std::vector<uint8_t> flags;               // working flag byte
    std::vector<uint8_t> initialFlags;        // flag byte as read

    // Integrator force sets (N): F1 newest, F2 one step older (HGE: at the predicted
    // positions), F3 two steps older (Two-Step and Beeman only), P HGE's predicted positions.
    std::vector<double> f1x, f1y, f1z;
    std::vector<double> f2x, f2y, f2z;
    std::vector<double> f3x, f3y, f3z;
    std::vector<double> px, py, pz;

    std::vector<double> mass;  // kg
    std::vector<int32_t> Z;    // atomic number

    std::size_t count() const { return static_cast<std::size_t>(N + 1); }
};

// The integrator whose working arrays are to be allocated (the option `Algorithm`).
void AllocateParticleArrays(TParticleArrays& p, int32_t N, int32_t algorithm);
void AllocateMassAndZ(TParticleArrays& p, int32_t N);
void FreeMassAndZ(TParticleArrays& p);
void FreeParticleArrays(TParticleArrays& p);

// Collision-partner lists: one row of `slots` entries per particle in one flat array; a row
// holds partner indices j > i in the order found and ends at the first kEndOfRow.
constexpr int32_t kEndOfRow = -99;

struct TPartnerRows {
    int32_t rows = 0;
    int32_t slots = 0;
    std::vector<int32_t> entries;  // rows x slots

    int32_t* row(int32_t i) {
        return entries.data() + static_cast<std::size_t>(i) * static_cast<std::size_t>(slots);
    }
    const int32_t* row(int32_t i) const {
        return entries.data() + static_cast<std::size_t>(i) * static_cast<std::size_t>(slots);
    }
};

// Every row starts empty.
void AllocatePartnerRows(TPartnerRows& rows, int32_t n, int32_t slots);
void FreePartnerRows(TPartnerRows& rows);

}  // namespace halvern
