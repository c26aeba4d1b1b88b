// The engine's random generator: a 32-bit linear congruential sequence, seeded once per run.
#pragma once

#include <cstdint>
#include <optional>

namespace halvern {

class UniformRandom {
  public:
    explicit UniformRandom(uint32_t seed = 0) : seed(seed) {}

    // Uniform in [0, 1): seed := seed x 134775813 + 1 (mod 2^32), value seed x 2^-32.
    double operator()() {
        seed = seed * 134775813u + 1u;
        return static_cast<double>(seed) * (1.0 / 4294967296.0);
    }

    uint32_t seed;
};

// Seeds the generator from the time of day (milliseconds since midnight, local time), or with
// `fixedSeed` when one is given (tests).
void SeedRandomFromClock(UniformRandom& random, std::optional<uint32_t> fixedSeed = std::nullopt);

}  // namespace halvern
