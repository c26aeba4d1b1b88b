#include "orientation/OrientPoints.h"

#include "FileSafety.h"
#include "text/FilledLines.h"

namespace velkor {

void TOrientPoints::clear() {
    x.clear();
    y.clear();
    z.clear();
}

void TOrientPoints::add(double px, double py, double pz) {
    x.push_back(px);
    y.push_back(py);
    z.push_back(pz);
}

bool ReadPointFile(const std::string& path, TOrientPoints& points) {
    points.clear();
    std::string bytes;
    if (!halvern::ReadFileBytes(path, bytes)) return false;
    FilledLines lines(std::move(bytes));
    halvern::TextReader line;
    while (lines.next(line)) {
        double x = 0, y = 0, z = 0;
        if (!ReadLineReal(line, x) || !ReadLineReal(line, y) || !ReadLineReal(line, z))
            return false;
        points.add(x, y, z);
    }
    return true;
}

void StepDisplay(TOrientPoints& points, RotationPlane plane, double radians) {
    const TTurn turn = RadianTurn(radians);
    for (size_t k = 0; k < points.x.size(); ++k)
        StepPoint(plane, turn, points.x[k], points.y[k], points.z[k]);
}

void TurnDisplay(TOrientPoints& points, double xyRadians, double yzRadians, double zxRadians) {
    const TDisplayTurns turns{RadianTurn(xyRadians), RadianTurn(yzRadians), RadianTurn(zxRadians)};
    for (size_t k = 0; k < points.x.size(); ++k)
        TurnDisplayPoint(turns, points.x[k], points.y[k], points.z[k]);
}

int32_t TestOrientation(TOrientPoints& points, const TOrientParams& params) {
    const Orientation orientation(params);
    TOrientPoints kept;
    for (size_t k = 0; k < points.x.size(); ++k) {
        double x = points.x[k], y = points.y[k], z = points.z[k];
        if (orientation.apply(x, y, z)) kept.add(x, y, z);
    }
    points = std::move(kept);
    return points.count();
}

}  // namespace velkor
