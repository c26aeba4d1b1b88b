#include "convert/AsciiTrajectoryLine.h"

#include <array>
#include <cmath>

#include "NumberText.h"

namespace halvern {

namespace {

// The fast paths below round the scaled value once in extended precision. The number-text module
// rounds the exact value to 18 significant digits and then half away from zero; the two agree
// unless the scaled value lies within a relative 1e-16 of a rounding half, where the module
// itself is asked.
constexpr long double kHalfTolerance = 1e-16L;

constexpr int kPowerRange = 64;

// 10^k for |k| <= 64; the negative powers are within an ulp, which the tolerance covers.
const std::array<long double, 2 * kPowerRange + 1>& PowersOfTen() {
    static const auto table = [] {
        std::array<long double, 2 * kPowerRange + 1> t{};
        for (int k = -kPowerRange; k <= kPowerRange; ++k) t[k + kPowerRange] = std::pow(10.0L, k);
        return t;
    }();
    return table;
}

long double PowerOfTen(int k) {
    return PowersOfTen()[k + kPowerRange];
}

// Writes the decimal digits of n backwards ending before `end`; returns the first digit.
char* DigitsBackwards(uint64_t n, char* end) {
    do {
        *--end = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    return end;
}

void AppendPadded(std::string& out, const char* text, size_t length, int width) {
    if (static_cast<int>(length) < width) out.append(static_cast<size_t>(width) - length, ' ');
    out.append(text, length);
}

// The scaled magnitude rounded half up, or false when it lies too near a half to be sure.
bool RoundScaled(long double scaled, uint64_t& rounded) {
    const uint64_t whole = static_cast<uint64_t>(scaled);
    const long double fraction = scaled - static_cast<long double>(whole);
    const long double distance = fraction - 0.5L;
    if (std::fabs(distance) <= scaled * kHalfTolerance) return false;
    rounded = whole + (distance > 0 ? 1 : 0);
    return true;
}

// x:width:decimals, decimals 1..6.
void AppendFixed(std::string& out, long double x, int width, int decimals) {
    const long double magnitude = std::fabs(x);
    uint64_t rounded = 0;
    // |x| < 1e9 keeps the scaled value below 1e15, far inside the 18 digits the module keeps.
    if (!(magnitude < 1e9L) || !RoundScaled(magnitude * PowerOfTen(decimals), rounded)) {
        out += FormatFixed(x, width, decimals);
        return;
    }
    char buffer[32];
    char* end = buffer + sizeof buffer;
    const auto scale = static_cast<uint64_t>(PowerOfTen(decimals));
    uint64_t fraction = rounded % scale;
    char* p = end;
    for (int i = 0; i < decimals; ++i) {
        *--p = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    *--p = '.';
    p = DigitsBackwards(rounded / scale, p);
    if (x < 0) *--p = '-';
    AppendPadded(out, p, static_cast<size_t>(end - p), width);
}

// x:12, a sign position, d.ddd, "E", the exponent's sign and four digits.
void AppendScientific12(std::string& out, long double x) {
    if (!std::isfinite(x)) {
        out += FormatScientific(x, kAsciiMassWidth);
        return;
    }
    const long double magnitude = std::fabs(x);
    int exponent = 0;
    uint64_t mantissa = 0;
    if (magnitude != 0) {
        int binary = 0;
        (void)std::frexp(magnitude, &binary);
        exponent = static_cast<int>(std::floor((binary - 1) * 0.30102999566398119521L));
        if (exponent < -kPowerRange + 8 || exponent > kPowerRange - 8) {
            out += FormatScientific(x, kAsciiMassWidth);
            return;
        }
        // The estimate is the exponent or one below it.
        long double scaled = magnitude * PowerOfTen(3 - exponent);
        if (scaled >= 10000) scaled = magnitude * PowerOfTen(3 - ++exponent);
        if (scaled < 1000 || scaled >= 10000 || !RoundScaled(scaled, mantissa)) {
            out += FormatScientific(x, kAsciiMassWidth);
            return;
        }
        if (mantissa == 10000) {
            mantissa = 1000;
            ++exponent;
        }
    }
    char text[12];
    text[0] = x < 0 ? '-' : ' ';
    text[1] = static_cast<char>('0' + mantissa / 1000);
    text[2] = '.';
    text[3] = static_cast<char>('0' + mantissa / 100 % 10);
    text[4] = static_cast<char>('0' + mantissa / 10 % 10);
    text[5] = static_cast<char>('0' + mantissa % 10);
    text[6] = 'E';
    text[7] = exponent < 0 ? '-' : '+';
    const int e = exponent < 0 ? -exponent : exponent;
    text[8] = static_cast<char>('0' + e / 1000);
    text[9] = static_cast<char>('0' + e / 100 % 10);
    text[10] = static_cast<char>('0' + e / 10 % 10);
    text[11] = static_cast<char>('0' + e % 10);
    out.append(text, sizeof text);
}

void AppendInt(std::string& out, int32_t n, int width) {
    char buffer[16];
    char* end = buffer + sizeof buffer;
    const uint64_t magnitude = n < 0 ? 0 - static_cast<uint64_t>(static_cast<int64_t>(n))
                                     : static_cast<uint64_t>(n);
    char* p = DigitsBackwards(magnitude, end);
    if (n < 0) *--p = '-';
    AppendPadded(out, p, static_cast<size_t>(end - p), width);
}

}  // namespace

AsciiTrajectoryValues AsciiValuesOf(const TOslRecord& r) {
    constexpr long double kPositionFactor = 1e10f;  // exact in single precision
    return {{r.rx * kPositionFactor, r.ry * kPositionFactor, r.rz * kPositionFactor},
            {r.px * 1e22L, r.py * 1e22L, r.pz * 1e22L},
            r.ti * 1e15L,
            static_cast<long double>(r.ms),
            r.rw,
            r.rn};
}

void AppendAsciiTrajectoryLine(const TOslRecord& record, std::string& out) {
    const AsciiTrajectoryValues v = AsciiValuesOf(record);
    for (long double c : v.position) {
        AppendFixed(out, c, kAsciiCoordinateWidth, kAsciiCoordinateDecimals);
        out += ' ';
    }
    for (long double c : v.momentum) {
        AppendFixed(out, c, kAsciiCoordinateWidth, kAsciiCoordinateDecimals);
        out += ' ';
    }
    AppendFixed(out, v.time, kAsciiTimeWidth, kAsciiTimeDecimals);
    out += ' ';
    AppendScientific12(out, v.mass);
    out += ' ';
    AppendInt(out, v.particle, kAsciiIndexWidth);
    out += ' ';
    AppendInt(out, v.run, kAsciiIndexWidth);
    out += "\r\n";
}

}  // namespace halvern
