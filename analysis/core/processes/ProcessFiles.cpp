#include "processes/ProcessFiles.h"

namespace halvern {

std::string CannotOpenText(const std::string& source) {
    return "Cannot open " + source + ".";
}

std::string ErrorReadingText(const std::string& source) {
    return "Error reading " + source + ".";
}

std::string CannotCreateText(const std::string& destination) {
    return "Cannot create destination file (" + destination + ").";
}

std::string ErrorWritingText(const std::string& destination) {
    return "Error writing " + destination + ".";
}

std::string DestinationIsSourceText(const std::string& destination) {
    return "Cannot create destination file (" + destination + "): it is a source file.";
}

std::string PartialRecordText(const std::string& source, int64_t bytes) {
    return "The last " + std::to_string(bytes) + " bytes of " + source +
           " are no whole record; they were ignored.";
}

bool RefuseDestinationOfSource(MessageSink& sink, std::initializer_list<std::string> sources,
                               const std::string& destination) {
    for (const std::string& source : sources) {
        if (SameFile(source, destination)) {
            sink.error(DestinationIsSourceText(destination));
            return true;
        }
    }
    return false;
}

bool OpenSource(MessageSink& sink, OslFileReader& reader, const std::string& source,
                bool warnPartial) {
    if (!reader.open(source)) {
        sink.error(OpenFailureText(CannotOpenText(source), source));
        return false;
    }
    if (warnPartial && reader.trailingBytes() > 0)
        sink.warning(PartialRecordText(source, reader.trailingBytes()));
    return true;
}

}  // namespace halvern
