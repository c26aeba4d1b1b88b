// The grapher's column-file reader on any bytes, for a choice of columns taken from the input's
// first two bytes, and the picture's layout of what it read: every point is a 32-bit real within
// range, a refused file holds no point, the file streamed in small blocks reads as the text does
// in memory, and no pixel conversion overflows.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzFiles.h"
#include "grapher/ColumnFile.h"
#include "grapher/GraphLayout.h"

using namespace halvern;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    // Columns within the reader's ranges most of the time, beyond them now and then.
    const int32_t xColumn = static_cast<int32_t>(data[0] % 104) - 2;
    const int32_t yColumn = static_cast<int32_t>(data[1] % 104) - 2;
    const std::string_view text = fuzz::AsText(data + 2, size - 2);

    ColumnData read = ReadColumnData(text, xColumn, yColumn);
    if (read.tooManyLines && !read.points.empty()) std::abort();
    const ColumnData streamed = ReadColumnFile(fuzz::WriteScratchFile("columns.dat", text), xColumn,
                                               yColumn, 1 + data[1] % 5);
    if (streamed.failed || streamed.tooManyLines != read.tooManyLines ||
        streamed.readError != read.readError || streamed.points.size() != read.points.size())
        std::abort();
    for (size_t i = 0; i < read.points.size(); ++i)
        if (streamed.points[i].x != read.points[i].x || streamed.points[i].y != read.points[i].y)
            std::abort();
    if (!DataColumnsValid(xColumn, yColumn) && !read.points.empty()) std::abort();
    if (read.points.size() > static_cast<size_t>(kMaxDataLines) + 1) std::abort();
    for (const DataPoint& p : read.points)
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) std::abort();

    GrapherModel model;
    SetGraphDefaults(model, true, 200, 120);
    model.caches[0].points = std::move(read.points);
    model.caches[0].symbolsOn = true;
    FitAxes(model.settings, model.caches[0]);
    if (!(model.settings.x.span > 0) || !(model.settings.y.span > 0)) std::abort();
    model.settings.clip = (data[0] & 1) != 0;
    const DisplayList list = LayoutGraph(model, 200, 120);
    for (const CacheLine& line : list.lines)
        for (const auto& run : line.runs)
            for (const Pixel& p : run)
                if (std::abs(p.x) > kMaxPixel || std::abs(p.y) > kMaxPixel) std::abort();
    return 0;
}
