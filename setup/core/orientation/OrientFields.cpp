#include "orientation/OrientFields.h"

#include "NumberText.h"

namespace velkor {

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;

// Every field takes 8 characters.
constexpr RealFieldSpec Field(long double min, long double max, const char* text) {
    return {min, max, 8, text};
}

constexpr TOrientFieldSpecs MakeSpecs(const char* zLo, const char* zHi) {
    return {{
        {"zrot", Field(-360, 360, "0")},      {"xrot", Field(-360, 360, "0")},
        {"yrot", Field(-360, 360, "0")},      {"xlo", Field(-200, 200, "-100.0")},
        {"xhi", Field(-200, 200, "100.0")},   {"ylo", Field(-200, 200, "-100.0")},
        {"yhi", Field(-200, 200, "100.0")},   {"zlo", Field(-200, 200, zLo)},
        {"zhi", Field(-200, 200, zHi)},       {"rlo", Field(0, 200, "0.0")},
        {"rhi", Field(0, 200, "100.0")},      {"xax", Field(-200, 200, "0.0")},
        {"yax", Field(-200, 200, "0.0")},     {"zax", Field(-200, 200, "0.0")},
        {"angxy", Field(-360, 360, "0.0")},   {"angyz", Field(-360, 360, "0.0")},
        {"angzx", Field(-360, 360, "0.0")},
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
