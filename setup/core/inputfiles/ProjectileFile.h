// The projectile file (.PRJ) of the set-up program: its one line written from the record, and
// read back into it.
#pragma once

#include <string>

#include "MessageSink.h"
#include "inputfiles/ProjectileSpec.h"

namespace velkor {

// energy:10:3, Z:4, mass:8:5, flags:3 and the symbol right-aligned in 2, one blank between
// them, CR LF. A text that does not convert gives its conversion message and is written as 0;
// the mass is converted before the energy.
std::string ProjectileFileText(const TProjectileSpec& spec, halvern::MessageSink& sink);

// The file through a temporary file; "Error writing output to disk." when that fails.
bool WriteProjectileFile(const TProjectileSpec& spec, const std::string& path,
                         halvern::MessageSink& sink);

// Reads the file into the record, which changes only when the whole line was read and every
// value fits its field. The energy keeps a third decimal when it has one, the mass a fifth.
bool LoadPrjFile(const std::string& path, TProjectileSpec& spec);

}  // namespace velkor
