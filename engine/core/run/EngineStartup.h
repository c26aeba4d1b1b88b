// What the engine's main window does at start-up and when it starts the other two programs,
// apart from the window itself.
#pragma once

#include <functional>
#include <string>

#include "MessageSink.h"
#include "host/EngineGlobals.h"
#include "input/InputFileNames.h"

namespace halvern {

// Program-wide state of the engine's window around the core.
struct TEngineSession {
    EngineGlobals globals;
    TEngineFileNames files = InitialEngineFileNames();
    std::string optionsFilePath;
    std::string setupProgramPath;
    std::string analysisProgramPath;
};

constexpr const char* kOptionsFileName = "ostrel.cfg";
constexpr const char* kSetupProgramName = "velkor22";
constexpr const char* kAnalysisProgramName = "brisal22";

// The options file's path against the current folder and the stored options (applied when the
// file asks for it), the graph scale of the graph mode they hold, and the paths of the set-up and
// analysis programs in the engine's own folder.
void StartEngineSession(TEngineSession& session, const std::string& programDir);

// Starts a program without waiting for it; true when the process was created.
using ProgramLauncher = std::function<bool(const std::string& program)>;

// The program in the engine's folder when it is there, else the bare name on the search path.
// False when neither started, after the error " was not found."; the caller then offers the
// "Execute Program" dialog.
bool LaunchSiblingProgram(const std::string& pathInEngineFolder, const std::string& bareName,
                          const ProgramLauncher& launch, MessageSink& sink);

// Starts a program the user chose; on failure its name followed by "was not found on your path.".
bool LaunchChosenProgram(const std::string& chosen, const ProgramLauncher& launch,
                         MessageSink& sink);

}  // namespace halvern
