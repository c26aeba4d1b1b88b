#include "input/ImpactFile.h"

#include "FileSafety.h"
#include "input/InputChecks.h"

namespace halvern {

namespace {

// Longer lines are shown cut, so that the message fits its log line.
constexpr size_t kShownLineLength = 30;

}  // namespace

bool NextImpactLine(TextReader& in, TImpactLine& line) {
    if (in.seekEof()) return false;
    line = TImpactLine{};
    line.line = in.lineNumber();
    line.text = in.readLine();
    TextReader values(line.text);
    double* fields[] = {&line.x, &line.y, &line.height};
    for (double* field : fields) {
        if (values.seekEof()) break;
        *field = static_cast<double>(values.readReal());
        if (values.failed()) break;
        ++line.numbers;
    }
    return true;
}

bool CheckImpactLine(const TImpactLine& line, const std::string& fileName, EngineHost& host) {
    ValueChecks check{host, fileName};
    if (line.numbers < 3) {
        const std::string shown = line.text.size() > kShownLineLength
                                      ? line.text.substr(0, kShownLineLength) + "..."
                                      : line.text;
        check.require(false, "Impact line", "\"" + shown + "\"", line.line,
                      "must hold three numbers (x, y, height)");
        return false;
    }
    check.inLimit("Impact offset x", line.x, line.line, limits::Coordinate, " A");
    check.inLimit("Impact offset y", line.y, line.line, limits::Coordinate, " A");
    check.inLimit("Impact height", line.height, line.line, limits::ImpactHeight, " A");
    return check.ok;
}

bool CheckImpactFile(const TextReader& impacts, const std::string& fileName, EngineHost& host) {
    TextReader in = impacts;
    TImpactLine line;
    int points = 0;
    while (NextImpactLine(in, line)) {
        if (!CheckImpactLine(line, fileName, host)) return false;
        ++points;
    }
    if (points > 0) return true;
    LogLine(host, "  ++++ Error ++++", colour::Red);
    LogLine(host, "  No impact point in " + FileNameOf(fileName), colour::Red);
    return false;
}

}  // namespace halvern
