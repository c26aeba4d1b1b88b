#include <gtest/gtest.h>

#include "TestFiles.h"
#include "records/OslFile.h"

using namespace halvern;
using brisal_test::Rec;

namespace {

class OslFileTest : public brisal_test::ScratchDir {};

TEST_F(OslFileTest, RoundTripAcrossBlocksWithoutATrailingFragment) {
    // More records than one block holds, so both sides go through several blocks.
    const int32_t n = 40000;
    OslFileWriter writer;
    ASSERT_TRUE(writer.open(path("big.osl")));
    for (int32_t k = 0; k < n; ++k) writer.write(Rec(static_cast<float>(k) * 0.5f, k, -k));
    writer.write(Rec(0));  // cut to a fragment of 3 bytes below
    ASSERT_TRUE(writer.commit());
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

// A missing file and a folder are no record files. (The processes' tests show the writer's
// failures and the reader on an empty file.)
TEST_F(OslFileTest, OnlyAReadableFileOpens) {
    OslFileReader reader;
    EXPECT_FALSE(reader.open(path("missing.osl")));
    EXPECT_FALSE(reader.open(dir_.string()));
    int64_t count = -1;
    EXPECT_FALSE(CountOslRecords(path("missing.osl"), count));
}

}  // namespace
