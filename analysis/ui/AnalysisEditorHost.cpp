#include "AnalysisEditorHost.h"

#include "FileChooser.h"
#include "HelpContexts.h"
#include "ResultEditing.h"
#include "UiSink.h"
#include "WaitCursor.h"

namespace brisal {

namespace {

// The main window's "&Open" starts on text and data files, an editor's on any file.
constexpr int kTextFilesFilter = 0;
constexpr int kAnyFileFilter = 1;

halvern::FileDialogSpec OpenDialogSpec(const std::string& initialName, int filterIndex) {
    return {"Open", "Text files and data files|*.txt;*.dat|Any file|*.*", initialName, "txt",
            filterIndex};
}

}  // namespace

AnalysisEditorHost::AnalysisEditorHost(QWidget* dialogParent)
    : dialogParent_(dialogParent), windows_(*this, kHelpProgram) {}

// Windows left when the host goes (the program has ended) would ask a host that is gone.
AnalysisEditorHost::~AnalysisEditorHost() {
    for (halvern::TEditForm* window : windows_.windows()) delete window;
}

void AnalysisEditorHost::newEditor() {
    const std::string caption = "NEW" + std::to_string(counter_++) + ".TXT";
    windows_.openNew(caption, true);
}

void AnalysisEditorHost::openEditor() {
    chooseAndOpen("*.*", kAnyFileFilter);
}

void AnalysisEditorHost::openFromMainWindow() {
    chooseAndOpen("*.??t", kTextFilesFilter);
}

void AnalysisEditorHost::chooseAndOpen(const std::string& initialName, int filterIndex) {
    const auto chosen =
        halvern::UiFileChooser().openFile(dialogParent_, OpenDialogSpec(initialName, filterIndex));
    if (chosen) openFileInEditor(*chosen);
}

// Editors work in plain-text mode; a rich-text file is shown formatted all the same.
halvern::TEditForm* AnalysisEditorHost::openFileInEditor(const std::string& path) {
    return windows_.openFileShowingRtf(path);
}

halvern::TEditForm* AnalysisEditorHost::openTextInEditor(const std::string& caption,
                                                         const std::string& text) {
    return windows_.openText(caption, text, true);
}

halvern::TEditForm* AnalysisEditorHost::openResult(const std::string& fileName) {
    if (!MayOpenResultInEditor(fileName, halvern::UiSink())) return nullptr;
    halvern::WaitCursor wait;
    return openFileInEditor(fileName);
}

bool AnalysisEditorHost::closeAll() {
    return windows_.closeAll();
}

}  // namespace brisal
