#include "convert/ConvertToText.h"

#include "FileSafety.h"
#include "convert/AsciiTrajectoryLine.h"
#include "processes/ProcessFiles.h"
#include "records/OslFile.h"

namespace halvern {

namespace {

// Lines are gathered into blocks of about this size before they are written.
constexpr size_t kBlockBytes = 256 * 1024;

// Writes what was gathered; false, after reporting it, when the write failed.
bool WriteBlock(MessageSink& sink, ReplacingFile& out, std::string& block) {
    const bool written = out.write(block);
    block.clear();
    if (!written) sink.error(out.failureText(kDiskWriteErrorText));
    return written;
}

// Puts the destination in place; false, after reporting, when that failed.
bool Commit(MessageSink& sink, ReplacingFile& out) {
    if (out.commit()) return true;
    sink.error(out.failureText(kDiskWriteErrorText));
    return false;
}

}  // namespace

bool ConvertToText(ProcessHost& host, const std::string& source, const std::string& destination) {
    MessageSink& sink = host.sink();
    if (RefuseDestinationOfSource(sink, {source}, destination)) return false;
    OslFileReader in;
    // A trailing fragment is this process's read error, reported when it is reached.
    if (!OpenSource(sink, in, source, /*warnPartial=*/false)) return false;
    ReplacingFile out;
    if (!CreateDestination(sink, out, destination)) return false;

    ProcessProgress progress(host);
    std::string block;
    block.reserve(kBlockBytes + 1024);
    for (;;) {
        OslFileReader::Status status;
        const unsigned char* bytes = in.next(status);
        if (bytes == nullptr && status == OslFileReader::Status::End && !in.endedInFragment())
            break;
        // A failed read, and the short read of a trailing fragment, count as a read.
        progress.beforeAdvance();
        if (bytes == nullptr) {
            // The lines of the records read before stay.
            if (WriteBlock(sink, out, block) && Commit(sink, out)) sink.error(kDiskReadErrorText);
            return false;
        }
        AppendAsciiTrajectoryLine(DecodeOslRecord(bytes), block);
        if (block.size() >= kBlockBytes && !WriteBlock(sink, out, block)) return false;
    }
    return WriteBlock(sink, out, block) && Commit(sink, out);
}

}  // namespace halvern
