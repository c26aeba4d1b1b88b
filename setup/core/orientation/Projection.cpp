#include "orientation/Projection.h"

#include <cmath>

#include "NumberText.h"
#include "ShellSort.h"

namespace velkor {

namespace {

// Pixels stay far inside the int range, so a symbol around any drawn point cannot overflow.
constexpr double kPixelLimit = 1 << 24;

bool RoundPixel(double value, int32_t& out) {
    const double rounded = std::nearbyint(value);  // halves to even
    if (!(std::fabs(rounded) < kPixelLimit)) return false;
    out = static_cast<int32_t>(rounded);
    return true;
}

std::string ReadOut(const std::string& label, double offset, int32_t scale) {
    if (scale == 0) return label;
    return label + halvern::FormatFixed(offset / scale, 5, 2);
}

}  // namespace

const char* HorizLabel(Perspective perspective) {
    return perspective == Perspective::YZ ? "y:" : "x:";
}

const char* VertLabel(Perspective perspective) {
    return perspective == Perspective::XY ? "y:" : "z:";
}

void ProjectPoint(Perspective perspective, double x, double y, double z, double& u, double& v) {
    switch (perspective) {
        case Perspective::XY:
            u = x, v = y;
            return;
        case Perspective::YZ:
            u = y, v = z;
            return;
        case Perspective::XZ:
            u = x, v = z;
            return;
    }
}

void ProjectPoints(const TOrientPoints& points, Perspective perspective, TProjection& out) {
    const int32_t n = points.count();
    const std::vector<double>* axes[3] = {&points.x, &points.y, &points.z};
    switch (perspective) {
        case Perspective::XY:
            break;
        case Perspective::YZ:
            axes[0] = &points.y, axes[1] = &points.z, axes[2] = &points.x;
            break;
        case Perspective::XZ:
            axes[1] = &points.z, axes[2] = &points.y;
            break;
    }
    out.u = *axes[0];
    out.v = *axes[1];
    out.w = *axes[2];
    out.index.resize(static_cast<size_t>(n));
    for (int32_t k = 0; k < n; ++k) out.index[static_cast<size_t>(k)] = k;
    switch (perspective) {
        case Perspective::XY:
            return halvern::ShellSort(n, out.index.data(), out.w.data(), out.u.data(), out.v.data());
        case Perspective::YZ:
            return halvern::ShellSort(n, out.index.data(), out.u.data(), out.v.data(), out.w.data());
        case Perspective::XZ:
            return halvern::ShellSort(n, out.index.data(), out.v.data(), out.u.data(), out.w.data());
    }
}

bool ToPixel(const TPictureFrame& frame, double u, double v, TPixelPoint& pixel) {
    int32_t du = 0, dv = 0;
    if (!RoundPixel(frame.scale * u, du) || !RoundPixel(frame.scale * v, dv)) return false;
    pixel.x = du + frame.originX;
    pixel.y = frame.height - frame.originY - dv;
    return true;
}

std::string ReadOutHoriz(const TPictureFrame& frame, const std::string& label, int32_t pixelX) {
    return ReadOut(label, static_cast<double>(pixelX) - frame.originX, frame.scale);
}

std::string ReadOutVert(const TPictureFrame& frame, const std::string& label, int32_t pixelY) {
    return ReadOut(label, static_cast<double>(frame.height) - frame.originY - pixelY, frame.scale);
}

std::string RotationText(const char* prefix, double radians) {
    return prefix + halvern::FormatFixed(radians * 57.29577951308232, 5, 2);
}

}  // namespace velkor
