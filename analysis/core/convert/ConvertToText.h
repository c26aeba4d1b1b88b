// Convert: a record file into the ASCII trajectory file, one line per record, in one pass.
#pragma once

#include <string>

#include "processes/ProcessHost.h"

namespace halvern {

inline constexpr char kDiskReadErrorText[] = "Disk read error - aborting.";
inline constexpr char kDiskWriteErrorText[] = "Disk write error - aborting.";

// Writes the line of every record of the source, reporting progress after each record read (a
// status line every 500 records, an event pump every 2000, counting from 0). A source that
// cannot be opened, a destination that cannot be made, a failed read or a trailing fragment of a
// record, and a failed write or close are reported; the lines of the records read before stay.
// True when the destination holds the line of every record.
bool ConvertToText(ProcessHost& host, const std::string& source, const std::string& destination);

}  // namespace halvern
