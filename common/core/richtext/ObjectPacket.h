// The data of the kit's own embedded and linked objects inside an RTF \objdata group: a small
// packet with a magic number, the aspect, the link flag, the file name and the file's bytes.
// Objects of any other class are foreign and kept as they were read.
#pragma once

#include <string>
#include <string_view>

#include "richtext/RichDoc.h"

namespace halvern {

// The \objclass of the kit's own objects.
inline constexpr std::string_view kKitObjectClass = "Halvern.File";

std::string PackObjectData(const RichObject& object);
// Fills kind, aspect, file name and data; false (object unchanged) when the bytes are not a
// whole packet.
bool UnpackObjectData(std::string_view packet, RichObject& object);

}  // namespace halvern
