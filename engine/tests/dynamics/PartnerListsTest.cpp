// Partner lists: the box and cell-list builders against the plain scan, the documented orders,
// the overflow rule, non-finite and outside positions, and the rebuild's contact with the user.
#include "dynamics/PartnerLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "EngineTestRuns.h"

namespace halvern::test {
namespace {

constexpr double kA = kAngstrom;

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
constexpr Method kMethods[] = {Method::Box, Method::Scan, Method::Cells};

// The rows of radius R and limit L; with `stale`, every row first holds partner 5.
Built Build(const Cloud& c, Method m, double R, int32_t L, bool ignore = false,
            bool stale = false) {
    Built b;
    AllocatePartnerRows(b.rows, c.N + 1, L + 1);
    if (stale)
        for (int32_t i = 0; i < c.N; ++i) b.rows.row(i)[0] = 5;
    const TPartnerSearch s{R * R, L, ignore};
    const double *x = c.x.data(), *y = c.y.data(), *z = c.z.data();
    if (m == Method::Box) {
        TCellGrid grid;
        AllocateCellGrid(grid, c.N);
        b.out = FillPartnerRowsBox(c.N, x, y, z, b.rows, grid, s);
    } else if (m == Method::Scan) {
        b.out = FillPartnerRowsScan(c.N, x, y, z, b.rows, s);
    } else {
        TCellList cells;
        AllocateCellList(cells, c.N);
        b.out = FillPartnerRowsCells(c.N, x, y, z, b.rows, cells, s);
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

TEST(PartnerRows, BoxRowsAreTheScansAsSetsAndCellRowsAreTheScansExactly) {
    const struct {
        uint32_t seed;
        int32_t N;
        double R;  // Angstrom
        int32_t L;
    } cases[] = {{1, 200, 4.2, 50},
                 {2, 750, 4.2, 50},
                 {3, 1500, 3.7, 50},
                 {4, 3000, 4.5, 60},
                 {5, 3000, 5.0, 80},
                 // Overflowing limits: the kept rows must still agree.
                 {6, 1200, 4.2, 8},
                 {7, 2500, 5.0, 20}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seed);
        const Cloud cloud = RandomCloud(c.seed, c.N);
        const Built scan = Build(cloud, Method::Scan, c.R * kA, c.L);
        EXPECT_GT(scan.out.largest, 3);
        ExpectSameRows(Build(cloud, Method::Cells, c.R * kA, c.L), scan, c.N, false);
        if (!scan.out.overflow)
            ExpectSameRows(Build(cloud, Method::Box, c.R * kA, c.L), scan, c.N, true);
    }
}

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

TEST(PartnerRows, DocumentedOrders) {
    const Cloud c = OrderCase();
    // Box: cells by ascending cx, cy, cz, newest first within a cell. Scan: ascending index.
    using V = std::vector<int32_t>;
    EXPECT_EQ(Row(Build(c, Method::Box, 4 * kA, 50).rows, 0), (V{3, 4, 2, 1, 5}));
    EXPECT_EQ(Row(Build(c, Method::Scan, 4 * kA, 50).rows, 0), (V{1, 2, 3, 4, 5}));
    EXPECT_EQ(Row(Build(c, Method::Cells, 4 * kA, 50).rows, 0), (V{1, 2, 3, 4, 5}));
    EXPECT_EQ(Row(Build(c, Method::Box, 4 * kA, 50).rows, 1), (V{3, 4, 2, 5}));
    // A limit of L keeps L - 1 partners, the first found.
    EXPECT_EQ(Row(Build(c, Method::Box, 4 * kA, 5).rows, 0), (V{3, 4, 2, 1}));
    EXPECT_EQ(Row(Build(c, Method::Cells, 4 * kA, 5).rows, 0), (V{1, 2, 3, 4}));
}

TEST(PartnerRows, LimitKeepsLMinusOnePartners) {
    const Cloud c = OrderCase();  // particle 0 has five partners
    for (Method m : kMethods) {
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
}

TEST(PartnerRows, IgnoreTargetForcesBuildsOnlyTheProjectilesRow) {
    const Cloud c = OrderCase();
    for (Method m : kMethods) {
        const Built b = Build(c, m, 4 * kA, 50, /*ignore=*/true, /*stale=*/true);
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
    for (Method m : kMethods) {
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

constexpr PartnerBuilder kBuilders[] = {PartnerBuilder::Box, PartnerBuilder::Brute};
const std::string kQuestion = "Do you really wish to abort the simulation?";

struct Rebuild {
    RecordingHost host;
    TGraphFrame frame;
    bool result = true;
    int32_t largest = 0;
    TParticleArrays p;
    TPartnerRows rows;
    TCellGrid grid;
    TCellList cells;

    explicit Rebuild(int32_t L = 50) {
        const Cloud c = OrderCase();
        p.N = c.N;
        p.x = c.x;
        p.y = c.y;
        p.z = c.z;
        AllocatePartnerRows(rows, c.N + 1, L + 1);
        AllocateCellGrid(grid, c.N);
        AllocateCellList(cells, c.N);
    }
    void run(PartnerBuilder b, int32_t L = 50) {
        TRebuildContext ctx{host, frame, 40, 2.5e-15, result, largest};
        const TPartnerSearch s{16 * kA * kA, L, false};
        if (b == PartnerBuilder::Box)
            BuildPartnerListsBox(p.N, p, rows, grid, s, ctx);
        else
            BuildPartnerListsBrute(p.N, p, rows, cells, s, ctx);
    }
};

TEST(Rebuild, ReportsAndYieldsInEachBuildersOrder) {
    for (PartnerBuilder b : kBuilders) {
        Rebuild r;
        std::vector<std::string> events;
        r.host.onPump = [&events](RecordingHost& h) {
            events.push_back(std::to_string(h.stepCounts.size()) + " counts, " +
                             std::to_string(h.frames) + " frames");
        };
        r.run(b);
        EXPECT_EQ(events,
                  std::vector<std::string>{b == PartnerBuilder::Box ? "1 counts, 1 frames"
                                                                    : "0 counts, 0 frames"});
        EXPECT_EQ(r.host.stepCounts, std::vector<int32_t>{40});
        EXPECT_FLOAT_EQ(r.host.lastFrameTime, 2.5e-15f);
        EXPECT_EQ(Row(r.rows, 0).size(), 5u);
        EXPECT_EQ(r.largest, 5);
        EXPECT_TRUE(r.result);
        EXPECT_TRUE(r.host.lines.empty());
    }
}

// The rebuild's visible outcome in one line.
std::string Outcome(const Rebuild& r) {
    const EngineFlags& f = r.host.engineFlags;
    return "row " + std::to_string(Row(r.rows, 0).size()) + ", largest " +
           std::to_string(r.largest) + ", result " + std::to_string(r.result) + ", stop " +
           std::to_string(f.StopTrajectory) + ", abort " + std::to_string(f.AbortRequested) +
           ", pumps " + std::to_string(r.host.pumps) + ", counts " +
           std::to_string(r.host.stepCounts.size());
}

TEST(Rebuild, AbortStepAndOverflowInEachBuilder) {
    using B = PartnerBuilder;
    const std::string overflow = "Too many collision partners in system - aborting.\rIncrease ";
    const std::string end = " parameter in .RUN file,\ror decrease the timestep (if feasible).";
    const std::string box = overflow + "'No. of partners'" + end,
                      brute = overflow + "\"No. of partners\"" + end;
    const struct {
        B builder;
        uint8_t abort, step;  // flags before the rebuild; an abort question is answered yes
        bool stepInYield;
        int32_t L, largest;  // the limit and the run's largest count before
        std::string outcome, boxes, red;
    } cases[] = {
        // A confirmed abort: no rebuild, and the rows are as allocated, empty.
        {B::Box, 1, 0, false, 50, 0,
         "row 0, largest 0, result 0, stop 1, abort 0, pumps 0, counts 0", kQuestion,
         " Aborting simulation after next cycle..."},
        {B::Brute, 1, 0, false, 50, 0,
         "row 0, largest 0, result 0, stop 1, abort 0, pumps 0, counts 0", kQuestion,
         "  Aborting simulation after next cycle..."},
        // An abort answered no goes on and loses an earlier Step.
        {B::Brute, 1, 1, false, 50, 0,
         "row 5, largest 5, result 1, stop 0, abort 0, pumps 1, counts 1", kQuestion, ""},
        // Step during the yield skips the rebuild.
        {B::Box, 0, 0, true, 50, 0,
         "row 0, largest 0, result 1, stop 1, abort 0, pumps 1, counts 1", "", ""},
        {B::Brute, 0, 0, true, 50, 0,
         "row 0, largest 0, result 1, stop 1, abort 0, pumps 1, counts 1", "", ""},
        // An overflow stops the trajectory and requests an abort; the rows are still ended.
        {B::Box, 0, 0, false, 3, 7,
         "row 2, largest 7, result 0, stop 1, abort 1, pumps 1, counts 1", box,
         "  Too many partners required: aborting."},
        {B::Brute, 0, 0, false, 3, 7,
         "row 2, largest 7, result 0, stop 1, abort 1, pumps 1, counts 1", brute,
         "  Too many partners required: aborting."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.outcome + (c.builder == B::Box ? " (box)" : " (brute)"));
        Rebuild r(c.L);
        r.largest = c.largest;
        r.host.engineFlags.AbortRequested = c.abort;
        r.host.engineFlags.StopTrajectory = c.step;
        r.host.messages.setDefaultAnswer(c.step == 0);
        if (c.stepInYield)
            r.host.onPump = [](RecordingHost& h) { h.engineFlags.StopTrajectory = 1; };
        r.run(c.builder, c.L);
        EXPECT_EQ(Outcome(r), c.outcome);
        EXPECT_EQ(Joined(r.host.messages.texts()), c.boxes);
        EXPECT_EQ(Joined(r.host.texts()), c.red);
        for (const auto& l : r.host.lines) EXPECT_EQ(l.colour, colour::Red);
        if (c.L != 3) continue;
        r.run(c.builder, c.L);  // after an overflow the next rebuild asks the abort question
        EXPECT_EQ(r.host.messages.texts().back(), kQuestion);
    }
}

}  // namespace
}  // namespace halvern::test
