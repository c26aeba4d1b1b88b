// The model file (.MDL) of the set-up program: its 21 lines written from the record and the
// computed amplitudes, and read back into the record.
#pragma once

#include <string>

#include "MessageSink.h"
#include "inputfiles/ModelSpec.h"
#include "inputfiles/VibrationAmplitudes.h"

namespace velkor {

// Kinds and flags as integers, texts as they stand, line 19 the three amplitudes (:6:5, one
// blank between), line 20 the temperature, line 21 "1" or "0"; CR LF line ends.
std::string ModelFileText(const TModelSpec& spec, const VibrationAmplitudes& amplitudes);

// The file through a temporary file; "Error writing file: " + path when that fails.
bool WriteModelFile(const TModelSpec& spec, const VibrationAmplitudes& amplitudes,
                    const std::string& path, halvern::MessageSink& sink);

// Reads the file into the record, which changes only on success. A text line that is no
// number keeps the field's text (with the conversion message when it is no number at all);
// a version-1 file gets temperature "300" and test flag 0 after its notice. A file that ends
// early, or a kind or flag that the dialog cannot show, is refused with
// "Error reading file: " + path + ".".
bool LoadMdlFile(const std::string& path, TModelSpec& spec, halvern::MessageSink& sink);

}  // namespace velkor
