#include "host/EngineHost.h"

#include "ShortString.h"

namespace halvern {

void LogLine(EngineHost& host, const std::string& line, ColourRef colour) {
    host.logLine(CutTo(line, 100), colour);
}

void RecordingHost::logLine(const std::string& line, ColourRef colour) {
    lines.push_back({line, colour});
}

void RecordingHost::graphFrame(const TGraphFrame& frame) {
    ++frames;
    lastFrameN = frame.N;
    lastFrameTime = frame.t;
}

void RecordingHost::pumpEvents() {
    ++pumps;
    if (onPump) onPump(*this);
}

std::vector<std::string> RecordingHost::texts() const {
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (const Line& l : lines) out.push_back(l.text);
    return out;
}

int RecordingHost::find(const std::string& text) const {
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].text == text) return static_cast<int>(i);
    return -1;
}

}  // namespace halvern
