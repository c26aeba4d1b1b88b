// The spline data reader, and the potential graph's drawing and read-out of what it read.
#include <cstdlib>

#include "FuzzFiles.h"
#include "composite/PotentialPlot.h"
#include "composite/SplineDataFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velkor;
    TPotentialCurve curve;
    if (!ParsePotentialData(halvern::fuzz::AsText(data, size), curve)) return 0;
    if (curve.count() > kMaxCurvePoints || curve.r.size() != curve.value.size()) std::abort();
    TPotlGraphView view;
    for (int zoom = 0; zoom < 3; ++zoom) {
        const TPotlDrawing d = LayOutPotentialPlot(view, curve, 460, 340);
        if (d.curve.size() > curve.count()) std::abort();
        (void)PotentialReadOut(view, curve, 460, 340, kPotentialCaption, 123, 45);
        ApplyPotlGraphCommand(view, PotlGraphCommand::XZoomIn);
        ApplyPotlGraphCommand(view, PotlGraphCommand::YZoomOut);
    }
    return 0;
}
