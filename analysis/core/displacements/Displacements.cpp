#include "displacements/Displacements.h"

#include <algorithm>

#include "displacements/ReferenceTable.h"
#include "processes/ProcessFiles.h"
#include "records/OslFile.h"

namespace halvern {

namespace {

// Hands every whole record to body; false after a failed read or a trailing fragment.
template <class Body>
bool ReadAll(OslFileReader& in, Body&& body) {
    for (;;) {
        OslFileReader::Status status;
        const unsigned char* bytes = in.next(status);
        if (bytes == nullptr) return status == OslFileReader::Status::End && !in.endedInFragment();
        body(DecodeOslRecord(bytes));
    }
}

// The reference table of file 1; false when it could not be read whole.
bool ReadReference(const std::string& reference, ReferenceTable& table, bool& opened) {
    OslFileReader in;
    int64_t records = 0;
    opened = in.open(reference) && CountOslRecords(reference, records);
    if (!opened) return false;
    int32_t largest = 0;
    bool ok = ReadAll(in, [&](const TOslRecord& r) { largest = std::max(largest, r.rw); });
    table.prepare(largest, records);
    opened = in.open(reference);
    if (!opened) return false;
    ok &= ReadAll(in, [&](const TOslRecord& r) { table.store(r); });
    return ok;
}

}  // namespace

DisplacementsOutcome ComputeDisplacements(ProcessHost& host, const std::string& reference,
                                          const std::string& later,
                                          const std::string& destination) {
    MessageSink& sink = host.sink();
    DisplacementsOutcome outcome;
    if (RefuseDestinationOfSource(sink, {reference, later}, destination)) return outcome;
    ReferenceTable table;
    bool opened = false;
    bool ok = ReadReference(reference, table, opened);
    OslFileReader in;
    OslFileWriter out;
    if (!opened || !in.open(later)) {
        sink.error(OpenFailureText(OpenFailureText(kFileAccessErrorText, reference), later));
        return outcome;
    }
    if (!out.open(destination)) {
        sink.error(out.failureText(kFileAccessErrorText));
        return outcome;
    }
    ProcessProgress progress(host);
    ok &= ReadAll(in, [&](const TOslRecord& r) {
        progress.afterAdvance();
        out.write(Displacement(r, table.find(r.rw)));
    });
    // What was written before a failed read stays; a failed write leaves the old destination.
    if (!out.commit()) {
        sink.error(out.failureText(kFileAccessErrorText));
        outcome.records = progress.records();
        return outcome;
    }
    if (!ok) sink.error(kFileAccessErrorText);
    outcome.completed = ok;
    outcome.records = progress.records();
    return outcome;
}

}  // namespace halvern
