// Text column files as the grapher reads them: any whitespace-separated numbers, one data line a
// point, x and y taken from chosen columns.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "MessageSink.h"
#include "grapher/GrapherModel.h"

namespace halvern {

// A file may hold one data line more than this.
inline constexpr int32_t kMaxDataLines = 100000;

// The refusal of a file beyond the limit, with the limit.
inline constexpr char kTooManyDataText[] =
    "Too many data in input file. (At most 100001 data lines are read.)";

// x column 0 numbers the points 1, 2, 3, ...
inline constexpr int32_t kMaxXColumn = 99;
inline constexpr int32_t kMaxYColumn = 100;
inline bool DataColumnsValid(int32_t xColumn, int32_t yColumn) {
    return xColumn >= 0 && xColumn <= kMaxXColumn && yColumn >= 1 && yColumn <= kMaxYColumn;
}

struct ColumnData {
    std::vector<DataPoint> points;
    bool tooManyLines = false;  // then no points
    // A field was no number or lay outside the 32-bit real range; it reads 0 and the rest stays.
    bool readError = false;
    // The file could not be read (or held a line too long to read): no points when it failed
    // while the lines were counted, else the points read before.
    bool failed = false;
};

// One point per data line (a line holding more than blanks and tabs). Numbers are read
// free-format, so a short line takes its missing values from the next; the rest of the line
// where the last value was found is dropped. Past the end of the data (or a Ctrl-Z) no point
// begins. The lines are counted first and the file refused beyond the limit, then read.
ColumnData ReadColumnData(std::string_view text, int32_t xColumn, int32_t yColumn);
// The same from a file, streamed `blockBytes` at a time in both passes: the memory taken is
// that of the points kept, whatever the file's size.
ColumnData ReadColumnFile(const std::string& path, int32_t xColumn, int32_t yColumn,
                          size_t blockBytes = size_t{64} << 10);

// Reads the cache's file into it, reporting a failure with the grapher's own messages. The cache
// is empty after a failure, except after bad fields, where the points read stay.
bool LoadCache(DataCache& cache, int32_t xColumn, int32_t yColumn, MessageSink& sink);

}  // namespace halvern
