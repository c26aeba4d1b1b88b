// The inelastic file (.INL) of the set-up program: the three tables and three values written
// with their comment lines, and read back.
#pragma once

#include <string>

#include "MessageSink.h"
#include "inputfiles/InelasticTables.h"

namespace velkor {

// Cells and values as they stand, one blank between the cells of a row, the ST rows in the
// file's column order Z1*Z2, Rcrit, dE, Nmax, prob.; CR LF line ends.
std::string InelasticFileText(const TInelasticSpec& spec);

// The file through a temporary file; "Error writing output to disk." when that fails.
bool WriteInelasticFile(const TInelasticSpec& spec, const std::string& path,
                        halvern::MessageSink& sink);

// Reads the file into the record, which changes only on success; a table of 0 rows is shown
// as one new row. A file that ends early, holds no number where one belongs or gives a row
// count outside 0..1000 gives false.
bool LoadInlFile(const std::string& path, TInelasticSpec& spec);

}  // namespace velkor
