// The engine's current file names and the logic of the input-files and output-files dialogs:
// companion names from a projectile file's stem, whether a run is possible, the file lists that
// the main window logs.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "host/SimulationOptions.h"

namespace halvern {

// The run's six input and three output file names, in RunSimulation's argument order.
struct TRunFileNames {
    std::string projectile, target, model, run, impact, inelastic;
    std::string initialConditions, dynamics, inelasticEvents;
};

// The nine file names that outlive a run, in the run's argument order; wildcard names count
// as missing.
using TEngineFileNames = TRunFileNames;

// "*.prj", "*.trg", "*.mdl", "*.run", "*.imp", "*.inl"; "inivars.osl", "dynvars.osl",
// "inelast.dat".
TEngineFileNames InitialEngineFileNames();

// The three output names in their absolute form against the current folder.
void MakeOutputNamesAbsolute(TEngineFileNames& names);

// The six input boxes of the input-files dialog, in the order projectile, target, model, run,
// impact, inelastic.
using TInputFileBoxes = std::array<std::string, 6>;
inline const TInputFileBoxes kInitialInputBoxes = {"*.prj", "*.trg", "*.mdl",
                                                   "*.run", "*.imp", "*.inl"};

// Fills the target, model, run, impact and inelastic boxes with the files that share the
// projectile file's stem (exact name first, then the extension in any case); a box whose file
// does not exist keeps its text. Returns how many boxes were filled.
int FillCompanionNames(const std::string& projectile, TInputFileBoxes& boxes);

void CopyInputBoxes(const TInputFileBoxes& boxes, TEngineFileNames& names);

// The six input names resolved as the input-files dialog resolves them: the exact name, else the
// same folder and stem with the extension in any case (FindCompanionFile). Outputs stay as named.
TRunFileNames WithCompanionInputs(const TRunFileNames& names);

// An input file that a run needs and that does not exist (or is named with a wildcard).
struct TMissingInput {
    const char* kind;  // "projectile", "target", "model", "run", "impact", "inelastic"
    std::string name;
};

// The missing inputs in the order projectile, target, model, run, impact, then inelastic when
// an inelastic model is selected.
std::vector<TMissingInput> MissingInputFiles(const TEngineFileNames& names,
                                             bool inelasticModelSelected);

// A run needs projectile, impact, run, target and model files, and the inelastic file only when
// an inelastic model is selected.
bool RunPossible(const TEngineFileNames& names, bool inelasticModelSelected);

// "Target file: " + the name, or "Target file: (none)" for an empty name.
std::string MissingInputText(const TMissingInput& missing);

// What the main window says when the input-files dialog's OK leaves a run without a file it
// needs: the status text and the log's red lines, a file each ("  No target file specified"
// for a wildcard name, "  Target file not found: " + the name), the inelastic one followed by
// the models ticked in the options that need it.
struct TMissingInputReport {
    std::string status;
    std::vector<std::string> lines;
};
TMissingInputReport ReportMissingInputs(const std::vector<TMissingInput>& missing,
                                        const TSimulationOptions& options);

// The lines the main window logs in green: "  " and each name, then an empty line.
std::vector<std::string> InputFileLogLines(const TEngineFileNames& names,
                                           bool inelasticModelSelected);
std::vector<std::string> OutputFileLogLines(const TEngineFileNames& names);

// "Ostrel 2.2 (" + the target file's name without folder + "...)".
std::string ReadyCaption(const TEngineFileNames& names);
constexpr const char* kEngineTitle = "Ostrel 2.2";

}  // namespace halvern
