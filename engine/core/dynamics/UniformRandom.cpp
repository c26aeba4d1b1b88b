#include "dynamics/UniformRandom.h"

#include <chrono>
#include <ctime>

namespace halvern {

void SeedRandomFromClock(UniformRandom& random, std::optional<uint32_t> fixedSeed) {
    if (fixedSeed) {
        random.seed = *fixedSeed;
        return;
    }
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    const long sinceMidnight = ((local.tm_hour * 60L + local.tm_min) * 60L + local.tm_sec) * 1000L;
    random.seed = static_cast<uint32_t>(sinceMidnight + millis);
}

}  // namespace halvern
