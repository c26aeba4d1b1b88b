// Refusal of input values that would crash, hang or corrupt a run, with one message that names
// the value, the line and the file.
#pragma once

#include <cstdint>
#include <string>

#include "InputLimits.h"
#include "host/EngineHost.h"

namespace halvern {

// what + " " + value + " at line " + line + " of " + file + " " + rule, e.g.
// "Initial time step 0 at line 6 of cu.run must lie in 1E-19..1E-12 s".
std::string BadValueText(const std::string& what, const std::string& value, int line,
                         const std::string& file, const std::string& rule);

// Logs in red "  ++++ Error ++++" and the text above with the file's name without its folder
// (a log line holds 100 characters).
void ReportBadValue(EngineHost& host, const std::string& what, const std::string& value, int line,
                    const std::string& file, const std::string& rule);

// A value as the message shows it: the shortest real text, or decimal digits.
std::string ValueText(double value);
std::string ValueText(int value);

// "must lie in <min>..<max><unit>".
std::string LimitRule(const InputLimit& limit, const std::string& unit = "");

// The checks of one input file: every failed rule is logged at once (ReportBadValue), in the
// order checked; `ok` tells whether all held.
struct ValueChecks {
    EngineHost& host;
    std::string file;
    bool ok = true;

    // Logs the rule unless it holds.
    void require(bool holds, const std::string& what, const std::string& value, int line,
                 const std::string& rule);
    // "must lie in <min>..<max><unit>" unless the limit holds the value (NaN never).
    void inLimit(const std::string& what, double value, int line, const InputLimit& limit,
                 const std::string& unit = "");
};

}  // namespace halvern
