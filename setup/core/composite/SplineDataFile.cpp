#include "composite/SplineDataFile.h"

#include "FileSafety.h"
#include "NumberText.h"
#include "SingleReal.h"
#include "TextReader.h"
#include "text/FilledLines.h"

namespace velkor {

std::string SplineDataLine(double rAngstrom, double value) {
    return halvern::FormatScientific(rAngstrom) + " " + halvern::FormatScientific(value) +
           " 0.0\r\n";
}

bool ParsePotentialData(std::string_view bytes, TPotentialCurve& curve) {
    TPotentialCurve read;
    halvern::TextReader reader{std::string(bytes)};
    while (!reader.eof() && read.count() < kMaxCurvePoints) {
        const std::string text = reader.readLine();
        if (IsBlankLine(text)) break;
        halvern::TextReader line(text);
        long double r = 0, value = 0;
        if (!ReadLineReal(line, r) || !ReadLineReal(line, value) || !halvern::FitsSingle(r) ||
            !halvern::FitsSingle(value))
            return false;
        read.r.push_back(static_cast<float>(r));
        read.value.push_back(static_cast<float>(value));
    }
    curve = std::move(read);
    return true;
}

bool LoadPotentialData(const std::string& name, TPotentialCurve& curve,
                       halvern::MessageSink& sink) {
    curve = {};
    std::string bytes;
    if (halvern::ReadFileBytes(name, bytes) && ParsePotentialData(bytes, curve)) return true;
    sink.error(halvern::OpenFailureText("Error reading " + name + ".", name));
    return false;
}

}  // namespace velkor
