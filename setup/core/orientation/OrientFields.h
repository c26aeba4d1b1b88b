// The edits of the two orientation windows: names, ranges and starting texts, and their
// conversion into the orientation parameters and display angles.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "MessageSink.h"
#include "orientation/OrientParams.h"
#include "text/FieldSpec.h"

namespace velkor {

// In the order the window reads them.
enum class OrientField : size_t {
    ZRot, XRot, YRot,
    XLo, XHi, YLo, YHi, ZLo, ZHi, RLo, RHi,
    ShiftX, ShiftY, ShiftZ,
    AngXY, AngYZ, AngZX,
    Count
};
inline constexpr size_t kOrientFieldCount = static_cast<size_t>(OrientField::Count);

struct TOrientFieldSpec {
    const char* name;  // the control's name
    RealFieldSpec field;
};

using TOrientFieldSpecs = std::array<TOrientFieldSpec, kOrientFieldCount>;
const TOrientFieldSpecs& TargetOrientFields();
// As the target window's, with the z limits at -1000 and 1000.
const TOrientFieldSpecs& ImpactOrientFields();

using TOrientTexts = std::array<std::string, kOrientFieldCount>;

struct TOrientReading {
    TOrientParams params;
    double angXY = 0, angYZ = 0, angZX = 0;  // display rotation angles, radians
};

// Converts every text; a text that is no number shows "Numeric conversion error (text)" and
// gives false, so the command stops.
bool ReadOrientParams(const TOrientTexts& texts, CutType cut, TOrientReading& reading,
                      halvern::MessageSink& sink);

}  // namespace velkor
