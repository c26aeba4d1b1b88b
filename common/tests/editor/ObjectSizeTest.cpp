#include <gtest/gtest.h>

#include "editor/ObjectSize.h"

namespace halvern {
namespace {

TEST(ObjectSize, DraggingKeepsTheProportions) {
    const TwipSize start{1500, 1000};
    const struct {
        double dx, dy;
        TwipSize size;
    } cases[] = {
        {1500, 0, {3000, 2000}},      // wider: both double
        {0, -500, {750, 500}},        // shorter: both halve
        {300, 900, {2850, 1900}},     // the larger relative change decides
        {-5000, -5000, {180, 120}},   // never below 8 pixels on the shorter side
        {1e9, 0, {1000000, 666667}},  // nor past the largest size
        {0, 0, {1500, 1000}},
    };
    for (const auto& c : cases) EXPECT_EQ(DraggedSize(start, c.dx, c.dy), c.size) << c.dx << " " << c.dy;
}

}  // namespace
}  // namespace halvern
