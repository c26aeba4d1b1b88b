#include "input/InputFileNames.h"

#include <cctype>
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

std::string Capitalised(std::string text) {
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

// "a", "a and b", "a, b and c".
std::string JoinedWithAnd(const std::vector<std::string>& items) {
    std::string text;
    for (size_t k = 0; k < items.size(); ++k)
        text += (k == 0 ? "" : k + 1 == items.size() ? " and " : ", ") + items[k];
    return text;
}

// "LSS model", "LSS and Oen-Robinson models": the inelastic-loss models the options tick.
std::string TickedInelasticModels(const TSimulationOptions& options) {
    std::vector<std::string> models;
    if (options.LssModel) models.emplace_back("LSS");
    if (options.OenRobinsonModel) models.emplace_back("Oen-Robinson");
    if (options.ShapiroTombrelloModel) models.emplace_back("Shapiro-Tombrello");
    return JoinedWithAnd(models) + (models.size() == 1 ? " model" : " models");
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
    return Capitalised(missing.kind) + " file: " + (missing.name.empty() ? "(none)" : missing.name);
}

TMissingInputReport ReportMissingInputs(const std::vector<TMissingInput>& missing,
                                        const TSimulationOptions& options) {
    TMissingInputReport report;
    std::vector<std::string> kinds;
    for (const TMissingInput& m : missing) {
        kinds.emplace_back(m.kind);
        const bool named = !m.name.empty() && !HasWildcards(m.name);
        report.lines.push_back(named ? "  " + Capitalised(m.kind) + " file not found: " + m.name
                                     : "  No " + std::string(m.kind) + " file specified");
        if (std::string_view(m.kind) == "inelastic")
            report.lines.push_back("  (needed by the " + TickedInelasticModels(options) +
                                   " ticked in Options | Simulation)");
    }
    report.status = "Specify input files: " + JoinedWithAnd(kinds) +
                    (kinds.size() == 1 ? " file missing" : " files missing");
    return report;
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
