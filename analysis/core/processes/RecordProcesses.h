// The record processes of the analysis program: spectrum, collate, averages, format columns and
// filter. Each streams its source once (averages once per function) with compiled expressions,
// reports progress and failures through the host, and tells whether its destination holds all
// it was meant to receive: the window logs a process only then.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "processes/ProcessHost.h"
#include "query/QueryLanguage.h"

namespace halvern {

inline constexpr int32_t kMaxSpectrumChannels = 100000;
inline constexpr int32_t kMaxCollateItems = 100000;

// A histogram of the expression over `channels` equally spaced channel values from low to high,
// one line per channel (value and count).
bool MakeSpectrum(ProcessHost& host, const std::string& source, const std::string& destination,
                  const std::string& expression, int32_t channels, long double high,
                  long double low);

enum class CollateMethod : int16_t { PerAtom = 0, PerRun = 1 };

// Mean, root mean square and standard deviation of the expression per key (`rw` per atom, `rn`
// per run), in the order the keys first appear.
bool CollateFile(ProcessHost& host, const std::string& source, const std::string& destination,
                 const std::string& expression, CollateMethod method);

using ProcessFunctions = std::array<std::string, 10>;

struct AveragesOutcome {
    bool completed = false;          // ran to its end, every block written
    std::array<bool, 10> written{};  // the functions whose block is in the report
    int blocks = 0;
};

// The statistics of each function over the whole file, appended to the report.
AveragesOutcome AverageFile(ProcessHost& host, const std::string& source,
                            const ProcessFunctions& functions, const std::string& destination,
                            QueryUnits units, int lastIndex = 9);

// One line per record, one column per function.
bool FormatColumnsFile(ProcessHost& host, const std::string& source,
                       const ProcessFunctions& functions, const std::string& destination,
                       QueryUnits units, int lastIndex = 9);

struct FilterOutcome {
    bool completed = false;  // ran to its end and the destination holds every selected record
    int64_t records = 0;     // records read
    int64_t selected = 0;    // records written
    int64_t semanticErrorRecords = 0;  // records not selected because of a semantic error
};

// Copies the records for which the filter expression holds, byte for byte, in source order.
FilterOutcome FilterFile(ProcessHost& host, const std::string& source,
                         const std::string& destination, const std::string& expression);

// "Parsing error - aborting.": a process's parse was abandoned.
inline constexpr char kParsingErrorText[] = "Parsing error - aborting.";

}  // namespace halvern
