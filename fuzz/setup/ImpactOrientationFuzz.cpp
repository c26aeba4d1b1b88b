// The impact-point orientation window's "Apply" on one file: the mesh header read from the first
// line and written behind the first kept point, and every point read back as it was turned.
#include <cmath>
#include <limits>

#include "FuzzFiles.h"
#include "MessageSink.h"
#include "orientation/OrientPoints.h"
#include "orientation/ReorientWriters.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velkor;
    if (size > 1 << 16) return 0;
    const std::string source = halvern::fuzz::WriteScratchFile("fuzz.imp", halvern::fuzz::AsText(data, size));
    TOrientPoints before;
    const bool readable = ReadPointFile(source, before);

    TOrientParams quarter;
    quarter.zRot = 90;
    const double far = std::numeric_limits<double>::max();
    quarter.xLo = quarter.yLo = quarter.zLo = -far;
    quarter.xHi = quarter.yHi = quarter.zHi = far;
    halvern::RecordingSink sink;
    const std::string destination = halvern::fuzz::ScratchPath("turned.imp");
    std::filesystem::remove(destination);
    if (!WriteReorientedImpacts(source, destination, quarter, sink)) return 0;

    // (x, y, z) became (-y, x, z), written with 15 significant digits.
    TOrientPoints after;
    if (!readable || !ReadPointFile(destination, after) || after.count() != before.count())
        std::abort();
    auto same = [](double written, double exact) {
        return std::fabs(written - exact) <= 1e-14 * std::fabs(exact) + 1e-300;
    };
    for (size_t k = 0; k < after.x.size(); ++k)
        if (!same(after.x[k], -before.y[k]) || !same(after.y[k], before.x[k]) ||
            !same(after.z[k], before.z[k]))
            std::abort();
    return 0;
}
