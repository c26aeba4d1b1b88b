#include "ShortString.h"

#include <gtest/gtest.h>

namespace halvern {
namespace {

TEST(CutRealText, KeepsTheMagnitudeOfARealInItsWidth) {
    struct Case {
        const char* text;
        size_t width;
        const char* expected;
    };
    const Case cases[] = {
        {"93.6113052779", 10, "93.6113052"},  // decimals go
        {"0.118510224", 10, "0.11851022"},
        {"12345678.5", 10, "12345678.5"},       // fits
        {"123456789.000000", 10, "123456789"},  // no trailing point
        {"1234567890.123456", 10, "1234567890"},
        {"12345678901.123456", 10, "1.2345E+10"},  // integer digits alone do not fit
        {"-98765432101.000000", 10, "-9.876E+10"},
        {"4.79672639401E-6", 10, "4.79672E-6"},  // the exponent stays
        {"1.5E-300", 10, "1.5E-300"},
        {"9.99999999999999E307", 10, "9.9999E307"},
        {"0", 10, "0"},
    };
    for (const Case& c : cases) EXPECT_EQ(CutRealText(c.text, c.width), c.expected) << c.text;
}

}  // namespace
}  // namespace halvern
