#include "LogFiles.h"

#include "FileChooser.h"
#include "RichEditEx.h"
#include "UiSink.h"
#include "editor/EditorRules.h"

namespace halvern {

bool SaveLogToFile(RichEditEx& log, QWidget* parent) {
    const auto chosen = UiFileChooser().saveFile(
        parent, {"Save File to Disk", "Rich text format file|*.rtf|Text file|*.txt|Any file|*.*",
                 "*.rtf", "rtf"});
    return chosen && log.saveFile(*chosen, NamesRichTextFile(*chosen), UiSink());
}

bool LoadFileIntoLog(RichEditEx& log, QWidget* parent) {
    const auto chosen = UiFileChooser().openFile(parent, {"Open File in Editor", "Any file|*.*", "*.*", ""});
    return chosen && log.loadFile(*chosen, UiSink());
}

}  // namespace halvern
