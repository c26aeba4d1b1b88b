// Displacements: for every record of a later record file, how far its particle has moved and how
// its momentum has changed since the reference file (normally the run's initial conditions).
#pragma once

#include <cstdint>
#include <string>

#include "processes/ProcessHost.h"

namespace halvern {

inline constexpr char kFileAccessErrorText[] = "File access error occurred during operation.";

struct DisplacementsOutcome {
    bool completed = false;  // nothing failed
    int64_t records = 0;     // records of the later file compared, each written
};

// Reads the reference file twice (its largest index, then its records), then writes one record
// per record of the later file, in its order, reporting the records compared as the record
// processes do. A source that cannot be opened stops it before the destination is made; any
// failure, also a trailing fragment of a record (which is no record), is reported once at the
// end with kFileAccessErrorText.
DisplacementsOutcome ComputeDisplacements(ProcessHost& host, const std::string& reference,
                                          const std::string& later, const std::string& destination);

}  // namespace halvern
