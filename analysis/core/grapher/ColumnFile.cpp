#include "grapher/ColumnFile.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "FileSafety.h"
#include "ShortString.h"
#include "TextReader.h"

namespace halvern {

namespace {

// Counts the data lines; false once there are more than the limit allows.
bool CountDataLines(TextReader& reader, int32_t& count) {
    count = 0;
    while (!reader.seekEof()) {
        if (count > kMaxDataLines) return false;
        ++count;
        reader.skipLine();
    }
    return true;
}

// One number of a 32-bit real column; anything else reads 0 and marks the error.
float ReadValue(TextReader& reader, bool& error) {
    const long double value = reader.readReal();
    if (reader.failed()) {
        error = true;
        reader.clearError();
        return 0;
    }
    if (!(std::fabs(value) <= FLT_MAX)) {
        error = true;
        return 0;
    }
    return static_cast<float>(value);
}

// The last of `n` numbers read in turn.
float ReadNth(TextReader& reader, int32_t n, float last, bool& error) {
    for (int32_t i = 0; i < n; ++i) last = ReadValue(reader, error);
    return last;
}

DataPoint ReadPoint(TextReader& reader, int32_t xColumn, int32_t yColumn, int32_t lineNumber,
                    bool& error) {
    DataPoint p;
    if (xColumn == 0) {
        p.y = ReadNth(reader, yColumn, 0, error);
        p.x = static_cast<float>(lineNumber);
    } else {
        const int32_t lo = std::min(xColumn, yColumn);
        const int32_t hi = std::max(xColumn, yColumn);
        const float first = ReadNth(reader, lo, 0, error);
        const float second = ReadNth(reader, hi - lo, first, error);
        p.x = xColumn <= yColumn ? first : second;
        p.y = xColumn <= yColumn ? second : first;
    }
    reader.skipLine();
    return p;
}

std::string ReadErrorText(const std::string& fileName) {
    return "Error reading file: " + fileName + ".";
}

}  // namespace

ColumnData ReadColumnData(std::string bytes, int32_t xColumn, int32_t yColumn) {
    ColumnData data;
    if (!DataColumnsValid(xColumn, yColumn)) return data;
    TextReader reader(std::move(bytes));
    int32_t count = 0;
    if (!CountDataLines(reader, count)) {
        data.tooManyLines = true;
        return data;
    }
    reader.rewind();
    data.points.reserve(static_cast<size_t>(count));
    for (int32_t line = 1; line <= count && !reader.seekEof(); ++line)
        data.points.push_back(ReadPoint(reader, xColumn, yColumn, line, data.readError));
    return data;
}

bool LoadCache(DataCache& cache, int32_t xColumn, int32_t yColumn, MessageSink& sink) {
    FreeCache(cache);
    if (!DataColumnsValid(xColumn, yColumn)) {
        sink.error("Data columns out of range (x: 0 to " + std::to_string(kMaxXColumn) +
                   ", y: 1 to " + std::to_string(kMaxYColumn) + ").");
        return false;
    }
    std::string bytes;
    // Only a regular file: a device or a pipe could be read for ever.
    if (!FileExists(cache.fileName) || !ReadFileBytes(cache.fileName, bytes)) {
        sink.error(ReadErrorText(cache.fileName));
        return false;
    }
    ColumnData data = ReadColumnData(std::move(bytes), xColumn, yColumn);
    if (data.tooManyLines) {
        sink.error("Too many data in input file.");
        return false;
    }
    cache.points = std::move(data.points);
    cache.countText = CutTo(std::to_string(cache.points.size()), 6);
    if (data.readError) sink.error(ReadErrorText(cache.fileName));
    return !data.readError;
}

}  // namespace halvern
