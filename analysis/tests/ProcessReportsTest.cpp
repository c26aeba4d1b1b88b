#include <gtest/gtest.h>

#include "ProcessFiles.h"
#include "ProcessHost.h"
#include "ProcessReports.h"
#include "TestFiles.h"

using namespace halvern;

namespace {

TEST(ProcessReportsTest, NumberFieldsAndLines) {
    EXPECT_EQ(RealStatementField(1000.0L), " 1.00000E+0003 ");
    EXPECT_EQ(RealStatementField(-1.5e-20L), "-1.50000E-0020 ");
    EXPECT_EQ(IntegerStatementField(0), "  0 ");
    EXPECT_EQ(IntegerStatementField(12345), "12345 ");
    EXPECT_EQ(SpectrumLine({5.0L, 2.0L}), " 5.00000000000000E+0000  2.00000000000000E+0000\r\n");
    TRptItem item{6.0L, 20.0L, 3, 2};  // values 2 and 4
    EXPECT_EQ(CollateLine(item, "ke/ep", "/atom"),
              "       3.00000E+0000           3.16228E+0000        1.00000E+0000  3 2 "
              "ke/ep/atom\r\n");
    EXPECT_EQ(AveragesHeading("a.osl"), "-----\r\nAverages from: a.osl\r\n-----\r\n");
    EXPECT_EQ(AveragesBlock(3, "rw", 6.0L, 20.0L, 2),
              "Function 3 (q) = rw\r\n<q> =  3.00000E+0000  sqrt<q**2> =  3.16228E+0000"
              "  StdDev(q) =  1.00000E+0000 Hits:    2\r\n\r\n");
}

TEST(ProcessReportsTest, DeviationOfEqualValuesIsNeverNegative) {
    // 0.1 three times: rounding may leave sumSq - sum^2/c slightly below zero.
    long double v = 0.1L, sum = 0, sumSq = 0;
    for (int k = 0; k < 3; ++k) sum += v, sumSq += v * v;
    StatisticsSummary s = Summarise(sum, sumSq, 3);
    EXPECT_GE(s.stdDev, 0.0L);
    EXPECT_LT(s.stdDev, 1e-9L);
}

TEST(ProcessReportsTest, ProgressReportsEvery500AndPumpsEvery2000) {
    RecordingProcessHost before, after;
    ProcessProgress p(before), q(after);
    for (int k = 0; k < 2001; ++k) p.beforeAdvance(), q.afterAdvance();
    EXPECT_EQ(before.events,
              (std::vector<std::string>{
                  "status: Working... please wait (0 records processed)", "pump",
                  "status: Working... please wait (500 records processed)",
                  "status: Working... please wait (1000 records processed)",
                  "status: Working... please wait (1500 records processed)",
                  "status: Working... please wait (2000 records processed)", "pump"}));
    EXPECT_EQ(after.events,
              (std::vector<std::string>{"status: Working... please wait (500 records processed)",
                                        "status: Working... please wait (1000 records processed)",
                                        "status: Working... please wait (1500 records processed)",
                                        "status: Working... please wait (2000 records processed)",
                                        "pump"}));
}

class DestinationCheckTest : public brisal_test::ScratchDir {};

TEST_F(DestinationCheckTest, ASourceIsNeverADestination) {
    std::string source = writeRecords("a.osl", {});
    RecordingSink sink;
    EXPECT_TRUE(RefuseDestinationOfSource(sink, {source}, path("./a.osl")));
    EXPECT_EQ(sink.texts(), std::vector<std::string>{DestinationIsSourceText(path("./a.osl"))});
    sink.clear();
    EXPECT_FALSE(RefuseDestinationOfSource(sink, {source}, path("b.osl")));
    EXPECT_TRUE(sink.entries().empty());
}

}  // namespace
