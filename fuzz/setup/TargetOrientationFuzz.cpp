// The target orientation window's readers on one file: the points shown (with a Test and the
// projection's depth sort) and "Apply", whose output must read back atom for atom.
#include <limits>

#include "FileSafety.h"
#include "FuzzFiles.h"
#include "MessageSink.h"
#include "orientation/OrientPoints.h"
#include "orientation/Projection.h"
#include "orientation/ReorientWriters.h"
#include "targets/TargetAtomLine.h"
#include "text/FilledLines.h"

namespace {

// Every line of a written file is an atom line; gives their number.
size_t AtomLines(const std::string& path) {
    std::string bytes;
    if (!halvern::ReadFileBytes(path, bytes)) std::abort();
    velkor::FilledLines lines(std::move(bytes));
    halvern::TextReader line;
    velkor::TTargetAtom atom;
    size_t n = 0;
    while (lines.next(line)) {
        if (!velkor::ReadTargetAtom(line, atom)) std::abort();
        ++n;
    }
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velkor;
    if (size > 1 << 16) return 0;
    const std::string source = halvern::fuzz::WriteScratchFile("fuzz.trg", halvern::fuzz::AsText(data, size));
    TOrientPoints points;
    const bool shown = ReadPointFile(source, points);
    TProjection projection;
    for (Perspective p : {Perspective::XY, Perspective::YZ, Perspective::XZ})
        ProjectPoints(points, p, projection);

    TOrientParams keepAll;
    keepAll.zRot = 45;
    keepAll.xRot = 54.7356103172453;
    const double far = std::numeric_limits<double>::max();
    keepAll.xLo = keepAll.yLo = keepAll.zLo = -far;
    keepAll.xHi = keepAll.yHi = keepAll.zHi = far;
    TestOrientation(points, keepAll);

    halvern::RecordingSink sink;
    const std::string destination = halvern::fuzz::ScratchPath("turned.trg");
    std::filesystem::remove(destination);
    if (WriteReorientedTarget(source, destination, keepAll, sink)) {
        // Every atom of a readable file is kept and written as one atom line.
        if (!shown || AtomLines(destination) != static_cast<size_t>(points.count())) std::abort();
    }
    return 0;
}
