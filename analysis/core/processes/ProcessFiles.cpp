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

bool OpenSource(MessageSink& sink, OslFileReader& reader, const std::string& source) {
    if (reader.open(source)) return true;
    sink.error(CannotOpenText(source));
    return false;
}

}  // namespace halvern
