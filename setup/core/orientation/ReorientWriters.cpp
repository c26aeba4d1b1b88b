#include "orientation/ReorientWriters.h"

#include <cmath>

#include "FileSafety.h"
#include "NumberText.h"
#include "impacts/ImpactLines.h"
#include "targets/TargetAtomLine.h"
#include "targets/TargetFileWriter.h"
#include "text/FilledLines.h"
#include "text/LineFileWriter.h"
#include "text/TextConversions.h"

namespace velkor {

namespace {

constexpr const char* kSameFile = "Source and destination files must be different";
constexpr const char* kTargetDiskError = "Error occurred while reading/writing disk.";
constexpr const char* kImpactDiskError = " Disk error during data transfer.";

// The source's lines, read whole before the destination is opened; false after the sink was
// told why.
bool ReadSource(const std::string& source, const std::string& destination,
                const char* diskError, halvern::MessageSink& sink, std::string& bytes) {
    if (halvern::SameFile(source, destination)) {
        sink.error(kSameFile);
        return false;
    }
    if (!halvern::ReadFileBytes(source, bytes)) {
        sink.error(halvern::OpenFailureText(diskError, source));
        return false;
    }
    return true;
}

// A coordinate that would be written as "-0.00000" is rounding noise of a turn; it is written
// as zero.
double CleanZero(double value) {
    return std::fabs(value) < 0.5e-5 ? 0.0 : value;
}

void ReportNothingKept(const char* what, halvern::MessageSink& sink) {
    sink.info(std::string("The cut keeps no ") + what + ": no file was written.");
}

// Reads the first impact line's mesh parameters; false for a line that holds only part of them.
bool ReadFirstImpactLine(halvern::TextReader& line, double z, bool& hasHeader,
                         TMeshHeader& header, halvern::MessageSink& sink) {
    switch (ReadMeshHeader(line, header)) {
        case HeaderKind::None:
            hasHeader = false;
            return true;
        case HeaderKind::Complete:
            hasHeader = true;
            return true;
        case HeaderKind::NoZ0:
            ShowWarning(sink, "File seems to be version 1 format.\rSetting z0 parameter to " +
                                  halvern::ShortestRealText(z) + ".");
            header.z0 = z;
            hasHeader = true;
            return true;
        case HeaderKind::Broken:
            break;
    }
    return false;
}

}  // namespace

bool WriteReorientedTarget(const std::string& source, const std::string& destination,
                           const TOrientParams& params, halvern::MessageSink& sink) {
    std::string bytes;
    if (!ReadSource(source, destination, kTargetDiskError, sink, bytes)) return false;
    const Orientation orientation(params);
    TargetFileWriter writer;
    if (!writer.open(destination)) {
        sink.error(writer.failureText(kTargetDiskError));
        return false;
    }
    FilledLines lines(std::move(bytes));
    halvern::TextReader line;
    TTargetAtom atom;
    int64_t kept = 0;
    while (lines.next(line)) {
        if (!ReadTargetAtom(line, atom)) {
            sink.error(kTargetDiskError);
            return false;
        }
        double x = static_cast<double>(atom.x), y = static_cast<double>(atom.y),
               z = static_cast<double>(atom.z);
        if (!orientation.apply(x, y, z)) continue;
        ++kept;
        writer.atom(CleanZero(x), CleanZero(y), CleanZero(z), SpeciesColumns(atom.AtomicNumber, atom.Mass, atom.Flags, atom.Symbol));
    }
    if (kept == 0) {
        ReportNothingKept("atom", sink);
        return false;
    }
    if (!writer.finish()) {
        sink.error(writer.failureText(kTargetDiskError));
        return false;
    }
    return true;
}

bool WriteReorientedImpacts(const std::string& source, const std::string& destination,
                            const TOrientParams& params, halvern::MessageSink& sink) {
    std::string bytes;
    if (!ReadSource(source, destination, kImpactDiskError, sink, bytes)) return false;
    const Orientation orientation(params);
    LineFileWriter out;
    if (!out.open(destination)) {
        sink.error(out.failureText(kImpactDiskError));
        return false;
    }
    FilledLines lines(std::move(bytes));
    halvern::TextReader line;
    TMeshHeader header;
    bool first = true, hasHeader = false, headerPending = false;
    int64_t kept = 0;
    while (lines.next(line)) {
        double x = 0, y = 0, z = 0;
        bool read = ReadLineReal(line, x) && ReadLineReal(line, y) && ReadLineReal(line, z);
        if (read && first) {
            read = ReadFirstImpactLine(line, z, hasHeader, header, sink);
            headerPending = hasHeader;
            first = false;
        }
        if (!read) {
            sink.error(kImpactDiskError);
            return false;
        }
        if (!orientation.apply(x, y, z)) continue;
        ++kept;
        out.write(ReorientedPointText(x, y, z));
        if (headerPending) out.write(MeshHeaderText(header));
        headerPending = false;
        out.write(kLineEnd);
    }
    if (kept == 0) {
        ReportNothingKept("impact point", sink);
        return false;
    }
    if (!out.finish()) {
        sink.error(out.failureText(kImpactDiskError));
        return false;
    }
    return true;
}

}  // namespace velkor
