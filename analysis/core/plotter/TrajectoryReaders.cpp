#include "plotter/TrajectoryReaders.h"

#include <cctype>

#include "FileSafety.h"
#include "NumberText.h"
#include "SingleReal.h"
#include "TextLines.h"
#include "records/OslFile.h"

namespace halvern {

namespace {

bool IsSeparator(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// The next field of a line, or an empty view at its end.
std::string_view NextField(std::string_view& line) {
    size_t start = 0;
    while (start < line.size() && IsSeparator(line[start])) ++start;
    size_t stop = start;
    while (stop < line.size() && !IsSeparator(line[stop])) ++stop;
    const std::string_view field = line.substr(start, stop - start);
    line.remove_prefix(stop);
    return field;
}

bool NextReal(std::string_view& line, float& value) {
    long double v = 0;
    if (!ParseRealToken(NextField(line), v)) return false;
    value = ToSingle(v);
    return true;
}

template <class Lines>
ReadOutcome ReadAsciiLines(Lines&& openLines, DisplayType display, TrajectoryData& data,
                           LoadProgress* progress) {
    TextLines lines;
    if (!openLines(lines)) return ReadOutcome::ReadError;
    int64_t count = 0;
    std::string_view line;
    AsciiRecord record;
    for (int64_t read = 0; lines.next(line); ++read) {
        if (progress) progress->counted(read);
        std::string_view rest = line;
        if (!NextField(rest).empty()) ++count;
    }
    if (lines.failed()) return ReadOutcome::ReadError;
    if (!data.reserve(count)) return ReadOutcome::TooLarge;

    if (!openLines(lines)) return ReadOutcome::ReadError;
    while (data.count() < count && lines.next(line)) {
        if (progress) progress->read(data.count(), count);
        switch (ParseAsciiTrajectoryLine(line, display, record)) {
            case AsciiLine::Blank:
                break;
            case AsciiLine::Record:
                data.append(record.x, record.y, record.z, record.time, record.particle);
                break;
            case AsciiLine::Bad:
                return ReadOutcome::ReadError;
        }
    }
    return lines.failed() ? ReadOutcome::ReadError : ReadOutcome::Complete;
}

}  // namespace

ReadOutcome ReadOslTrajectory(const std::string& path, DisplayType display, TrajectoryData& data,
                              LoadProgress* progress) {
    data.clear();
    data.osl = true;
    int64_t count = 0;
    OslFileReader in;
    if (!in.open(path) || !CountOslRecords(path, count)) return ReadOutcome::ReadError;
    if (!data.reserve(count)) return ReadOutcome::TooLarge;
    constexpr long double kPositionFactor = 1e10f;
    while (data.count() < count) {
        if (progress) progress->read(data.count(), count);
        TOslRecord r;
        const OslFileReader::Status status = in.read(r);
        if (status == OslFileReader::Status::Error) return ReadOutcome::ReadError;
        if (status == OslFileReader::Status::End) break;
        if (display == DisplayType::Spatial)
            data.append(ToSingle(r.rx * kPositionFactor), ToSingle(r.ry * kPositionFactor),
                        ToSingle(r.rz * kPositionFactor), r.ti, r.rw);
        else
            data.append(ToSingle(r.px * 1e22L), ToSingle(r.py * 1e22L), ToSingle(r.pz * 1e22L),
                        r.ti, r.rw);
    }
    return ReadOutcome::Complete;
}

AsciiLine ParseAsciiTrajectoryLine(std::string_view line, DisplayType display, AsciiRecord& out) {
    std::string_view rest = line;
    if (NextField(rest).empty()) return AsciiLine::Blank;
    rest = line;
    float skipped = 0;
    float values[6];
    for (float& v : values)
        if (!NextReal(rest, v)) return AsciiLine::Bad;
    const int first = display == DisplayType::Spatial ? 0 : 3;
    out.x = values[first];
    out.y = values[first + 1];
    out.z = values[first + 2];
    if (!NextReal(rest, out.time) || !NextReal(rest, skipped)) return AsciiLine::Bad;
    return ParseInt32Token(NextField(rest), out.particle) ? AsciiLine::Record : AsciiLine::Bad;
}

ReadOutcome ReadAsciiTrajectory(const std::string& path, DisplayType display, TrajectoryData& data,
                                LoadProgress* progress) {
    data.clear();
    data.osl = false;
    return ReadAsciiLines([&](TextLines& lines) { return lines.open(path); }, display, data,
                          progress);
}

ReadOutcome ReadAsciiTrajectoryText(std::string_view text, DisplayType display,
                                    TrajectoryData& data) {
    data.clear();
    data.osl = false;
    return ReadAsciiLines(
        [&](TextLines& lines) {
            lines.assign(text);
            return true;
        },
        display, data, nullptr);
}

bool IsOslTrajectoryName(const std::string& path) {
    std::string ext = FileExt(path);
    for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return ext == ".OSL";
}

void LoadTrajectory(MessageSink& sink, const std::string& path, DisplayType display,
                    TrajectoryData& data, LoadProgress* progress) {
    const ReadOutcome outcome = IsOslTrajectoryName(path)
                                    ? ReadOslTrajectory(path, display, data, progress)
                                    : ReadAsciiTrajectory(path, display, data, progress);
    if (outcome == ReadOutcome::ReadError) sink.error(OpenFailureText(kErrorReadingDataText, path));
    if (outcome == ReadOutcome::TooLarge) sink.error(TooLargeText(FileNameOf(path)));
}

}  // namespace halvern
