// Conversion of version 2.1 target files (x y z Z mass symbol) into the current atom line with
// flags 0, written beside the input under a derived name.
#pragma once

#include <string>

#include "MessageSink.h"

namespace velkor {

// The input name with the last character of its stem replaced by "~", folder and extension
// kept: ".../CU100.TRG" gives ".../CU10~.TRG", "A.TRG" gives "~.TRG". Empty when the file name
// has no stem.
std::string Version21OutputName(const std::string& input);

// Converts the file and reports the outcome: "Converted file saved as: " and the output name
// once the output is complete, else the reason. An input that would be its own output, that
// holds no atom, or that already has the flags column (its symbol would be lost), is refused
// with nothing written; an existing output is replaced only when the user agrees; a failed
// read or write leaves an existing output file as it was. Blank lines are no atoms.
bool ConvertVersion21File(const std::string& input, halvern::MessageSink& sink);

}  // namespace velkor
