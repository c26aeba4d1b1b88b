// The run file (.RUN) of the set-up program: its 11 lines written from the record, and read
// back into it.
#pragma once

#include <string>

#include "MessageSink.h"
#include "inputfiles/RunSpec.h"

namespace velkor {

// Mode, period, option, the two angles, time step, neighbour update, "t_max   t_min",
// cut-off, partners and the expression (every character below code 14 written as a blank),
// each line ended by CR LF.
std::string RunFileText(const TRunSpec& spec);

// Writes the file named in the record; "Error writing output to disk." when that fails.
bool WriteRunFile(const TRunSpec& spec, halvern::MessageSink& sink);

// Reads the file into the record (its file name aside), which changes only on success. Files
// of versions 1 and 2.1 get the defaults of what they lack, with a notice. A file that ends
// early, holds a text that is no number or does not fit its field, or a mode or option that
// the dialog cannot show is refused with "Error reading file: " + path + ".".
bool LoadRunFile(const std::string& path, TRunSpec& spec, halvern::MessageSink& sink);

}  // namespace velkor
