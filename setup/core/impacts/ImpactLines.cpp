#include "impacts/ImpactLines.h"

#include "NumberText.h"
#include "text/FilledLines.h"

namespace velkor {

using halvern::FormatFixed;

std::string MeshPointText(double x, double y, double z0) {
    return FormatFixed(x, 10, 8) + " " + FormatFixed(y, 10, 8) + " " + FormatFixed(z0, 10, 8);
}

std::string ReorientedPointText(double x, double y, double z) {
    return halvern::FormatScientific(x) + " " + halvern::FormatScientific(y) + " " +
           halvern::FormatScientific(z);
}

std::string MeshHeaderText(const TMeshHeader& h) {
    std::string text;
    for (const double value : {h.bxMin, h.bxMax, h.byMin, h.byMax, h.angle})
        text += " " + FormatFixed(value, 8, 6);
    for (const int32_t value : {h.density, h.nx, h.ny}) text += " " + halvern::FormatInt(value);
    return text + " " + FormatFixed(h.z0, 8, 6);
}

HeaderKind ReadMeshHeader(halvern::TextReader& line, TMeshHeader& h) {
    if (AtLineEnd(line)) return HeaderKind::None;
    const bool read = ReadLineReal(line, h.bxMin) && ReadLineReal(line, h.bxMax) &&
                      ReadLineReal(line, h.byMin) && ReadLineReal(line, h.byMax) &&
                      ReadLineReal(line, h.angle) && ReadLineInt(line, h.density) &&
                      ReadLineInt(line, h.nx) && ReadLineInt(line, h.ny);
    if (!read) return HeaderKind::Broken;
    if (AtLineEnd(line)) return HeaderKind::NoZ0;
    return ReadLineReal(line, h.z0) ? HeaderKind::Complete : HeaderKind::Broken;
}

}  // namespace velkor
