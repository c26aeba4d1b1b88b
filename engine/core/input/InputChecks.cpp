#include "input/InputChecks.h"

#include <cmath>

#include "FileSafety.h"
#include "NumberText.h"

namespace halvern {

std::string BadValueText(const std::string& what, const std::string& value, int line,
                         const std::string& file, const std::string& rule) {
    return what + " " + value + " at line " + std::to_string(line) + " of " + file + " " + rule;
}

void ReportBadValue(EngineHost& host, const std::string& what, const std::string& value, int line,
                    const std::string& file, const std::string& rule) {
    LogLine(host, "  ++++ Error ++++", colour::Red);
    LogLine(host, "  " + BadValueText(what, value, line, FileNameOf(file), rule), colour::Red);
}

std::string ValueText(double value) {
    return ShortestRealText(value);
}

std::string ValueText(int value) {
    return std::to_string(value);
}

void ValueChecks::require(bool holds, const std::string& what, const std::string& value, int line,
                          const std::string& rule) {
    if (holds) return;
    ReportBadValue(host, what, value, line, file, rule);
    ok = false;
}

void ValueChecks::aboveAtMost(const std::string& what, double value, int line, double low,
                              double high, const std::string& unit) {
    if (!(value > low))
        require(false, what, ValueText(value), line, "must be above " + ValueText(low) + unit);
    else
        require(value <= high, what, ValueText(value), line,
                "must not exceed " + ValueText(high) + unit);
}

void ValueChecks::notNegativeAtMost(const std::string& what, double value, int line, double high,
                                    const std::string& unit) {
    if (!(value >= 0))
        require(false, what, ValueText(value), line, "must not be negative");
    else
        require(value <= high, what, ValueText(value), line,
                "must not exceed " + ValueText(high) + unit);
}

void ValueChecks::within(const std::string& what, double value, int line, double limit,
                         const std::string& unit) {
    require(std::fabs(value) <= limit, what, ValueText(value), line,
            "must lie in " + ValueText(-limit) + ".." + ValueText(limit) + unit);
}

}  // namespace halvern
