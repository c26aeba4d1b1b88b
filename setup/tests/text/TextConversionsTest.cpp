#include "text/TextConversions.h"

#include <gtest/gtest.h>

namespace velkor {
namespace {

using halvern::RecordingSink;

TEST(TextConversions, RealsConvertWholeTextOrReportAndGiveZero) {
    struct Case {
        const char* text;
        long double value;
        const char* message;  // nullptr when silent
    };
    const Case cases[] = {
        {"3.6147", 3.6147L, nullptr},
        {"  -1.5e2", -150.0L, nullptr},
        {"", 0, "Numeric conversion error ()"},
        {"1.5 ", 0, "Numeric conversion error (1.5 )"},
        {"1,5", 0, "Numeric conversion error (1,5)"},
        {"inf", 0, "Numeric conversion error (inf)"},
    };
    for (const Case& c : cases) {
        RecordingSink sink;
        EXPECT_EQ(TextToReal(sink, c.text), c.value) << c.text;
        EXPECT_EQ(TextToRealQuiet(c.text), c.value) << c.text;
        if (c.message) {
            ASSERT_EQ(sink.texts().size(), 1u) << c.text;
            EXPECT_EQ(sink.texts()[0], c.message);
            EXPECT_EQ(sink.count(RecordingSink::Kind::Error), 1);
        } else {
            EXPECT_TRUE(sink.entries().empty()) << c.text;
        }
    }
}

TEST(TextConversions, IntegersRefuseFractionsAndOverflow) {
    RecordingSink sink;
    EXPECT_EQ(TextToInt(sink, " 29"), 29);
    EXPECT_EQ(TextToInt(sink, "12.5"), 0);
    EXPECT_EQ(TextToInt(sink, "2147483648"), 0);
    EXPECT_EQ(TextToIntQuiet("x"), 0);
    EXPECT_EQ(sink.texts(), (std::vector<std::string>{"Numeric conversion error (12.5)",
                                                      "Numeric conversion error (2147483648)"}));
}

TEST(TextConversions, ChecksReportOnlyTextsThatAreNoNumber) {
    RecordingSink sink;
    EXPECT_TRUE(CheckRealText(sink, "0"));
    EXPECT_FALSE(CheckRealText(sink, "-1"));
    EXPECT_FALSE(CheckRealText(sink, "x1"));
    EXPECT_TRUE(CheckIntText(sink, "343"));
    EXPECT_FALSE(CheckIntText(sink, "0"));
    EXPECT_FALSE(CheckIntText(sink, "1.5"));
    EXPECT_EQ(sink.texts(), (std::vector<std::string>{"Cannot convert x1 to real number.",
                                                      "Cannot convert 1.5 to integer."}));
}

TEST(TextConversions, FormatRealIsFixedNotation) {
    EXPECT_EQ(FormatReal(0, 3, 2.5L), "2.500");
    EXPECT_EQ(FormatReal(8, 2, -0.001L), "   -0.00");
    EXPECT_EQ(FormatReal(4, 0, 12.6L), "  13");
}

}  // namespace
}  // namespace velkor
