#include "run/EngineStartup.h"

#include <filesystem>
#include <system_error>

#include "FileSafety.h"
#include "miscutil.h"

namespace halvern {

void StartEngineSession(TEngineSession& session, const std::string& programDir) {
    std::error_code ec;
    const std::filesystem::path options = std::filesystem::absolute(kOptionsFileName, ec);
    session.optionsFilePath = ec ? std::string(kOptionsFileName) : options.string();
    LoadOptionsAtStartUp(session.optionsFilePath, session.globals.Options);
    // A stored velocity plot is drawn at its own scale from the start.
    session.globals.GraphScale = GraphScaleForMode(session.globals.Options.GraphMode);
    session.setupProgramPath = programDir + kSetupProgramName;
    session.analysisProgramPath = programDir + kAnalysisProgramName;
}

bool LaunchSiblingProgram(const std::string& pathInEngineFolder, const std::string& bareName,
                          const ProgramLauncher& launch, MessageSink& sink) {
    if (FileExists(pathInEngineFolder)) {
        launch(pathInEngineFolder);
        return true;
    }
    if (launch(bareName)) return true;
    ShowError(sink, bareName + " was not found.");
    return false;
}

bool LaunchChosenProgram(const std::string& chosen, const ProgramLauncher& launch,
                         MessageSink& sink) {
    if (launch(chosen)) return true;
    ShowError(sink, FileNameOf(chosen) + "was not found on your path.");
    return false;
}

}  // namespace halvern
