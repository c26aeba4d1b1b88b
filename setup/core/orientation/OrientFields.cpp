#include "orientation/OrientFields.h"

#include "NumberText.h"

namespace velkor {

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;

constexpr TOrientFieldSpecs MakeSpecs(const char* zLo, const char* zHi) {
    return {{
        {"zrot", -360, 360, "0"},     {"xrot", -360, 360, "0"},     {"yrot", -360, 360, "0"},
        {"xlo", -200, 200, "-100.0"}, {"xhi", -200, 200, "100.0"},  {"ylo", -200, 200, "-100.0"},
        {"yhi", -200, 200, "100.0"},  {"zlo", -200, 200, zLo},      {"zhi", -200, 200, zHi},
        {"rlo", 0, 200, "0.0"},       {"rhi", 0, 200, "100.0"},     {"xax", -200, 200, "0.0"},
        {"yax", -200, 200, "0.0"},    {"zax", -200, 200, "0.0"},    {"angxy", -360, 360, "0.0"},
        {"angyz", -360, 360, "0.0"},  {"angzx", -360, 360, "0.0"},
    }};
}

constexpr TOrientFieldSpecs kTargetFields = MakeSpecs("-100.0", "100.0");
constexpr TOrientFieldSpecs kImpactFields = MakeSpecs("-1000.0", "1000.0");

}  // namespace

const TOrientFieldSpecs& TargetOrientFields() {
    return kTargetFields;
}

const TOrientFieldSpecs& ImpactOrientFields() {
    return kImpactFields;
}

bool ReadOrientParams(const TOrientTexts& texts, CutType cut, TOrientReading& reading,
                      halvern::MessageSink& sink) {
    std::array<double, kOrientFieldCount> values{};
    for (size_t k = 0; k < kOrientFieldCount; ++k) {
        long double value = 0;
        if (!halvern::ParseReal(texts[k], value)) {
            sink.error("Numeric conversion error (" + texts[k] + ")");
            return false;
        }
        values[k] = static_cast<double>(value);
    }
    auto at = [&](OrientField f) { return values[static_cast<size_t>(f)]; };
    TOrientParams& p = reading.params;
    p.zRot = at(OrientField::ZRot);
    p.xRot = at(OrientField::XRot);
    p.yRot = at(OrientField::YRot);
    p.xLo = at(OrientField::XLo);
    p.xHi = at(OrientField::XHi);
    p.yLo = at(OrientField::YLo);
    p.yHi = at(OrientField::YHi);
    p.zLo = at(OrientField::ZLo);
    p.zHi = at(OrientField::ZHi);
    p.rLo = at(OrientField::RLo);
    p.rHi = at(OrientField::RHi);
    p.shiftX = at(OrientField::ShiftX);
    p.shiftY = at(OrientField::ShiftY);
    p.shiftZ = at(OrientField::ShiftZ);
    p.cut = cut;
    reading.angXY = at(OrientField::AngXY) * kRadiansPerDegree;
    reading.angYZ = at(OrientField::AngYZ) * kRadiansPerDegree;
    reading.angZX = at(OrientField::AngZX) * kRadiansPerDegree;
    return true;
}

}  // namespace velkor
