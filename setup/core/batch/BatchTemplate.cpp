#include "batch/BatchTemplate.h"

#include <algorithm>

#include "FileSafety.h"
#include "miscutil.h"

namespace velkor {

std::vector<std::string> MakeBatchTemplate(const std::string& stem, int32_t n) {
    const std::string folder = StemFolder(stem);
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(std::max(n, 0)) * 10);
    for (int32_t i = 1; i <= n; ++i) {
        lines.push_back("Project " + std::to_string(i) + ": ");
        for (const char* ext : {".prj", ".trg", ".mdl", ".run", ".imp", ".inl"})
            lines.push_back(stem + ext);
        lines.push_back(folder + "inivars.osl");
        lines.push_back(stem + ".osl");
        lines.push_back(stem + ".dat");
    }
    return lines;
}

std::string StemFolder(const std::string& stem) {
    const size_t slash = stem.find_last_of('/');
    return slash == std::string::npos ? std::string() : stem.substr(0, slash + 1);
}

std::string StemFromProjectFile(const std::string& path) {
    return halvern::ChangeFileExt(path, "");
}

bool BatchNameAccepted(const std::string& batchFile) {
    return !halvern::HasWildcards(batchFile);
}

}  // namespace velkor
