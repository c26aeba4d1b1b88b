#include <gtest/gtest.h>

#include "TextReader.h"

using namespace halvern;

namespace {

TEST(TextReader, LineEndsOfEveryKindReadTheSame) {
    for (const char* data : {"1 2.5\r\n3 abc\r\n4\r\n", "1 2.5\n3 abc\n4\n", "1 2.5\n3 abc\n4"}) {
        TextReader r{std::string(data)};
        EXPECT_EQ(r.readInt(), 1);
        EXPECT_EQ(r.readReal(), 2.5L);
        r.skipLine();
        EXPECT_EQ(r.lineNumber(), 2);
        EXPECT_EQ(r.readInt(), 3);
        EXPECT_EQ(r.readChar(), ' ');
        EXPECT_EQ(r.readString(10), "abc");
        EXPECT_TRUE(r.eoln());
        r.skipLine();
        EXPECT_EQ(r.readInt(), 4);
        r.skipLine();
        EXPECT_TRUE(r.eof());
        EXPECT_FALSE(r.failed());
    }
}

// Blanks, tabs and line ends before a number are skipped; a control character ends it.
TEST(TextReader, NumbersSkipWhiteSpaceAndEndAtControlCharacters) {
    TextReader r{
        std::string("\r\n\t  7\r\n\r\n   -8.25e1 12\x01"
                    "34")};
    EXPECT_EQ(r.readInt(), 7);
    EXPECT_EQ(r.readReal(), -82.5L);
    EXPECT_EQ(r.readInt(), 12);
    EXPECT_EQ(r.readInt(), 34);
    EXPECT_FALSE(r.failed());
}

TEST(TextReader, PastTheEndReadsZeroWithoutError) {
    TextReader r{std::string("5")};
    EXPECT_EQ(r.readInt(), 5);
    EXPECT_EQ(r.readInt(), 0);
    EXPECT_EQ(r.readReal(), 0);
    EXPECT_TRUE(r.eof());
    EXPECT_FALSE(r.failed());
    EXPECT_EQ(r.readChar(), 26);
}

TEST(TextReader, NonNumberSetsStickyError) {
    TextReader r{std::string("0Ar 12\n")};
    EXPECT_EQ(r.readInt(), 0);
    EXPECT_TRUE(r.failed());
    EXPECT_EQ(r.readInt(), 12);
    EXPECT_TRUE(r.failed());  // stays set
    r.clearError();
    EXPECT_FALSE(r.failed());
    r.readInt();
    r.rewind();  // back to the start, the error cleared
    EXPECT_FALSE(r.failed());
    EXPECT_EQ(r.readString(2), "0A");
    EXPECT_EQ(r.lineNumber(), 1);
}

TEST(TextReader, StringsStopAtTheLineEndAndBlankLinesEndTheData) {
    TextReader r{std::string(" Ar and more\r\nnext\r\n\r\n  \r\n")};
    EXPECT_EQ(r.readString(3), " Ar");
    EXPECT_EQ(r.readLine(), " and more");
    EXPECT_EQ(r.readLine(), "next");
    EXPECT_FALSE(r.eof());
    EXPECT_TRUE(r.seekEof());
}

TEST(TextReader, LineEndTestSkipsTrailingBlanksOnly) {
    TextReader r{std::string("1 2 \t \r\n3\r\n")};
    r.readInt();
    EXPECT_FALSE(r.seekEoln());
    EXPECT_EQ(r.readInt(), 2);
    EXPECT_TRUE(r.seekEoln());
    EXPECT_EQ(r.readChar(), '\r');  // the line end itself is left in place
    EXPECT_EQ(r.readInt(), 3);
    EXPECT_TRUE(r.seekEoln());
}

}  // namespace
