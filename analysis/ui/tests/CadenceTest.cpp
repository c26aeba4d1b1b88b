// The main window's clock for a running process: at most once an interval, each interval
// starting when the last one was taken, and how long until the next.
#include <gtest/gtest.h>

#include "Cadence.h"

namespace {

using brisal::Cadence;
using std::chrono::milliseconds;

TEST(Cadence, AtMostOnceAnIntervalCountedFromTheLastTrue) {
    Cadence cadence(milliseconds(40));
    const Cadence::Clock::time_point t0{std::chrono::seconds(100)};
    EXPECT_EQ(cadence.untilDue(t0), Cadence::Clock::duration::zero());
    const struct {
        int at;        // ms after t0
        bool due;      // what due() answers then
        int untilDue;  // ms left afterwards
    } steps[] = {
        {0, true, 40},  {10, false, 30}, {39, false, 1},  {40, true, 40},
        {79, false, 1}, {85, true, 40},  {120, false, 5}, {125, true, 40},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.at);
        const auto now = t0 + milliseconds(step.at);
        EXPECT_EQ(cadence.due(now), step.due);
        EXPECT_EQ(cadence.untilDue(now), milliseconds(step.untilDue));
    }
}

}  // namespace
