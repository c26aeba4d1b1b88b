// Refusal of input values that would crash, hang or corrupt a run, with one message that names
// the value, the line and the file.
#pragma once

#include <string>

#include "host/EngineHost.h"

namespace halvern {

// what + " " + value + " at line " + line + " of " + file + " " + rule, e.g.
// "Initial time step 0 at line 6 of cu.run must be above 0".
std::string BadValueText(const std::string& what, const std::string& value, int line,
                         const std::string& file, const std::string& rule);

// Logs in red "  ++++ Error ++++" and the text above with the file's name without its folder
// (a log line holds 100 characters).
void ReportBadValue(EngineHost& host, const std::string& what, const std::string& value, int line,
                    const std::string& file, const std::string& rule);

// A value as the message shows it: the shortest real text, or decimal digits.
std::string ValueText(double value);
std::string ValueText(int value);

}  // namespace halvern
