#include "inputfiles/RunSpec.h"

#include <gtest/gtest.h>

namespace velkor {
namespace {

// The period needs periodic sampling, the output choice any sampling, the expression both
// some sampling and the user-programmed option.
TEST(RunDialogRules, EnablingFollowsTheSamplingAndTheOption) {
    struct Case {
        bool atTermination, periodically;
        uint16_t option;
        RunControlsEnabled enabled;
        uint16_t mode;
    };
    const Case cases[] = {
        {false, false, 8, {false, false, false}, 0}, {true, false, 8, {false, true, true}, 1},
        {false, true, 7, {true, true, false}, 2},    {true, true, 8, {true, true, true}, 3},
        {true, true, 0, {true, true, false}, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunControlsEnabledFor(c.atTermination, c.periodically, c.option), c.enabled);
        EXPECT_EQ(SampleModeOf(c.atTermination, c.periodically), c.mode);
        EXPECT_EQ(SamplesAtTermination(c.mode), c.atTermination);
        EXPECT_EQ(SamplesPeriodically(c.mode), c.periodically);
    }
}

}  // namespace
}  // namespace velkor
