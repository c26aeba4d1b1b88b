#include "ShortString.h"

namespace halvern {

std::string FileNameTooLongText(std::string_view name, size_t maxLen) {
    return "File name too long (more than " + std::to_string(maxLen) +
           " characters): " + CutTo(name, 60) + "...";
}

}  // namespace halvern
