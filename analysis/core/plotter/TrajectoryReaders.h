// The trajectory plotter's two readers: record files (".osl" in any case) and ASCII trajectory
// files (any other name), each into TrajectoryData.
#pragma once

#include <string>
#include <string_view>

#include "MessageSink.h"
#include "plotter/LoadProgress.h"
#include "plotter/TrajectoryData.h"

namespace halvern {

inline constexpr char kErrorReadingDataText[] = "Error reading data from file.";

enum class ReadOutcome { Complete, ReadError, TooLarge };

// Record files: the record count is the file's size in whole records; at most that many records
// are read (a file still growing cannot overrun the arrays). x, y, z are rx, ry, rz x 1e10 or px,
// py, pz x 1e22; the time is ti in s. Each reader tells `progress`, when given, how far it has
// come.
ReadOutcome ReadOslTrajectory(const std::string& path, DisplayType display, TrajectoryData& data,
                              LoadProgress* progress = nullptr);

// One line of an ASCII trajectory file: blank (no record), a record, or bad.
enum class AsciiLine { Blank, Record, Bad };
struct AsciiRecord {
    float x = 0, y = 0, z = 0;
    float time = 0;  // fs
    int32_t particle = 0;
};
// Fields are separated by characters of code 32 or less: columns 1-3 (or 4-6 for momenta),
// column 7, a number in column 8 and an integer in column 9; the rest of the line is ignored.
AsciiLine ParseAsciiTrajectoryLine(std::string_view line, DisplayType display, AsciiRecord& out);

// ASCII trajectory files in two passes: the non-blank lines are counted, then read; reading stops
// at the first bad line, keeping the records before it.
ReadOutcome ReadAsciiTrajectory(const std::string& path, DisplayType display, TrajectoryData& data,
                                LoadProgress* progress = nullptr);
ReadOutcome ReadAsciiTrajectoryText(std::string_view text, DisplayType display,
                                    TrajectoryData& data);

// Whether the plotter reads a file as records: its extension, upper-cased, is ".OSL".
bool IsOslTrajectoryName(const std::string& path);

// Loads a file by its name's kind; a read error is reported with kErrorReadingDataText and what
// was read stays; a file too large for memory is reported by name and nothing is loaded.
void LoadTrajectory(MessageSink& sink, const std::string& path, DisplayType display,
                    TrajectoryData& data, LoadProgress* progress = nullptr);

}  // namespace halvern
