// Partner lists: the box and all-pairs builders against the plain scan, the documented orders,
// the overflow rule, the rebuild prologue and the predicates.
#include "PartnerLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>

namespace halvern {
namespace {

constexpr double kA = 1e-10;

struct Cloud {
    int32_t N = -1;
    std::vector<double> x, y, z;
    void add(double px, double py, double pz) {
        x.push_back(px);
        y.push_back(py);
        z.push_back(pz);
        ++N;
    }
};

// N + 1 particles at copper's density in a cube inside the box grid.
Cloud RandomCloud(uint32_t seed, int32_t N) {
    std::mt19937 gen(seed);
    const double side = std::cbrt((N + 1) / 0.0847) * kA;
    std::uniform_real_distribution<double> u(-0.5 * side, 0.5 * side);
    Cloud c;
    for (int32_t i = 0; i <= N; ++i) c.add(u(gen), u(gen), u(gen) - 0.5 * side);
    return c;
}

std::vector<int32_t> Row(const TPartnerRows& rows, int32_t i) {
    std::vector<int32_t> r;
    for (const int32_t* p = rows.row(i); *p != kEndOfRow; ++p) r.push_back(*p);
    return r;
}

struct Built {
    TPartnerRows rows;
    TRowsOutcome out;
};

enum class Method { Box, Scan, Cells };

Built Build(const Cloud& c, Method m, double R, int32_t L, bool ignore = false) {
    Built b;
    AllocatePartnerRows(b.rows, c.N + 1, L + 1);
    const TPartnerSearch s{R * R, L, ignore};
    if (m == Method::Box) {
        TCellGrid grid;
        AllocateCellGrid(grid, c.N);
        b.out = FillPartnerRowsBox(c.N, c.x.data(), c.y.data(), c.z.data(), b.rows, grid, s);
    } else if (m == Method::Scan) {
        b.out = FillPartnerRowsScan(c.N, c.x.data(), c.y.data(), c.z.data(), b.rows, s);
    } else {
        TCellList cells;
        AllocateCellList(cells, c.N);
        b.out = FillPartnerRowsCells(c.N, c.x.data(), c.y.data(), c.z.data(), b.rows, cells, s);
    }
    return b;
}

void ExpectSameRows(const Built& a, const Built& b, int32_t N, bool asSets) {
    EXPECT_EQ(a.out.largest, b.out.largest);
    EXPECT_EQ(a.out.overflow, b.out.overflow);
    for (int32_t i = 0; i <= N; ++i) {
        std::vector<int32_t> ra = Row(a.rows, i), rb = Row(b.rows, i);
        if (asSets) {
            std::sort(ra.begin(), ra.end());
            std::sort(rb.begin(), rb.end());
        }
        ASSERT_EQ(ra, rb) << "row " << i;
    }
}

struct RandomCase {
    uint32_t seed;
    int32_t N;
    double R;  // Angstrom
    int32_t L;
};

class RandomClouds : public ::testing::TestWithParam<RandomCase> {};

TEST_P(RandomClouds, BoxRowsAreTheScansAsSetsAndCellRowsAreTheScansExactly) {
    const RandomCase c = GetParam();
    const Cloud cloud = RandomCloud(c.seed, c.N);
    const Built scan = Build(cloud, Method::Scan, c.R * kA, c.L);
    EXPECT_GT(scan.out.largest, 3);
    ExpectSameRows(Build(cloud, Method::Cells, c.R * kA, c.L), scan, c.N, false);
    if (!scan.out.overflow)
        ExpectSameRows(Build(cloud, Method::Box, c.R * kA, c.L), scan, c.N, true);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomClouds,
                         ::testing::Values(RandomCase{1, 200, 4.2, 50}, RandomCase{2, 750, 4.2, 50},
                                           RandomCase{3, 1500, 3.7, 50},
                                           RandomCase{4, 3000, 4.5, 60},
                                           RandomCase{5, 3000, 5.0, 80},
                                           // Overflowing limits: the kept rows must still agree.
                                           RandomCase{6, 1200, 4.2, 8},
                                           RandomCase{7, 2500, 5.0, 20}));

TEST(PartnerRows, CellRowsMatchTheScanForSpreadOutAndDegenerateClouds) {
    Cloud far = RandomCloud(11, 400);
    far.x[17] = 1e-6;  // one atom far away stretches the extent
    far.z[200] = -3e-7;
    ExpectSameRows(Build(far, Method::Cells, 4.2 * kA, 50), Build(far, Method::Scan, 4.2 * kA, 50),
                   far.N, false);
    Cloud same;
    for (int i = 0; i < 6; ++i) same.add(1e-10, 2e-10, 3e-10);
    ExpectSameRows(Build(same, Method::Cells, 4.2 * kA, 4), Build(same, Method::Scan, 4.2 * kA, 4),
                   same.N, false);
    Cloud one;
    one.add(0, 0, 0);
    EXPECT_EQ(Row(Build(one, Method::Cells, 4 * kA, 5).rows, 0), std::vector<int32_t>{});
}

// Particle 0 at the origin and five partners in four cells.
Cloud OrderCase() {
    Cloud c;
    c.add(0, 0, 0);
    c.add(0, 0, 0.1 * kA);  // 1: cell (0, 0, 0)
    c.add(0.1 * kA, 0, 0);  // 2: cell (0, 0, 0), inserted after 1
    c.add(-3 * kA, 0, 0);   // 3: cell (-1, 0, 0)
    c.add(0, 0, -3 * kA);   // 4: cell (0, 0, -1)
    c.add(3 * kA, 0, 0);    // 5: cell (1, 0, 0)
    return c;
}

TEST(PartnerRows, DocumentedOrders) {
    const Cloud c = OrderCase();
    // Box: cells by ascending cx, cy, cz, newest first within a cell. Scan: ascending index.
    EXPECT_EQ(Row(Build(c, Method::Box, 4 * kA, 50).rows, 0),
              (std::vector<int32_t>{3, 4, 2, 1, 5}));
    EXPECT_EQ(Row(Build(c, Method::Scan, 4 * kA, 50).rows, 0),
              (std::vector<int32_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Row(Build(c, Method::Cells, 4 * kA, 50).rows, 0),
              (std::vector<int32_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Row(Build(c, Method::Box, 4 * kA, 50).rows, 1), (std::vector<int32_t>{3, 4, 2, 5}));
}

TEST(PartnerRows, LimitKeepsLMinusOnePartners) {
    const Cloud c = OrderCase();  // particle 0 has five partners
    for (Method m : {Method::Box, Method::Scan, Method::Cells}) {
        const Built six = Build(c, m, 4 * kA, 6);  // room for five
        EXPECT_FALSE(six.out.overflow);
        EXPECT_EQ(six.out.largest, 5);
        const Built five = Build(c, m, 4 * kA, 5);  // the fifth found overflows
        EXPECT_TRUE(five.out.overflow);
        EXPECT_EQ(Row(five.rows, 0).size(), 4u);
        EXPECT_EQ(five.out.largest, 4);
        const Built one = Build(c, m, 4 * kA, 1);  // no partner can be stored
        EXPECT_TRUE(one.out.overflow);
        EXPECT_TRUE(Row(one.rows, 0).empty());
        EXPECT_EQ(one.out.largest, 0);
    }
    EXPECT_EQ(Row(Build(c, Method::Box, 4 * kA, 5).rows, 0), (std::vector<int32_t>{3, 4, 2, 1}));
    EXPECT_EQ(Row(Build(c, Method::Cells, 4 * kA, 5).rows, 0), (std::vector<int32_t>{1, 2, 3, 4}));
}

TEST(PartnerRows, IgnoreTargetForcesBuildsOnlyTheProjectilesRow) {
    const Cloud c = OrderCase();
    for (Method m : {Method::Box, Method::Scan, Method::Cells}) {
        Built b;
        AllocatePartnerRows(b.rows, c.N + 1, 51);
        for (int32_t i = 0; i <= c.N; ++i) b.rows.row(i)[0] = 5;  // stale rows
        b.rows.row(5)[0] = kEndOfRow;
        TPartnerSearch s{16 * kA * kA, 50, true};
        TCellGrid grid;
        TCellList cells;
        const double *x = c.x.data(), *y = c.y.data(), *z = c.z.data();
        if (m == Method::Box)
            FillPartnerRowsBox(c.N, x, y, z, b.rows, grid, s);
        else if (m == Method::Scan)
            FillPartnerRowsScan(c.N, x, y, z, b.rows, s);
        else
            FillPartnerRowsCells(c.N, x, y, z, b.rows, cells, s);
        EXPECT_EQ(Row(b.rows, 0).size(), 5u);
        for (int32_t i = 1; i <= c.N; ++i) EXPECT_TRUE(Row(b.rows, i).empty()) << i;
    }
}

TEST(PartnerRows, HalfWayCoordinatesGoToTheEvenCell) {
    TCellGrid grid;
    AllocateCellGrid(grid, 3);
    ASSERT_EQ(2e-10 * 2.5e9, 0.5);  // exactly half-way
    ASSERT_EQ(6e-10 * 2.5e9, 1.5);
    InsertIntoCell(grid, 0, 2e-10, 0, 0);      // 0.5 -> 0
    InsertIntoCell(grid, 1, 6e-10, 0, 0);      // 1.5 -> 2
    InsertIntoCell(grid, 2, -2e-10, 0, 0);     // -0.5 -> 0
    InsertIntoCell(grid, 3, 0, 1e-9, -6e-10);  // 2.5 -> 2, -1.5 -> -2
    EXPECT_EQ(grid.head[CellIndex(0, 0, 0)], 2);
    EXPECT_EQ(grid.next[2], 0);
    EXPECT_EQ(grid.head[CellIndex(2, 0, 0)], 1);
    EXPECT_EQ(grid.head[CellIndex(0, 2, -2)], 3);
    EmptyCellGrid(grid);
    EXPECT_EQ(std::count(grid.head.begin(), grid.head.end(), -1), kGridCells);
}

TEST(PartnerRows, OutsideTheGridOrNonFiniteIsNobodysPartner) {
    Cloud c = OrderCase();
    c.add(0.5 * kA, 0.5 * kA, 17 * kA);  // 6: above the grid's top at 16 A
    c.add(0.5 * kA, 0.5 * kA, 15 * kA);  // 7: inside, 2 A from 6
    c.add(std::nan(""), 0, 0);           // 8
    c.add(0, INFINITY, 0);               // 9
    c.add(0, 0, -INFINITY);              // 10
    const Built box = Build(c, Method::Box, 4 * kA, 50);
    EXPECT_EQ(Row(box.rows, 6), std::vector<int32_t>{7});  // its own row still comes from cells
    EXPECT_TRUE(Row(box.rows, 7).empty());
    for (Method m : {Method::Box, Method::Scan, Method::Cells}) {
        const Built b = Build(c, m, 4 * kA, 50);
        for (int32_t i : {8, 9, 10}) EXPECT_TRUE(Row(b.rows, i).empty()) << i;
        for (int32_t i = 0; i <= c.N; ++i)
            for (int32_t k : Row(b.rows, i)) EXPECT_LT(k, 8);
    }
    // Far outside, the cell loop is clipped to the grid and ends at once.
    Cloud far;
    far.add(1e300, -1e300, 1e300);
    far.add(0, 0, 0);
    EXPECT_TRUE(Row(Build(far, Method::Box, 4 * kA, 50).rows, 0).empty());
}

// --- the rebuild with its contact to the user ------------------------------------------------

struct Rebuild {
    RecordingHost host;
    TGraphFrame frame;
    bool result = true;
    int32_t largest = 0;
    TParticleArrays p;
    TPartnerRows rows;
    TCellGrid grid;
    TCellList cells;
    std::vector<std::string> events;

    explicit Rebuild(const Cloud& c, int32_t L = 50) {
        p.N = c.N;
        p.x = c.x;
        p.y = c.y;
        p.z = c.z;
        AllocatePartnerRows(rows, c.N + 1, L + 1);
        AllocateCellGrid(grid, c.N);
        AllocateCellList(cells, c.N);
        host.onPump = [this](RecordingHost&) { events.push_back("pump"); };
    }
    void run(PartnerBuilder b, int32_t L = 50, int32_t step = 40, double t = 2.5e-15) {
        TRebuildContext ctx{host, frame, step, t, result, largest};
        const TPartnerSearch s{16 * kA * kA, L, false};
        if (b == PartnerBuilder::Box)
            BuildPartnerListsBox(p.N, p, rows, grid, s, ctx);
        else
            BuildPartnerListsBrute(p.N, p, rows, cells, s, ctx);
    }
};

TEST(Rebuild, ReportsAndYieldsInEachBuildersOrder) {
    for (PartnerBuilder b : {PartnerBuilder::Box, PartnerBuilder::Brute}) {
        Rebuild r(OrderCase());
        r.host.onPump = [&r](RecordingHost& h) {
            r.events.push_back("pump after " + std::to_string(h.stepCounts.size()) + " counts, " +
                               std::to_string(h.frames) + " frames");
        };
        r.run(b);
        ASSERT_EQ(r.events.size(), 1u);
        EXPECT_EQ(r.events[0], b == PartnerBuilder::Box ? "pump after 1 counts, 1 frames"
                                                        : "pump after 0 counts, 0 frames");
        EXPECT_EQ(r.host.stepCounts, std::vector<int32_t>{40});
        EXPECT_FLOAT_EQ(r.host.lastFrameTime, 2.5e-15f);
        EXPECT_EQ(Row(r.rows, 0).size(), 5u);
        EXPECT_EQ(r.largest, 5);
        EXPECT_TRUE(r.result);
        EXPECT_TRUE(r.host.lines.empty());
    }
}

TEST(Rebuild, ConfirmedAbortStopsWithoutRebuilding) {
    for (PartnerBuilder b : {PartnerBuilder::Box, PartnerBuilder::Brute}) {
        Rebuild r(OrderCase());
        r.host.engineFlags.AbortRequested = 1;
        r.host.messages.scriptAnswers({true});
        r.run(b);
        ASSERT_EQ(r.host.messages.texts(),
                  std::vector<std::string>{"Do you really wish to abort the simulation?"});
        EXPECT_EQ(r.host.engineFlags.StopTrajectory, 1);
        EXPECT_EQ(r.host.engineFlags.AbortRequested, 0);
        EXPECT_FALSE(r.result);
        ASSERT_EQ(r.host.lines.size(), 1u);
        EXPECT_EQ(r.host.lines[0].text, b == PartnerBuilder::Box
                                            ? " Aborting simulation after next cycle..."
                                            : "  Aborting simulation after next cycle...");
        EXPECT_EQ(r.host.lines[0].colour, colour::Red);
        EXPECT_EQ(r.host.pumps, 0);
        EXPECT_TRUE(r.host.stepCounts.empty());
        EXPECT_TRUE(Row(r.rows, 0).empty());  // not rebuilt
    }
}

TEST(Rebuild, AbortAnsweredNoGoesOnAndLosesAnEarlierStep) {
    Rebuild r(OrderCase());
    r.host.engineFlags.AbortRequested = 1;
    r.host.engineFlags.StopTrajectory = 1;  // Step pressed before the question
    r.host.messages.scriptAnswers({false});
    r.run(PartnerBuilder::Brute);
    EXPECT_EQ(r.host.engineFlags.StopTrajectory, 0);
    EXPECT_EQ(r.host.engineFlags.AbortRequested, 0);
    EXPECT_TRUE(r.result);
    EXPECT_EQ(Row(r.rows, 0).size(), 5u);
}

TEST(Rebuild, StepDuringTheYieldSkipsTheRebuild) {
    for (PartnerBuilder b : {PartnerBuilder::Box, PartnerBuilder::Brute}) {
        Rebuild r(OrderCase());
        r.host.onPump = [](RecordingHost& h) { h.engineFlags.StopTrajectory = 1; };
        r.run(b);
        EXPECT_TRUE(Row(r.rows, 0).empty());
        EXPECT_TRUE(r.result);
        EXPECT_EQ(r.largest, 0);
    }
}

TEST(Rebuild, OverflowStopsTheTrajectoryAndRequestsAnAbort) {
    for (PartnerBuilder b : {PartnerBuilder::Box, PartnerBuilder::Brute}) {
        Rebuild r(OrderCase(), 3);
        r.largest = 7;  // from an earlier trajectory of the run
        r.run(b, 3);
        EXPECT_EQ(r.host.engineFlags.StopTrajectory, 1);
        EXPECT_EQ(r.host.engineFlags.AbortRequested, 1);
        EXPECT_FALSE(r.result);
        EXPECT_EQ(r.largest, 7);
        ASSERT_EQ(r.host.messages.texts().size(), 1u);
        EXPECT_EQ(r.host.messages.texts()[0],
                  b == PartnerBuilder::Box
                      ? "Too many collision partners in system - aborting.\rIncrease 'No. of "
                        "partners' parameter in .RUN file,\ror decrease the timestep (if feasible)."
                      : "Too many collision partners in system - aborting.\rIncrease \"No. of "
                        "partners\" parameter in .RUN file,\ror decrease the timestep (if "
                        "feasible).");
        ASSERT_EQ(r.host.lines.size(), 1u);
        EXPECT_EQ(r.host.lines[0].text, "  Too many partners required: aborting.");
        EXPECT_EQ(r.host.lines[0].colour, colour::Red);
        EXPECT_EQ(Row(r.rows, 0).size(), 2u);  // still properly ended
        // The next rebuild asks the abort question.
        r.host.messages.scriptAnswers({true});
        r.run(b, 3);
        EXPECT_EQ(r.host.messages.texts().back(), "Do you really wish to abort the simulation?");
    }
}

TEST(Predicates, GridBoxCellsAndBarriers) {
    EXPECT_TRUE(InCellGridBox(4.8e-9, -4.8e-9, 1.6e-9));
    EXPECT_TRUE(InCellGridBox(0, 0, -4.8e-9));
    EXPECT_FALSE(InCellGridBox(4.81e-9, 0, 0));
    EXPECT_FALSE(InCellGridBox(0, 0, 1.61e-9));
    EXPECT_FALSE(InCellGridBox(std::nan(""), 0, 0));
    EXPECT_TRUE(ValidCell(-12, 12, 4));
    EXPECT_TRUE(ValidCell(0, 0, -12));
    EXPECT_FALSE(ValidCell(13, 0, 0));
    EXPECT_FALSE(ValidCell(0, 0, 5));
    EXPECT_FALSE(ValidCell(0, -13, 0));
    EXPECT_TRUE(AboveSurfacePlane(1, 2, 1));
    EXPECT_FALSE(AboveSurfacePlane(0, 2, 1));
    EXPECT_FALSE(AboveSurfacePlane(1, 1, 1));
    EXPECT_TRUE(LeavingSlab(-1, 1, 0.5, 2));
    EXPECT_TRUE(LeavingSlab(-1, 1, -0.5, -2));
    EXPECT_FALSE(LeavingSlab(-1, 1, -0.5, 2));
    EXPECT_FALSE(LeavingSlab(-1, 1, 0.5, 0));
    EXPECT_EQ(SignOf(0.0), 1.0);
    EXPECT_EQ(SignOf(-0.0), 1.0);
    EXPECT_EQ(SignOf(-3.0), -1.0);
}

}  // namespace
}  // namespace halvern
