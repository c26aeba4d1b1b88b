#include <gtest/gtest.h>

#include <vector>

#include "grapher/PixelRuns.h"

using namespace halvern;

namespace {

using Pixels = std::vector<Pixel>;

TEST(PixelRunsTest, ColumnsKeepFirstLowestHighestAndLast) {
    const Pixels points = {{1, 5}, {2, 5}, {2, 9}, {2, 3}, {2, 6}, {3, 4}, {3, 4}, {4, 8}};
    LineRunBuilder solid(true);
    for (const Pixel& p : points) solid.add(p);
    EXPECT_EQ(solid.finish(),
              (std::vector<Pixels>{{{1, 5}, {2, 5}, {2, 3}, {2, 9}, {2, 6}, {3, 4}, {4, 8}}}));

    // A dashed line keeps every point that moves; a break starts a new run.
    LineRunBuilder dashed(false);
    for (const Pixel& p : points) dashed.add(p);
    dashed.breakRun();
    dashed.add({7, 7});
    EXPECT_EQ(dashed.finish(),
              (std::vector<Pixels>{{{1, 5}, {2, 5}, {2, 9}, {2, 3}, {2, 6}, {3, 4}, {4, 8}}, {{7, 7}}}));
}

TEST(PixelRunsTest, SymbolsOncePerPlaceAtTheirLastTurnInsideThePicture) {
    const Pixels centres = {{5, 5}, {6, 5}, {5, 5}, {-3, 0}, {-4, 0}, {100, 50}, {104, 53}, {6, 5}};
    // Picture 100 x 50, symbols reaching 3 pixels: (-4, 0) and (104, 53) cannot touch it.
    EXPECT_EQ(VisibleSymbolCentres(centres, 100, 50, 3),
              (Pixels{{5, 5}, {-3, 0}, {100, 50}, {6, 5}}));
    EXPECT_TRUE(VisibleSymbolCentres({{-1, -1}}, 0, 0, 0).empty());
}

}  // namespace
