// A process never writes over one of its own sources: on Linux the source would be truncated
// while it is still being read.
#pragma once

#include <initializer_list>
#include <string>

#include "MessageSink.h"

namespace halvern {

std::string DestinationIsSourceText(const std::string& destination);

// True, after reporting it, when the destination is one of the sources. Call before anything
// is opened.
bool RefuseDestinationOfSource(MessageSink& sink, std::initializer_list<std::string> sources,
                               const std::string& destination);

}  // namespace halvern
