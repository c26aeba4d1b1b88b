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

std::string LimitRule(const InputLimit& limit, const std::string& unit) {
    return "must lie in " + ValueText(static_cast<double>(limit.min)) + ".." +
           ValueText(static_cast<double>(limit.max)) + unit;
}

void ValueChecks::inLimit(const std::string& what, double value, int line, const InputLimit& limit,
                          const std::string& unit) {
    require(limit.holds(value), what, ValueText(value), line, LimitRule(limit, unit));
}

}  // namespace halvern
