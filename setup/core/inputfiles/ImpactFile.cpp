#include "inputfiles/ImpactFile.h"

#include <cmath>

#include "inputfiles/InputFileIO.h"

namespace velkor {

bool LoadImpFile(const std::string& path, TImpactSpec& spec, halvern::MessageSink& sink) {
    LoaderInput in;
    if (!in.open(path)) return false;
    for (int k = 0; k < 3; ++k) in.realOnLine();  // the first impact point
    const long double bxMin = in.realOnLine();
    const long double bxMax = in.realOnLine();
    const long double byMin = in.realOnLine();
    const long double byMax = in.realOnLine();
    TImpactSpec read = spec;
    read.Angle = static_cast<double>(in.realOnLine());
    const int32_t density = in.intOnLine();
    read.Nx = in.intOnLine();
    read.Ny = in.intOnLine();
    long double z0 = 3.0L;
    if (!in.lineEndsHere())
        z0 = in.realValue();
    else if (in.ok())
        sink.warning(
            "File seems to have version 1 format:\rSetting z0 parameter to default value (3 A)");
    in.endLine();
    if (density < 0 || density > kWeightedDensity || !std::isfinite(read.Angle)) in.refuse();
    read.Density = static_cast<uint16_t>(density);
    SetFittedReal(in, read.BxMin, bxMin);
    SetFittedReal(in, read.BxMax, bxMax);
    SetFittedReal(in, read.ByMin, byMin);
    SetFittedReal(in, read.ByMax, byMax);
    SetFittedReal(in, read.Z0, z0);
    if (!in.ok()) return false;
    spec = read;
    return true;
}

}  // namespace velkor
