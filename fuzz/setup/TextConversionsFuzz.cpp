// The set-up program's conversions of typed texts: with and without a message they give the
// same number, and a number written back with a width and decimals from the input is read
// again where it is finite.
#include <cmath>
#include <cstdlib>

#include "FuzzFiles.h"
#include "MessageSink.h"
#include "text/TextConversions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velkor;
    if (size < 2) return 0;
    const int width = data[0] % 40;
    const int decimals = data[1] % 20;
    const std::string_view text = halvern::fuzz::AsText(data + 2, size - 2);
    halvern::RecordingSink sink;

    const long double real = TextToReal(sink, text);
    const long double quiet = TextToRealQuiet(text);
    if (!(real == quiet || (std::isnan(real) && std::isnan(quiet)))) std::abort();
    if (TextToInt(sink, text) != TextToIntQuiet(text)) std::abort();
    CheckRealText(sink, text);
    CheckIntText(sink, text);

    // Written with d decimals after rounding to 18 significant digits: read back within half a
    // unit of the last decimal and the rounding.
    const std::string written = FormatReal(width, decimals, real);
    if (std::isfinite(real)) {
        const long double again = TextToRealQuiet(written);
        const long double tolerance = 0.5L * std::pow(10.0L, -decimals) + std::fabs(real) * 1e-16L;
        if (!(std::fabs(again - real) <= tolerance)) std::abort();
    }
    return 0;
}
