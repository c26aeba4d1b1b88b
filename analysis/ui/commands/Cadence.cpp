#include "Cadence.h"

namespace brisal {

bool Cadence::due(Clock::time_point now) {
    if (now < next_) return false;
    next_ = now + interval_;
    return true;
}

Cadence::Clock::duration Cadence::untilDue(Clock::time_point now) const {
    return now < next_ ? next_ - now : Clock::duration::zero();
}

}  // namespace brisal
