#include <gtest/gtest.h>

#include "OslRecord.h"

using namespace halvern;

TEST(OslRecord, LayoutIsLittleEndianWithoutPadding) {
    TOslRecord r;
    r.rx = 1.0f;   // 0x3F800000
    r.ms = -2.0f;  // 0xC0000000
    r.rw = 0x01020304;
    r.rn = -1;
    const OslRecordBytes b = EncodeOslRecord(r);
    EXPECT_EQ(b[0], 0x00);
    EXPECT_EQ(b[2], 0x80);
    EXPECT_EQ(b[3], 0x3F);
    EXPECT_EQ(b[31], 0xC0);
    EXPECT_EQ(b[32], 0x04);
    EXPECT_EQ(b[35], 0x01);
    for (int k = 36; k < 40; ++k) EXPECT_EQ(b[k], 0xFF);
    const TOslRecord back = DecodeOslRecord(b.data());
    EXPECT_EQ(back.rx, 1.0f);
    EXPECT_EQ(back.ms, -2.0f);
    EXPECT_EQ(back.rw, 0x01020304);
    EXPECT_EQ(back.rn, -1);
}
