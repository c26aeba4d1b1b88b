#include "input/InputFileNames.h"

#include <filesystem>
#include <system_error>

#include "FileSafety.h"
#include "miscutil.h"

namespace halvern {

namespace {

std::string Absolute(const std::string& name) {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::absolute(name, ec);
    return ec ? name : p.lexically_normal().string();
}

}  // namespace

TEngineFileNames InitialEngineFileNames() {
    return {"*.prj", "*.trg",       "*.mdl",       "*.run",      "*.imp",
            "*.inl", "inivars.osl", "dynvars.osl", "inelast.dat"};
}

void MakeOutputNamesAbsolute(TEngineFileNames& names) {
    names.initialConditions = Absolute(names.initialConditions);
    names.dynamics = Absolute(names.dynamics);
    names.inelasticEvents = Absolute(names.inelasticEvents);
}

int FillCompanionNames(const std::string& projectile, TInputFileBoxes& boxes) {
    static constexpr const char* kExtensions[] = {".trg", ".mdl", ".run", ".imp", ".inl"};
    int filled = 0;
    for (size_t k = 0; k < std::size(kExtensions); ++k) {
        const std::string candidate = FindCompanionFile(ChangeFileExt(projectile, kExtensions[k]));
        if (FileExists(candidate)) {
            boxes[k + 1] = candidate;
            ++filled;
        }
    }
    return filled;
}

void CopyInputBoxes(const TInputFileBoxes& boxes, TEngineFileNames& names) {
    names.projectile = boxes[0];
    names.target = boxes[1];
    names.model = boxes[2];
    names.run = boxes[3];
    names.impact = boxes[4];
    names.inelastic = boxes[5];
}

bool RunPossible(const TEngineFileNames& names, bool inelasticModelSelected) {
    return InputFileExists(names.projectile) && InputFileExists(names.impact) &&
           InputFileExists(names.run) && InputFileExists(names.target) &&
           InputFileExists(names.model) &&
           (!inelasticModelSelected || InputFileExists(names.inelastic));
}

std::vector<std::string> InputFileLogLines(const TEngineFileNames& names,
                                           bool inelasticModelSelected) {
    std::vector<std::string> lines = {"  " + names.projectile, "  " + names.target,
                                      "  " + names.run, "  " + names.model, "  " + names.impact};
    if (inelasticModelSelected) lines.push_back("  " + names.inelastic);
    lines.emplace_back();
    return lines;
}

std::vector<std::string> OutputFileLogLines(const TEngineFileNames& names) {
    return {"  " + names.initialConditions, "  " + names.dynamics, "  " + names.inelasticEvents,
            ""};
}

std::string ReadyCaption(const TEngineFileNames& names) {
    return std::string(kEngineTitle) + " (" + FileNameOf(names.target) + "...)";
}

}  // namespace halvern
