#include "convert/AsciiTrajectoryLine.h"

#include <array>
#include <cmath>
#include <cstring>

#include "NumberText.h"

namespace halvern {

namespace {

// The fast paths round the scaled value once in double precision. The number-text module rounds
// the exact value to 18 significant digits and then half away from zero; the two agree unless
// the scaled value lies within a relative 4e-16 of a rounding half (double's rounding and the
// 18 digits' together stay below it), where the module itself is asked.
constexpr double kHalfTolerance = 4e-16;

constexpr double kPowersOfTen[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};

// The longest line: every field at its longest fallback text is far below this.
constexpr size_t kLineCapacity = 1024;

// As many blanks as the widest field holds.
constexpr char kBlanks[] = "                ";

// A line built in place and appended to the output once.
class LineBuffer {
  public:
    void put(char c) { text_[size_++] = c; }
    void put(const char* p, size_t n) {
        std::memcpy(text_ + size_, p, n);
        size_ += n;
    }
    void put(const std::string& s) { put(s.data(), s.size()); }
    // Right-aligned in width.
    void putPadded(const char* p, size_t n, int width) {
        // Blanks for the widest field, then the text over those it does not need.
        std::memcpy(text_ + size_, kBlanks, sizeof kBlanks - 1);
        if (static_cast<int>(n) < width) size_ += static_cast<size_t>(width) - n;
        put(p, n);
    }
    void appendTo(std::string& out) const { out.append(text_, size_); }

  private:
    char text_[kLineCapacity];
    size_t size_ = 0;
};

// "00" to "99": digits are written two at a time.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

void PutPairBackwards(uint64_t pair, char*& end) {
    end -= 2;
    std::memcpy(end, kDigitPairs + 2 * pair, 2);
}

// Writes the decimal digits of n backwards ending before `end`; returns the first digit.
char* DigitsBackwards(uint64_t n, char* end) {
    for (; n >= 100; n /= 100) PutPairBackwards(n % 100, end);
    if (n >= 10)
        PutPairBackwards(n, end);
    else
        *--end = static_cast<char>('0' + n);
    return end;
}

// The scaled magnitude rounded half up, or false when it lies too near a half to be sure.
bool RoundScaled(double scaled, uint64_t& rounded) {
    const auto whole = static_cast<uint64_t>(scaled);
    const double distance = (scaled - static_cast<double>(whole)) - 0.5;
    if (std::fabs(distance) <= scaled * kHalfTolerance) return false;
    rounded = whole + (distance > 0 ? 1 : 0);
    return true;
}

// value x factor as x:width:decimals. The fast path scales the single-precision value in double
// precision; the module is given the extended product, as the values of the line are defined.
template <int Decimals>
void PutFixed(LineBuffer& line, float value, long double factor, double scaledFactor, int width) {
    const double scaled = std::fabs(static_cast<double>(value)) * scaledFactor;
    uint64_t rounded = 0;
    // Below 1e15 the scaled value lies far inside the 18 digits the module keeps.
    if (!(scaled < 1e15) || !RoundScaled(scaled, rounded)) {
        line.put(FormatFixed(value * factor, width, Decimals));
        return;
    }
    static_assert(Decimals % 2 == 0, "decimals are written in pairs");
    constexpr auto kScale = static_cast<uint64_t>(kPowersOfTen[Decimals]);
    char buffer[32];
    char* end = buffer + sizeof buffer;
    uint64_t fraction = rounded % kScale;
    char* p = end;
    for (int i = 0; i < Decimals / 2; ++i, fraction /= 100) PutPairBackwards(fraction % 100, p);
    *--p = '.';
    p = DigitsBackwards(rounded / kScale, p);
    // The sign without a branch: always written, kept for a negative value.
    p[-1] = '-';
    p -= value < 0 ? 1 : 0;
    line.putPadded(p, static_cast<size_t>(end - p), width);
}

constexpr int kPowerRange = 64;

// 10^k for |k| <= 64; within an ulp, which the tolerance covers.
const std::array<double, 2 * kPowerRange + 1>& PowersOfTen() {
    static const auto table = [] {
        std::array<double, 2 * kPowerRange + 1> t{};
        for (int k = -kPowerRange; k <= kPowerRange; ++k) t[k + kPowerRange] = std::pow(10.0, k);
        return t;
    }();
    return table;
}

double PowerOfTen(int k) {
    return PowersOfTen()[k + kPowerRange];
}

// x:12, a sign position, d.ddd, "E", the exponent's sign and four digits.
void PutScientific12(LineBuffer& line, float x) {
    const double magnitude = std::fabs(static_cast<double>(x));
    int exponent = 0;
    uint64_t mantissa = 0;
    if (!std::isfinite(x)) {
        line.put(FormatScientific(x, kAsciiMassWidth));
        return;
    }
    if (magnitude != 0) {
        int binary = 0;
        (void)std::frexp(magnitude, &binary);
        exponent = static_cast<int>(std::floor((binary - 1) * 0.30102999566398119521));
        // The estimate is the exponent or one below it.
        double scaled = magnitude * PowerOfTen(3 - exponent);
        if (scaled >= 10000) scaled = magnitude * PowerOfTen(3 - ++exponent);
        if (exponent < -kPowerRange + 8 || exponent > kPowerRange - 8 || scaled < 1000 ||
            scaled >= 10000 || !RoundScaled(scaled, mantissa)) {
            line.put(FormatScientific(x, kAsciiMassWidth));
            return;
        }
        if (mantissa == 10000) {
            mantissa = 1000;
            ++exponent;
        }
    }
    const int e = exponent < 0 ? -exponent : exponent;
    const char text[12] = {x < 0 ? '-' : ' ',
                           static_cast<char>('0' + mantissa / 1000),
                           '.',
                           static_cast<char>('0' + mantissa / 100 % 10),
                           static_cast<char>('0' + mantissa / 10 % 10),
                           static_cast<char>('0' + mantissa % 10),
                           'E',
                           exponent < 0 ? '-' : '+',
                           static_cast<char>('0' + e / 1000),
                           static_cast<char>('0' + e / 100 % 10),
                           static_cast<char>('0' + e / 10 % 10),
                           static_cast<char>('0' + e % 10)};
    line.put(text, sizeof text);
}

void PutInt(LineBuffer& line, int32_t n, int width) {
    char buffer[16];
    char* end = buffer + sizeof buffer;
    const uint64_t magnitude = n < 0 ? 0 - static_cast<uint64_t>(static_cast<int64_t>(n))
                                     : static_cast<uint64_t>(n);
    char* p = DigitsBackwards(magnitude, end);
    if (n < 0) *--p = '-';
    line.putPadded(p, static_cast<size_t>(end - p), width);
}

}  // namespace

// The factors of the fields; the position's is the single-precision 1e10, exact.
constexpr long double kPositionFactor = 1e10f;
constexpr long double kMomentumFactor = 1e22L;
constexpr long double kTimeFactor = 1e15L;

AsciiTrajectoryValues AsciiValuesOf(const TOslRecord& r) {
    return {{r.rx * kPositionFactor, r.ry * kPositionFactor, r.rz * kPositionFactor},
            {r.px * kMomentumFactor, r.py * kMomentumFactor, r.pz * kMomentumFactor},
            r.ti * kTimeFactor,
            static_cast<long double>(r.ms),
            r.rw,
            r.rn};
}

void AppendAsciiTrajectoryLine(const TOslRecord& r, std::string& out) {
    constexpr int kD = kAsciiCoordinateDecimals;
    LineBuffer line;
    for (float c : {r.rx, r.ry, r.rz}) {
        PutFixed<kD>(line, c, kPositionFactor, 1e16, kAsciiCoordinateWidth);
        line.put(' ');
    }
    for (float c : {r.px, r.py, r.pz}) {
        PutFixed<kD>(line, c, kMomentumFactor, 1e28, kAsciiCoordinateWidth);
        line.put(' ');
    }
    PutFixed<kAsciiTimeDecimals>(line, r.ti, kTimeFactor, 1e17, kAsciiTimeWidth);
    line.put(' ');
    PutScientific12(line, r.ms);
    line.put(' ');
    PutInt(line, r.rw, kAsciiIndexWidth);
    line.put(' ');
    PutInt(line, r.rn, kAsciiIndexWidth);
    line.put("\r\n", 2);
    line.appendTo(out);
}

}  // namespace halvern
