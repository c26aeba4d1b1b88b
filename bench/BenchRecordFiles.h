// Record files for the analysis benchmarks: written from the bench records, and read once so
// that a process then reads them from the page cache.
#pragma once

#include <cstdint>
#include <string>

#include "BenchRecords.h"
#include "records/OslFile.h"

namespace halvern::bench {

inline bool WriteBenchRecords(const std::string& path, int64_t count) {
    BenchRecordSource records;
    OslFileWriter out;
    if (!out.open(path)) return false;
    for (int64_t i = 0; i < count; ++i) out.write(records.next(i));
    return out.commit();
}

inline void WarmPageCache(const std::string& path) {
    OslFileReader in;
    if (!in.open(path)) return;
    OslFileReader::Status status;
    while (in.next(status)) {
    }
}

}  // namespace halvern::bench
