// Particle records for the benchmarks, made one at a time so that files of any size can be
// written: 10..60 amu with 0..60 eV in random directions, within 5 A of the origin, 1000
// particles a trajectory.
#pragma once

#include <cmath>
#include <cstdint>
#include <random>

#include "OslRecord.h"

namespace halvern::bench {

class BenchRecordSource {
  public:
    explicit BenchRecordSource(uint32_t seed = 12345) : gen_(seed) {}

    // The record of particle `index` in the run of records.
    TOslRecord next(int64_t index) {
        TOslRecord r;
        const double m = massAmu_(gen_) * 1.66053e-27;
        const double p = std::sqrt(2 * m * energyEv_(gen_) * 1.60219e-19);
        const double cx = direction_(gen_), cy = direction_(gen_), cz = direction_(gen_);
        const double norm = std::sqrt(cx * cx + cy * cy + cz * cz) + 1e-300;
        r.rx = position_(gen_);
        r.ry = position_(gen_);
        r.rz = position_(gen_);
        r.px = static_cast<float>(p * cx / norm);
        r.py = static_cast<float>(p * cy / norm);
        r.pz = static_cast<float>(p * cz / norm);
        r.ti = 1e-14f;
        r.ms = static_cast<float>(m);
        r.rw = static_cast<int32_t>(index % 1000);
        r.rn = 1 + static_cast<int32_t>(index / 1000);
        return r;
    }

  private:
    std::mt19937 gen_;
    std::uniform_real_distribution<float> position_{-5e-10f, 5e-10f};
    std::uniform_real_distribution<double> energyEv_{0, 60};
    std::uniform_real_distribution<double> direction_{-1, 1};
    std::uniform_int_distribution<int> massAmu_{10, 60};
};

}  // namespace halvern::bench
