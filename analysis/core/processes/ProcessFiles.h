// Opening, checking and reporting the files of a record process, with the processes' messages.
#pragma once

#include <initializer_list>
#include <string>

#include "FileSafety.h"
#include "MessageSink.h"
#include "records/OslFile.h"

namespace halvern {

std::string CannotOpenText(const std::string& source);    // "Cannot open a.osl."
std::string ErrorReadingText(const std::string& source);  // "Error reading a.osl."
std::string CannotCreateText(
    const std::string& destination);  // "Cannot create destination file (b.dat)."
std::string ErrorWritingText(const std::string& destination);  // "Error writing b.dat."
std::string DestinationIsSourceText(const std::string& destination);
// "The last 3 bytes of a.osl are no whole record; they were ignored."
std::string PartialRecordText(const std::string& source, int64_t bytes);

// True, after reporting it, when the destination is one of the sources. Checked before anything
// is opened: on Linux the source would be truncated while it is still being read.
bool RefuseDestinationOfSource(MessageSink& sink, std::initializer_list<std::string> sources,
                               const std::string& destination);

// False after reporting the failure. A file that ends in part of a record gives a warning (once
// per process: `warnPartial` false on a further pass over the same source).
// A source that is no regular file is refused at once, with that said.
bool OpenSource(MessageSink& sink, OslFileReader& reader, const std::string& source,
                bool warnPartial = true);

// A ReplacingFile or an OslFileWriter: the destination's new version, begun empty. A
// destination that is read-only or no regular file is refused here.
template <class File>
bool CreateDestination(MessageSink& sink, File& file, const std::string& destination) {
    if (file.open(destination)) return true;
    sink.error(file.failureText(CannotCreateText(destination)));
    return false;
}

// Puts the destination's new version in place; false, after reporting, when a write or the
// replacement failed (the old destination is then as it was).
template <class File>
bool CloseDestination(MessageSink& sink, File& file, const std::string& destination) {
    if (file.commit()) return true;
    sink.error(file.failureText(ErrorWritingText(destination)));
    return false;
}

enum class LoopEnd { Completed, Stopped, ReadError };

// Hands every record of the source to body(bytes) until it returns false; a read error is
// reported.
template <class Body>
LoopEnd ForEachRecord(MessageSink& sink, OslFileReader& reader, const std::string& source,
                      Body&& body) {
    for (;;) {
        OslFileReader::Status status;
        const unsigned char* bytes = reader.next(status);
        if (!bytes) {
            if (status == OslFileReader::Status::End) return LoopEnd::Completed;
            sink.error(ErrorReadingText(source));
            return LoopEnd::ReadError;
        }
        if (!body(bytes)) return LoopEnd::Stopped;
    }
}

}  // namespace halvern
