#include "miscutil.h"

#include <unistd.h>

#include <cmath>

#include "FileSafety.h"
#include "NumberText.h"
#include "ShortString.h"

namespace halvern {

std::string FloatToText(long double x, int decimals) {
    if (decimals <= 9) {
        std::string fixed = FormatFixed(x, 1, decimals);
        if (fixed.size() <= 20) return fixed;
        return TrimExponent(FormatScientific(x, 23));
    }
    return TrimExponent(CutTo(FormatScientific(x, decimals), 20));
}

std::string TrimExponent(std::string_view text) {
    std::string out;
    size_t i = 0;
    for (; i < text.size() && out.size() < 31; ++i) {
        out.push_back(text[i]);
        if (text[i] == 'e' || text[i] == 'E') {
            ++i;
            break;
        }
    }
    bool significant = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c == ' ') continue;
        if (c == '+' || c == '-') {
            out.push_back(c);
        } else if (c == '0') {
            if (significant) out.push_back(c);
        } else {
            out.push_back(c);
            significant = true;
        }
    }
    if (!out.empty() && (out.back() == '+' || out.back() == '-')) out.push_back('0');
    size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    size_t last = out.find_last_not_of(' ');
    return CutTo(out.substr(first, last - first + 1), 255);
}

std::string ProgramDir() {
    char buf[4096];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "./";
    std::string path(buf, static_cast<size_t>(n));
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

std::string ProgramDirFile(std::string_view name) { return ProgramDir() + std::string(name); }

long double FullAtan2(long double x, long double y) {
    constexpr long double pi = 3.141592653589793238462643383279502884L;
    if (x != 0) {
        long double a = std::atan(y / x);
        if (x < 0) a += pi;
        if (x > 0 && y < 0) a += 2 * pi;
        return a;
    }
    if (y > 0) return pi / 2;
    if (y < 0) return 3 * pi / 2;
    return 0;
}

void RoundAxisRange(long double& lo, long double& hi) {
    const long double lo0 = lo;
    const long double hi0 = hi;
    if (!std::isfinite(lo0) || !std::isfinite(hi0) || !(hi0 > lo0)) return;
    const long double span = hi0 - lo0;
    if (!std::isfinite(span)) return;
    long double n = std::trunc(std::log10(span));
    long double s = std::exp(n * 2.302585093L);

    long double h = hi0 >= 0 ? s * (std::trunc(hi0 / s) + 1) : s * std::trunc(hi0 / s);
    if (hi0 == 0) {
        h = 0;
    } else {
        for (int guard = 0; guard < 10000; ++guard) {
            long double r = h / hi0;
            if (!(r >= 1.4L)) break;
            if (r >= 10) {
                h *= 0.1L;
            } else if (r >= 2) {
                h *= 0.5L;
            } else {
                h = hi0;
                break;
            }
        }
    }
    long double l = lo0 >= 0 ? s * std::trunc(lo0 / s) : s * (std::trunc(lo0 / s) - 1);
    if (l > lo0) l = lo0;
    if (h < hi0) h = hi0;
    lo = l;
    hi = h;
}

std::string RealToText8(long double x) { return CutTo(FormatFixed(x, 8, 8), 8); }

std::string RealToTextDigits(long double x, int decimals) {
    return CutTo(FormatFixed(x, 1, decimals), 10);
}

std::string IntToText(int64_t value) { return std::to_string(value); }

bool InputFileExists(const std::string& name) { return !HasWildcards(name) && FileExists(name); }

}  // namespace halvern
