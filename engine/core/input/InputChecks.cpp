#include "input/InputChecks.h"

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

}  // namespace halvern
