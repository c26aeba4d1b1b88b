#include "ResultEditing.h"

#include <filesystem>
#include <system_error>

namespace brisal {

bool MayOpenResultInEditor(const std::string& fileName, halvern::MessageSink& sink) {
    std::error_code ec;
    const uintmax_t bytes = std::filesystem::file_size(fileName, ec);
    if (ec || bytes <= kLargeResultBytes) return true;
    return sink.askYesNo(LargeResultQuestion(fileName, bytes), halvern::BoxIcon::Warning);
}

std::string LargeResultQuestion(const std::string& fileName, uint64_t bytes) {
    const uint64_t megabytes = (bytes + 1024 * 1024 - 1) / (1024 * 1024);
    return fileName + " is larger than 50 MB (" + std::to_string(megabytes) +
           " MB). Open it in an editor?";
}

}  // namespace brisal
