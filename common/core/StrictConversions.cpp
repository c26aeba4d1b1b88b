#include "StrictConversions.h"

#include "NumberText.h"

namespace halvern {

std::string InvalidRealText(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid floating point value";
}

std::string InvalidIntText(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid integer value";
}

bool StrToReal(MessageSink& sink, std::string_view text, long double& value) {
    if (ParseReal(text, value)) return true;
    sink.error(InvalidRealText(text));
    return false;
}

bool StrToInt(MessageSink& sink, std::string_view text, int32_t& value) {
    if (ParseInt32(text, value)) return true;
    sink.error(InvalidIntText(text));
    return false;
}

}  // namespace halvern
