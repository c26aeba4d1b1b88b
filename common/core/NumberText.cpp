#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace halvern {

namespace {

constexpr int kSignificant = 18;  // exact value is first rounded to this many digits

// A finite non-negative value as decimal digits: value = 0.d1d2d3... x 10^(point).
struct Decimal {
    std::string digits;  // kSignificant digits, or empty for zero
    int point = 0;       // position of the decimal point relative to the first digit
};

Decimal ToDecimal(long double magnitude) {
    Decimal dec;
    if (magnitude == 0) return dec;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                             kSignificant - 1);
    std::string_view text(buf, static_cast<size_t>(res.ptr - buf));
    // text is "d.ddddde+XX"
    size_t e = text.find('e');
    dec.digits.push_back(text[0]);
    for (size_t i = 2; i < e; ++i) dec.digits.push_back(text[i]);
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    exponent);
    dec.point = exponent + 1;
    return dec;
}

// Keeps `keep` leading digits, rounding half away from zero; may carry into a new first digit.
void RoundDigits(Decimal& dec, int keep) {
    if (dec.digits.empty()) return;
    if (keep >= static_cast<int>(dec.digits.size())) return;
    if (keep < 0) {
        dec.digits.clear();
        return;
    }
    bool up = dec.digits[static_cast<size_t>(keep)] >= '5';
    dec.digits.resize(static_cast<size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && dec.digits[static_cast<size_t>(i)] == '9') {
            dec.digits[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++dec.digits[static_cast<size_t>(i)];
        } else {
            dec.digits.insert(dec.digits.begin(), '1');
            ++dec.point;
        }
    }
    size_t last = dec.digits.find_last_not_of('0');
    if (last == std::string::npos) {
        dec.digits.clear();
    }
}

char DigitAt(const Decimal& dec, int index) {
    if (index < 0 || index >= static_cast<int>(dec.digits.size())) return '0';
    return dec.digits[static_cast<size_t>(index)];
}

std::string PadLeft(std::string text, int width) {
    if (width > 0 && static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    return text;
}

// "INF", "-INF", "NAN" for non-finite values; empty for finite ones.
std::string NonFiniteText(long double x) {
    if (std::isnan(x)) return "NAN";
    if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
    return {};
}

bool AllDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// Splits [+-]mantissa[(E|e)[+-]digits]; checks the exponent part.
bool SplitReal(std::string_view s, std::string_view& mantissa) {
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) s.remove_prefix(1);
    size_t e = s.find_first_of("eE");
    mantissa = s.substr(0, e);
    if (e == std::string_view::npos) return true;
    std::string_view exponent = s.substr(e + 1);
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) exponent.remove_prefix(1);
    return AllDigits(exponent);
}

bool ConvertReal(std::string_view s, long double& value) {
    // from_chars takes no leading '+'.
    if (!s.empty() && s[0] == '+') s.remove_prefix(1);
    long double v = 0;
    auto res = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size()) return false;
    if (!std::isfinite(v)) return false;
    value = v;
    return true;
}

std::string_view SkipLeadingBlanks(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    return text.substr(i);
}

}  // namespace

std::string FormatFixed(long double x, int width, int decimals) {
    if (std::string special = NonFiniteText(x); !special.empty()) return PadLeft(special, width);
    if (decimals < 0) decimals = 0;
    Decimal dec = ToDecimal(std::fabs(x));
    RoundDigits(dec, dec.point + decimals);

    std::string text;
    if (x < 0) text.push_back('-');
    if (dec.digits.empty() || dec.point <= 0) {
        text.push_back('0');
    } else {
        for (int i = 0; i < dec.point; ++i) text.push_back(DigitAt(dec, i));
    }
    if (decimals > 0) {
        text.push_back('.');
        for (int i = 0; i < decimals; ++i)
            text.push_back(dec.digits.empty() ? '0' : DigitAt(dec, dec.point + i));
    }
    return PadLeft(std::move(text), width);
}

std::string FormatScientific(long double x, int width) {
    if (std::string special = NonFiniteText(x); !special.empty()) return PadLeft(special, width);
    int fraction = width - 9;
    if (fraction < 1) fraction = 1;
    if (fraction > 17) fraction = 17;
    Decimal dec = ToDecimal(std::fabs(x));
    RoundDigits(dec, fraction + 1);

    std::string text;
    text.push_back(x < 0 ? '-' : ' ');
    text.push_back(DigitAt(dec, 0));
    text.push_back('.');
    for (int i = 1; i <= fraction; ++i) text.push_back(DigitAt(dec, i));
    int exponent = dec.digits.empty() ? 0 : dec.point - 1;
    text.push_back('E');
    text.push_back(exponent < 0 ? '-' : '+');
    std::string expDigits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (expDigits.size() < 4) expDigits.insert(0, 4 - expDigits.size(), '0');
    text += expDigits;
    return PadLeft(std::move(text), width);
}

std::string FormatInt(int64_t n, int width) { return PadLeft(std::to_string(n), width); }

namespace {

// At most `significant` digits of a non-zero finite magnitude, trailing zeros dropped.
Decimal SignificantDigits(long double magnitude, int significant) {
    Decimal dec = ToDecimal(magnitude);
    RoundDigits(dec, std::clamp(significant, 1, kSignificant));
    while (!dec.digits.empty() && dec.digits.back() == '0') dec.digits.pop_back();
    return dec;
}

std::string FixedGeneral(bool negative, const Decimal& dec) {
    const std::string& digits = dec.digits;
    std::string text = negative ? "-" : "";
    if (dec.point <= 0) {
        text += "0.";
        text.append(static_cast<size_t>(-dec.point), '0');
        text += digits;
        return text;
    }
    for (int i = 0; i < dec.point; ++i) text.push_back(DigitAt(dec, i));
    if (static_cast<int>(digits.size()) > dec.point) {
        text.push_back('.');
        text += digits.substr(static_cast<size_t>(dec.point));
    }
    return text;
}

std::string ScientificGeneral(bool negative, const Decimal& dec) {
    std::string text = negative ? "-" : "";
    text.push_back(dec.digits[0]);
    if (dec.digits.size() > 1) {
        text.push_back('.');
        text += dec.digits.substr(1);
    }
    text.push_back('E');
    text += std::to_string(dec.point - 1);
    return text;
}

std::string General(long double x, int significant, bool scientific) {
    if (std::string special = NonFiniteText(x); !special.empty()) return special;
    if (x == 0) return "0";
    const Decimal dec = SignificantDigits(std::fabs(x), significant);
    const int exponent = dec.point - 1;
    if (!scientific && exponent >= -5 && exponent < 15) return FixedGeneral(x < 0, dec);
    return ScientificGeneral(x < 0, dec);
}

}  // namespace

std::string FormatGeneral(long double x, int significant) {
    return General(x, significant, false);
}

std::string FormatGeneralScientific(long double x, int significant) {
    return General(x, significant, true);
}

std::string ShortestRealText(long double x) { return FormatGeneral(x, 15); }

bool ParseRealToken(std::string_view token, long double& value) {
    std::string_view mantissa;
    if (!SplitReal(token, mantissa)) return false;
    size_t point = mantissa.find('.');
    std::string_view whole = mantissa.substr(0, point);
    std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : mantissa.substr(point + 1);
    bool wholeOk = whole.empty() || AllDigits(whole);
    bool fractionOk = fraction.empty() || AllDigits(fraction);
    if (!wholeOk || !fractionOk || (whole.empty() && fraction.empty())) return false;
    return ConvertReal(token, value);
}

bool ParseReal(std::string_view text, long double& value) {
    std::string_view s = SkipLeadingBlanks(text);
    std::string_view mantissa;
    if (!SplitReal(s, mantissa)) return false;
    size_t point = mantissa.find('.');
    if (!AllDigits(mantissa.substr(0, point))) return false;
    if (point != std::string_view::npos && !AllDigits(mantissa.substr(point + 1))) return false;
    return ConvertReal(s, value);
}

bool ParseInt32Token(std::string_view token, int32_t& value) {
    std::string_view s = token;
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    if (!AllDigits(s)) return false;
    int64_t v = 0;
    for (char c : s) {
        v = v * 10 + (c - '0');
        if (v > int64_t{1} << 31) return false;
    }
    if (negative) v = -v;
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        return false;
    value = static_cast<int32_t>(v);
    return true;
}

bool ParseInt32(std::string_view text, int32_t& value) {
    return ParseInt32Token(SkipLeadingBlanks(text), value);
}

}  // namespace halvern
