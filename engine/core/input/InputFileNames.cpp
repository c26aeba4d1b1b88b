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

TRunFileNames WithCompanionInputs(const TRunFileNames& names) {
    TRunFileNames found = names;
    for (std::string* name : {&found.projectile, &found.target, &found.model, &found.run,
                              &found.impact, &found.inelastic})
        *name = FindCompanionFile(*name);
    return found;
}

std::vector<TMissingInput> MissingInputFiles(const TEngineFileNames& names,
                                             bool inelasticModelSelected) {
    std::vector<TMissingInput> missing = {{"projectile", names.projectile},
                                          {"target", names.target},
                                          {"model", names.model},
                                          {"run", names.run},
                                          {"impact", names.impact}};
    if (inelasticModelSelected) missing.push_back({"inelastic", names.inelastic});
    std::erase_if(missing, [](const TMissingInput& input) { return InputFileExists(input.name); });
    return missing;
}

bool RunPossible(const TEngineFileNames& names, bool inelasticModelSelected) {
    return MissingInputFiles(names, inelasticModelSelected).empty();
}

std::string MissingInputText(const TMissingInput& missing) {
    std::string kind = missing.kind;
    kind[0] = static_cast<char>(kind[0] - 'a' + 'A');
    return kind + " file: " + (missing.name.empty() ? "(none)" : missing.name);
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
