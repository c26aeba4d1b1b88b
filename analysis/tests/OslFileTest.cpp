#include <gtest/gtest.h>

#include "OslFile.h"
#include "TestFiles.h"

using namespace halvern;
using brisal_test::Rec;

namespace {

class OslFileTest : public brisal_test::ScratchDir {};

TEST_F(OslFileTest, RoundTripAcrossBlocksWithoutATrailingFragment) {
    // More records than one block holds, so both sides go through several blocks.
    const int32_t n = 40000;
    OslFileWriter writer;
    ASSERT_TRUE(writer.create(path("big.osl")));
    for (int32_t k = 0; k < n; ++k) writer.write(Rec(static_cast<float>(k) * 0.5f, k, -k));
    writer.write(Rec(0));  // cut to a fragment of 3 bytes below
    ASSERT_TRUE(writer.close());
    std::string bytes = contents(path("big.osl"));
    WriteFileReplacing(path("big.osl"), bytes.substr(0, bytes.size() - 37));

    OslFileReader reader;
    ASSERT_TRUE(reader.open(path("big.osl")));
    TOslRecord r;
    int32_t k = 0;
    OslFileReader::Status status;
    while ((status = reader.read(r)) == OslFileReader::Status::Record) {
        ASSERT_EQ(r.rw, k);
        ASSERT_EQ(r.rn, -k);
        ASSERT_EQ(r.rx, static_cast<float>(k) * 0.5f);
        ++k;
    }
    EXPECT_EQ(status, OslFileReader::Status::End);
    EXPECT_EQ(k, n);
    int64_t count = 0;
    ASSERT_TRUE(CountOslRecords(path("big.osl"), count));
    EXPECT_EQ(count, n);
}

TEST_F(OslFileTest, FailuresAreReported) {
    OslFileReader reader;
    ASSERT_TRUE(reader.open(writeRecords("empty.osl", {})));
    TOslRecord r;
    EXPECT_EQ(reader.read(r), OslFileReader::Status::End);
    EXPECT_FALSE(reader.open(path("missing.osl")));
    EXPECT_FALSE(reader.open(dir_.string()));  // a folder is no record file
    int64_t count = -1;
    EXPECT_FALSE(CountOslRecords(path("missing.osl"), count));

    OslFileWriter bad;
    EXPECT_FALSE(bad.create(path("no/such/folder.osl")));
    bad.write(Rec(1));
    EXPECT_FALSE(bad.close());
    OslFileWriter full;
    ASSERT_TRUE(full.create("/dev/full"));
    for (int32_t k = 0; k < 20000; ++k) full.write(Rec(1));
    EXPECT_FALSE(full.close());
}

}  // namespace
