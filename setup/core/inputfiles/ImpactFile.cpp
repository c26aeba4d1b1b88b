#include "inputfiles/ImpactFile.h"

#include "FileSafety.h"
#include "impacts/ImpactLines.h"
#include "inputfiles/InputFileIO.h"
#include "text/FilledLines.h"
#include "text/TextConversions.h"

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

TMeshNumbers MeshNumbersOf(const TImpactSpec& spec, halvern::MessageSink& sink) {
    auto real = [&](std::string_view text) { return static_cast<double>(TextToReal(sink, text)); };
    TMeshNumbers mesh;
    TMeshBounds& b = mesh.layout.bounds;
    b.bxMin = real(spec.BxMin);
    b.bxMax = real(spec.BxMax);
    b.byMin = real(spec.ByMin);
    b.byMax = real(spec.ByMax);
    mesh.z0 = real(spec.Z0);
    mesh.layout.nx = spec.Nx;
    mesh.layout.ny = spec.Ny;
    mesh.layout.angle = spec.Angle;
    mesh.density = spec.Density;
    return mesh;
}

TMeshBounds QuietMeshBounds(const TImpactSpec& spec) {
    auto real = [](std::string_view text) { return static_cast<double>(TextToRealQuiet(text)); };
    return {real(spec.BxMin), real(spec.BxMax), real(spec.ByMin), real(spec.ByMax)};
}

bool WriteImpactFile(const TImpactSpec& spec, const std::string& path, halvern::MessageSink& sink) {
    return WriteImpactMesh(MeshNumbersOf(spec, sink), path, sink);
}

}  // namespace velkor
