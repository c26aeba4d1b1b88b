// A 4000-atom copper crystallite under 16 argon impacts: every integrator, with the LSS and
// Oen-Robinson models, writes the same bytes and log with 1, 2 and 8 threads.
#include <gtest/gtest.h>

#include "ThreadedRuns.h"

namespace halvern::test {
namespace {

TEST(LargeCrystallite, AnyThreadCountWritesTheBytesAndTheLogOfOneThread) {
    const char* names[] = {"HGE B", "Two-Step A", "Beeman", "Verlet"};
    for (int32_t algorithm = 0; algorithm <= 3; ++algorithm) {
        SCOPED_TRACE(names[algorithm]);
        const auto shape = [algorithm](TestProject& p) {
            UseCrystallite(p, 10, 18, 16);
            p.run[7] = "50.0   10.0";  // tmax, tmin (fs): the cascade's first 50 fs
            p.globals.RandomSeed = 4000u;
            TSimulationOptions& o = p.globals.Options;
            o.Algorithm = algorithm;
            o.Verbose = 0;
            o.LssModel = o.OenRobinsonModel = o.RecordInelastic = 1;
            p.inelastic = kLssAndOr;
        };
        const RunOutcome one = RunWithThreads(shape, 1);
        ASSERT_LT(FindLine(one.log, "  Run count: 16"), one.log.size());
        ASSERT_EQ(RecordRuns(one.files.at("dynvars.osl")).back(), 16);
        for (int threads : {2, 8}) {
            const RunOutcome many = RunWithThreads(shape, threads);
            EXPECT_TRUE(many.files == one.files) << threads << " threads";
            EXPECT_EQ(many.log, one.log) << threads << " threads";
            EXPECT_EQ(many.boxes, one.boxes) << threads << " threads";
        }
    }
}

}  // namespace
}  // namespace halvern::test
