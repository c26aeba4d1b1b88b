// The batch definition template: for N simulations, per job a label, the six input files of
// one project stem and the three output files, in the order of the engine's batch reader.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/ShortText.h"

namespace velkor {

// The batch template dialog's record: the texts as typed, with their defaults.
struct TBatchSpec {
    std::string batchFile = "*.bdf";
    std::string stem = "*";
    ShortText<5> count = "1";
};
inline constexpr int32_t kBatchCountMin = 1;
inline constexpr int32_t kBatchCountMax = 9999;

// Ten lines per job i = 1..n: "Project i: ", stem + ".prj", ".trg", ".mdl", ".run", ".imp",
// ".inl", the stem's folder + "inivars.osl", stem + ".osl", stem + ".dat".
std::vector<std::string> MakeBatchTemplate(const std::string& stem, int32_t n);

// The folder part of a stem, with its '/' ("" without a folder).
std::string StemFolder(const std::string& stem);

// The stem of a chosen project file: the name without the file name's own extension (a dot in
// a folder's name stays).
std::string StemFromProjectFile(const std::string& path);

// "Generate" closes the dialog only when the batch file name holds no wildcard.
bool BatchNameAccepted(const std::string& batchFile);

}  // namespace velkor
