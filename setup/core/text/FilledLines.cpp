#include "text/FilledLines.h"

#include <cmath>

namespace velkor {

bool IsBlankLine(std::string_view line) {
    for (const char c : line)
        if (static_cast<unsigned char>(c) > 32) return false;
    return true;
}

bool FilledLines::next(halvern::TextReader& line) {
    while (!file_.eof()) {
        ++lineNumber_;
        std::string text = file_.readLine();
        if (IsBlankLine(text)) continue;
        line = halvern::TextReader(std::move(text));
        return true;
    }
    return false;
}

bool ReadLineReal(halvern::TextReader& line, long double& value) {
    if (AtLineEnd(line)) return false;
    value = line.readReal();
    return !line.failed();
}

bool ReadLineReal(halvern::TextReader& line, double& value) {
    long double v = 0;
    const bool ok = ReadLineReal(line, v);
    value = static_cast<double>(v);
    return ok && std::isfinite(value);  // beyond the range of a double is no coordinate
}

bool ReadLineInt(halvern::TextReader& line, int32_t& value) {
    if (AtLineEnd(line)) return false;
    value = line.readInt();
    return !line.failed();
}

}  // namespace velkor
