#include "text/TextConversions.h"

#include "NumberText.h"

namespace velkor {

namespace {

std::string ConversionErrorText(std::string_view text) {
    return "Numeric conversion error (" + std::string(text) + ")";
}

}  // namespace

long double TextToReal(halvern::MessageSink& sink, std::string_view text) {
    long double value = 0;
    if (halvern::ParseReal(text, value)) return value;
    sink.error(ConversionErrorText(text));
    return 0;
}

long double TextToRealQuiet(std::string_view text) {
    long double value = 0;
    return halvern::ParseReal(text, value) ? value : 0;
}

int32_t TextToInt(halvern::MessageSink& sink, std::string_view text) {
    int32_t value = 0;
    if (halvern::ParseInt32(text, value)) return value;
    sink.error(ConversionErrorText(text));
    return 0;
}

int32_t TextToIntQuiet(std::string_view text) {
    int32_t value = 0;
    return halvern::ParseInt32(text, value) ? value : 0;
}

std::string FormatReal(int width, int decimals, long double x) {
    return halvern::FormatFixed(x, width, decimals);
}

std::optional<std::string> FitRealText(long double x, size_t width) {
    constexpr int kMostDigits = 15;
    for (int digits = kMostDigits; digits >= 1; --digits) {
        for (const std::string& text :
             {halvern::FormatGeneral(x, digits), halvern::FormatGeneralScientific(x, digits)})
            if (text.size() <= width) return text;
    }
    return std::nullopt;
}

std::optional<std::string> FitFixedText(long double x, int minDecimals, int maxDecimals,
                                        size_t width) {
    for (int decimals = maxDecimals; decimals >= 0; --decimals) {
        std::string text = halvern::FormatFixed(x, 0, decimals);
        if (const size_t point = text.find('.');
            decimals == maxDecimals && point != std::string::npos) {
            const size_t keep = point + 1 + static_cast<size_t>(minDecimals);
            while (text.size() > keep && text.back() == '0') text.pop_back();
            if (text.back() == '.') text.pop_back();
        }
        if (text.size() <= width) return text;
    }
    return FitRealText(x, width);
}

bool CheckRealText(halvern::MessageSink& sink, std::string_view text) {
    long double value = 0;
    if (!halvern::ParseReal(text, value)) {
        sink.error("Cannot convert " + std::string(text) + " to real number.");
        return false;
    }
    return value >= 0;
}

bool CheckIntText(halvern::MessageSink& sink, std::string_view text) {
    int32_t value = 0;
    if (!halvern::ParseInt32(text, value)) {
        sink.error("Cannot convert " + std::string(text) + " to integer.");
        return false;
    }
    return value > 0;
}

}  // namespace velkor
