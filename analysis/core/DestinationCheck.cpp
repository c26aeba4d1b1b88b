#include "DestinationCheck.h"

#include "FileSafety.h"

namespace halvern {

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

}  // namespace halvern
