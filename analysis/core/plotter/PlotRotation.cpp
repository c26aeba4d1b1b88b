#include "plotter/PlotRotation.h"

#include <cmath>

#include "SingleReal.h"

namespace halvern {

namespace {

constexpr float kStepRadians = 0.08726646f;  // 5 degrees
constexpr long double kRadiansPerDegree = 0.017453292519943295769L;
constexpr float kFullTurn = 6.283185307179586477f;

// Sine and cosine of the single-precision angle.
struct Turn {
    long double c, s;
    explicit Turn(float angle) : c(std::cos(static_cast<long double>(angle))),
                                 s(std::sin(static_cast<long double>(angle))) {}
};

// (u, w) := (c u - s w, s u + c w) for every record: u turns towards w.
void Turn2(std::vector<float>& u, std::vector<float>& w, Turn t) {
    for (size_t k = 0; k < u.size(); ++k) {
        const long double a = u[k], b = w[k];
        u[k] = ToSingle(t.c * a - t.s * b);
        w[k] = ToSingle(t.s * a + t.c * b);
    }
}

float Wrapped(float angle) {
    if (angle >= kFullTurn) return angle - kFullTurn;
    if (angle <= -kFullTurn) return angle + kFullTurn;
    return angle;
}

}  // namespace

void RotateStep(TrajectoryData& data, PlotView& view, RotationPlane plane, bool next) {
    const float a = next ? kStepRadians : -kStepRadians;
    switch (plane) {
        case RotationPlane::XY:
            view.rxy += a;
            Turn2(data.x, data.y, Turn(a));
            break;
        case RotationPlane::YZ:
            view.ryz += a;
            Turn2(data.y, data.z, Turn(a));
            break;
        case RotationPlane::ZX:
            view.rzx += a;
            Turn2(data.x, data.z, Turn(a));
            break;
    }
}

std::array<std::string, 3> StepAngleTexts(RotationPlane plane, bool next) {
    std::array<std::string, 3> texts = {"0.0", "0.0", "0.0"};
    texts[static_cast<size_t>(plane)] = next ? "5" : "-5";
    return texts;
}

void ApplyRotation(TrajectoryData& data, PlotView& view, long double xyDegrees,
                   long double yzDegrees, long double zxDegrees) {
    const auto a = static_cast<float>(xyDegrees * kRadiansPerDegree);
    const auto b = static_cast<float>(yzDegrees * kRadiansPerDegree);
    const auto c = static_cast<float>(zxDegrees * kRadiansPerDegree);
    view.rxy = Wrapped(view.rxy + a);
    view.ryz = Wrapped(view.ryz + b);
    view.rzx = Wrapped(view.rzx + c);
    // x' = cos a x + sin a y: the xy and yz turns by -a and -b, the zx turn by c.
    Turn2(data.x, data.y, Turn(-a));
    Turn2(data.y, data.z, Turn(-b));
    Turn2(data.x, data.z, Turn(c));
}

}  // namespace halvern
