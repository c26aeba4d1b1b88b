#include <gtest/gtest.h>

#include <algorithm>

#include "TestFiles.h"
#include "collection/Collection.h"
#include "processes/ProcessReports.h"
#include "processes/RecordProcesses.h"

using namespace halvern;
using brisal_test::Rec;

namespace {

class CollateTest : public brisal_test::ScratchDir {};

// The straightforward collation: a linear search from the first item, as the report's order
// is defined.
std::vector<TRptItem> LinearCollate(const std::vector<TOslRecord>& records, bool perRun) {
    std::vector<TRptItem> items;
    for (const TOslRecord& r : records) {
        const int32_t key = perRun ? r.rn : r.rw;
        auto it = std::find_if(items.begin(), items.end(),
                               [&](const TRptItem& item) { return item.key == key; });
        if (it == items.end()) it = items.insert(items.end(), TRptItem{0, 0, key, 0});
        it->sum += r.rx;
        it->sumSq += static_cast<long double>(r.rx) * r.rx;
        it->count += 1;
    }
    return items;
}

TEST_F(CollateTest, PerAtomInOrderOfFirstAppearance) {
    const std::vector<TOslRecord> records = {Rec(1, 2, 1), Rec(4, 0, 1), Rec(8, 1, 1),
                                             Rec(3, 2, 2), Rec(5, 3, 2), Rec(6, 0, 2)};
    std::string source = writeRecords("a.osl", records);
    ASSERT_TRUE(CollateFile(host, source, path("c.dat"), "rx", CollateMethod::PerAtom));
    EXPECT_EQ(contents(path("c.dat")),
              "       2.00000E+0000           2.23607E+0000        1.00000E+0000  2 2 rx/atom\r\n"
              "       5.00000E+0000           5.09902E+0000        1.00000E+0000  0 2 rx/atom\r\n"
              "       8.00000E+0000           8.00000E+0000        0.00000E+0000  1 1 rx/atom\r\n"
              "       5.00000E+0000           5.00000E+0000        0.00000E+0000  3 1 rx/atom\r\n");
    EXPECT_TRUE(host.messages.entries().empty());
}

TEST_F(CollateTest, HashIndexAgreesWithTheLinearSearchPerAtomAndPerRun) {
    std::vector<TOslRecord> records;
    uint32_t seed = 12345;
    for (int k = 0; k < 5000; ++k) {
        seed = seed * 134775813u + 1;
        records.push_back(Rec(static_cast<float>(seed >> 20), static_cast<int32_t>(seed % 97) - 40,
                              static_cast<int32_t>(seed >> 28)));
    }
    std::string source = writeRecords("a.osl", records);
    std::vector<std::string> events;
    for (const bool perRun : {false, true}) {
        ASSERT_TRUE(CollateFile(host, source, path("c.dat"), "rx",
                                perRun ? CollateMethod::PerRun : CollateMethod::PerAtom));
        std::string expected;
        for (const TRptItem& item : LinearCollate(records, perRun))
            expected += CollateLine(item, "rx", perRun ? "/run" : "/atom");
        EXPECT_EQ(contents(path("c.dat")), expected);
        // The count advances before it is reported: at 500, 1000, ... with a pump every 2000.
        for (int n = 500; n <= 5000; n += 500) {
            events.push_back("status: " + ProgressText(n));
            if (n % 2000 == 0) events.push_back("pump");
        }
    }
    EXPECT_EQ(host.events, events);
}

TEST_F(CollateTest, IntegerSquaresDoNotOverflow) {
    std::string source = writeRecords("a.osl", {Rec(0, 100000, 1), Rec(0, 100000, 1)});
    ASSERT_TRUE(CollateFile(host, source, path("c.dat"), "rw", CollateMethod::PerRun));
    EXPECT_EQ(contents(path("c.dat")),
              "       1.00000E+0005           1.00000E+0005        0.00000E+0000  1 2 rw/run\r\n");
}

TEST_F(CollateTest, EmptySourceSemanticErrorAndTheItemLimit) {
    ASSERT_TRUE(
        CollateFile(host, writeRecords("e.osl", {}), path("e.dat"), "rx", CollateMethod::PerAtom));
    EXPECT_EQ(contents(path("e.dat")), "");

    std::string source = writeRecords("a.osl", {Rec(1, 1), Rec(0, 2)});
    EXPECT_FALSE(CollateFile(host, source, path("z.dat"), "1.0/rx", CollateMethod::PerAtom));
    EXPECT_EQ(contents(path("z.dat")), "");
    EXPECT_EQ(host.messages.count(RecordingSink::Kind::ParseError), 1);
    host.messages.clear();

    std::vector<TOslRecord> records;
    for (int32_t k = 0; k <= kMaxCollateItems; ++k) records.push_back(Rec(1, k));
    std::string many = writeRecords("many.osl", records);
    EXPECT_FALSE(CollateFile(host, many, path("m.dat"), "rx", CollateMethod::PerAtom));
    EXPECT_EQ(host.messages.texts(),
              std::vector<std::string>{"Too many items to process...aborting procedure."});
    EXPECT_EQ(contents(path("m.dat")), "");
    // Exactly the limit is still collated.
    records.pop_back();
    host.messages.clear();
    ASSERT_TRUE(CollateFile(host, writeRecords("limit.osl", records), path("l.dat"), "rx",
                            CollateMethod::PerAtom));
    EXPECT_TRUE(host.messages.entries().empty());
}

}  // namespace
