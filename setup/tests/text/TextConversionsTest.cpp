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

// A number is fitted to its field by its precision, never cut inside mantissa or exponent.
TEST(TextConversions, NumbersFitTheirFields) {
    struct Case {
        long double x;
        size_t width;
        const char* text;  // nullptr: cannot fit
    };
    const Case cases[] = {
        {359.99L, 6, "359.99"},         {359.99L, 5, "360"},
        {1.23456789012e-5L, 10, "1.23457E-5"}, {123456789.0L, 6, "1.23E8"},
        {-1.5e-300L, 7, "-2E-300"},     {-1.5e-300L, 6, nullptr},
        {0.0L, 1, "0"},                 {300.0L, 6, "300"},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> text = FitRealText(c.x, c.width);
        if (c.text)
            EXPECT_EQ(text, std::string(c.text)) << c.text;
        else
            EXPECT_EQ(text, std::nullopt);
    }
    struct FixedCase {
        long double x;
        int minDecimals, maxDecimals;
        size_t width;
        const char* text;
    };
    const FixedCase fixed[] = {
        {1.0L, 2, 3, 7, "1.00"},        {0.025L, 2, 3, 7, "0.025"},   {0.004L, 2, 3, 7, "0.004"},
        {1000.125L, 2, 3, 7, "1000.13"}, {1234567.0L, 2, 3, 7, "1234567"}, {1e7L, 2, 3, 7, "1E7"},
        {39.948L, 4, 5, 10, "39.9480"}, {1.00794L, 4, 5, 10, "1.00794"}, {5.0L, 0, 2, 4, "5"},
    };
    for (const FixedCase& c : fixed)
        EXPECT_EQ(FitFixedText(c.x, c.minDecimals, c.maxDecimals, c.width), std::string(c.text))
            << c.text;
}

}  // namespace
}  // namespace velkor
