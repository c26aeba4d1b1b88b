#include <gtest/gtest.h>

#include "OslFile.h"
#include "TestFiles.h"

using namespace halvern;

namespace {

class OslFileTest : public brisal_test::ScratchDir {};

TOslRecord Numbered(int32_t k) {
    TOslRecord r;
    r.rx = static_cast<float>(k) * 0.5f;
    r.ms = 1e-26f;
    r.rw = k;
    r.rn = -k;
    return r;
}

TEST_F(OslFileTest, ReadsAcrossBlocksAndSkipsATrailingFragment) {
    // More records than one block holds, so the reader refills several times.
    const int32_t n = 40000;
    std::vector<TOslRecord> records;
    for (int32_t k = 0; k < n; ++k) records.push_back(Numbered(k));
    std::string file = writeRecords("big.osl", records);
    {
        std::FILE* f = std::fopen(file.c_str(), "ab");
        std::fwrite("abc", 1, 3, f);
        std::fclose(f);
    }
    OslFileReader reader;
    ASSERT_TRUE(reader.open(file));
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
    EXPECT_EQ(reader.read(r), OslFileReader::Status::End);
    int64_t count = 0;
    ASSERT_TRUE(CountOslRecords(file, count));
    EXPECT_EQ(count, n);
}

TEST_F(OslFileTest, EmptyMissingAndUnreadableSources) {
    std::string empty = writeRecords("empty.osl", {});
    OslFileReader reader;
    ASSERT_TRUE(reader.open(empty));
    TOslRecord r;
    EXPECT_EQ(reader.read(r), OslFileReader::Status::End);
    EXPECT_FALSE(reader.open(path("missing.osl")));
    EXPECT_FALSE(reader.open(dir_.string()));  // a folder is no record file
    int64_t count = -1;
    EXPECT_FALSE(CountOslRecords(path("missing.osl"), count));
}

TEST_F(OslFileTest, WriterRoundTripsAndReportsFailures) {
    OslFileWriter writer;
    ASSERT_TRUE(writer.create(path("out.osl")));
    for (int32_t k = 0; k < 20000; ++k) writer.write(Numbered(k));
    ASSERT_TRUE(writer.close());
    int64_t count = 0;
    ASSERT_TRUE(CountOslRecords(path("out.osl"), count));
    EXPECT_EQ(count, 20000);

    OslFileWriter bad;
    EXPECT_FALSE(bad.create(path("no/such/folder.osl")));
    bad.write(Numbered(1));
    EXPECT_FALSE(bad.close());

    OslFileWriter full;
    ASSERT_TRUE(full.create("/dev/full"));
    for (int32_t k = 0; k < 20000; ++k) full.write(Numbered(k));
    EXPECT_FALSE(full.close());
}

}  // namespace
