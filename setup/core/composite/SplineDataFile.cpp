#include "composite/SplineDataFile.h"

#include "FileSafety.h"
#include "NumberText.h"
#include "TextReader.h"

namespace velkor {

std::string SplineDataLine(double rAngstrom, double value) {
    return halvern::FormatScientific(rAngstrom) + " " + halvern::FormatScientific(value) +
           " 0.0\r\n";
}

bool ParsePotentialData(std::string_view bytes, TPotentialCurve& curve) {
    TPotentialCurve read;
    halvern::TextReader reader{std::string(bytes)};
    while (!reader.eof() && read.count() < kMaxCurvePoints) {
        const std::string line = reader.readLine();
        if (halvern::IsBlankLine(line)) break;
        long double pair[2];
        if (!halvern::ReadLineReals(line, pair, 2)) return false;
        read.r.push_back(static_cast<float>(pair[0]));
        read.value.push_back(static_cast<float>(pair[1]));
    }
    curve = std::move(read);
    return true;
}

bool LoadPotentialData(const std::string& name, TPotentialCurve& curve,
                       halvern::MessageSink& sink) {
    curve = {};
    std::string bytes;
    if (halvern::ReadFileBytes(name, bytes) && ParsePotentialData(bytes, curve)) return true;
    sink.error("Error reading " + name + ".");
    return false;
}

}  // namespace velkor
