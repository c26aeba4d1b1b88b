// Saving the main window's log as a text file.
#pragma once

#include <string>
#include <vector>

#include "MessageSink.h"

namespace brisal {

// Writes the lines with CR LF line ends; an existing file is replaced only when the new one is
// complete. False after reporting a failure.
bool SaveLogLines(halvern::MessageSink& sink, const std::vector<std::string>& lines,
                  const std::string& fileName);

}  // namespace brisal
