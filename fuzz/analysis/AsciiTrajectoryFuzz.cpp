// The trajectory plotter's ASCII trajectory reader: the lines read from memory and from a file
// in small blocks agree, the file reader gives the records of the text, and whatever is read can
// be framed both ways, projected and mapped to pixels.
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzFiles.h"
#include "MessageSink.h"
#include "TextLines.h"
#include "plotter/FrameList.h"
#include "plotter/PlotProjection.h"
#include "plotter/PlotView.h"
#include "plotter/TrajectoryReaders.h"

namespace {

using namespace halvern;

std::vector<std::string> LinesOf(TextLines& lines) {
    std::vector<std::string> got;
    std::string_view line;
    while (lines.next(line)) got.emplace_back(line);
    return got;
}

// Bit for bit, so that NaN equals NaN.
bool SameBits(const std::vector<float>& a, const std::vector<float>& b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0);
}

bool SameRecords(const TrajectoryData& a, const TrajectoryData& b) {
    return a.particle == b.particle && SameBits(a.x, b.x) && SameBits(a.y, b.y) &&
           SameBits(a.z, b.z) && SameBits(a.time, b.time);
}

void FrameAndDraw(const TrajectoryData& data, Framing framing, int32_t perFrame) {
    RecordingSink sink;
    const std::vector<TFrame> frames = BuildFrameList(sink, data, framing, perFrame);
    FrameArrays arrays;
    if (!arrays.allocate(LargestFrame(frames))) std::abort();
    const PlotView view;
    for (const TFrame& frame : frames) {
        if (frame.first < 0 || frame.last >= data.count() || frame.first > frame.last) std::abort();
        ProjectFrame(data, frame, Perspective::XY, arrays);
        for (int32_t k = 0; k < arrays.count; ++k) {
            PlotPixel p;
            PlotScreenPoint(view, 420, arrays.horizontal[k], arrays.vertical[k], p);
        }
        FrameTimeText(data, frame);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    const std::string file = fuzz::WriteScratchFile("trajectory.dat", text);
    TextLines memory;
    memory.assign(text);
    TextLines blocks(3);
    if (!blocks.open(file) || LinesOf(memory) != LinesOf(blocks)) std::abort();

    for (const DisplayType display : {DisplayType::Spatial, DisplayType::Momenta}) {
        TrajectoryData fromText, fromFile;
        const ReadOutcome a = ReadAsciiTrajectoryText(text, display, fromText);
        const ReadOutcome b = ReadAsciiTrajectory(file, display, fromFile);
        if (a != b || !SameRecords(fromText, fromFile)) std::abort();
        FrameAndDraw(fromText, Framing::TimeBased, 1);
        FrameAndDraw(fromText, Framing::Constant, size > 0 ? 1 + data[0] % 7 : 1);
    }
    return 0;
}
