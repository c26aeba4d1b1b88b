// A clock that lets a thing happen at most once an interval: the main window repaints its status
// line and pumps its events during a process at this pace, however often the record loop reports.
#pragma once

#include <chrono>

namespace brisal {

// How often a running process lets the window repaint and handle its events.
inline constexpr std::chrono::milliseconds kWindowCadence{40};

class Cadence {
  public:
    using Clock = std::chrono::steady_clock;

    explicit Cadence(Clock::duration interval) : interval_(interval) {}

    // True the first time, then once the interval has passed since it last was; each true starts
    // the next interval.
    bool due(Clock::time_point now = Clock::now());
    // How long until the next true (zero when it is due now).
    Clock::duration untilDue(Clock::time_point now = Clock::now()) const;

  private:
    Clock::duration interval_;
    Clock::time_point next_{};
};

}  // namespace brisal
