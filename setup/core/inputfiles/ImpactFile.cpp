#include "inputfiles/ImpactFile.h"

#include "FileSafety.h"
#include "impacts/ImpactLines.h"
#include "inputfiles/InputFileIO.h"
#include "text/FilledLines.h"

namespace velkor {

namespace {

constexpr const char* kVersion1Warning =
    "File seems to have version 1 format:\rSetting z0 parameter to default value (3 A)";

// The mesh header of the file's first line; false when the line holds none.
bool ReadFirstLineHeader(const std::string& bytes, TMeshHeader& header, bool& version1) {
    FilledLines lines(bytes);
    halvern::TextReader line;
    double x = 0, y = 0, z = 0;
    if (!lines.next(line) || !ReadLineReal(line, x) || !ReadLineReal(line, y) ||
        !ReadLineReal(line, z))
        return false;
    switch (ReadMeshHeader(line, header)) {
        case HeaderKind::Complete:
            version1 = false;
            return true;
        case HeaderKind::NoZ0:
            version1 = true;
            header.z0 = 3.0;
            return true;
        case HeaderKind::None:
        case HeaderKind::Broken:
            break;
    }
    return false;
}

}  // namespace

bool LoadImpFile(const std::string& path, TImpactSpec& spec, halvern::MessageSink& sink) {
    std::string bytes;
    TMeshHeader header;
    bool version1 = false;
    if (!halvern::ReadFileBytes(path, bytes) || !ReadFirstLineHeader(bytes, header, version1) ||
        header.density < 0 || header.density > kWeightedDensity)
        return false;
    if (version1) sink.warning(kVersion1Warning);

    TImpactSpec read = spec;
    LoaderInput fit;  // collects a value that no field can hold
    SetFittedReal(fit, read.BxMin, header.bxMin);
    SetFittedReal(fit, read.BxMax, header.bxMax);
    SetFittedReal(fit, read.ByMin, header.byMin);
    SetFittedReal(fit, read.ByMax, header.byMax);
    SetFittedReal(fit, read.Z0, header.z0);
    if (!fit.ok()) return false;
    read.Nx = header.nx;
    read.Ny = header.ny;
    read.Angle = header.angle;
    read.Density = static_cast<uint16_t>(header.density);
    spec = read;
    return true;
}

}  // namespace velkor
