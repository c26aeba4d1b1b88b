#include "SetupEditorHost.h"

#include "FileChooser.h"
#include "HelpContexts.h"
#include "editor/EditorRules.h"

namespace velkor {

namespace {

// Both cases of each extension are listed: file names on this system are case-sensitive.
constexpr const char* kOpenEditorFilter =
    "Target file|*.TRG;*.trg|Simulation project files|*.TRG;*.PRJ;*.MDL;*.RUN;*.IMP;*.INL;"
    "*.trg;*.prj;*.mdl;*.run;*.imp;*.inl|Any file|*.*";

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (&line != &lines.front()) text += '\n';
        text += line;
    }
    return text;
}

}  // namespace

SetupEditorHost::SetupEditorHost(QWidget* window, std::function<bool()> plainText)
    : window_(window), plainText_(std::move(plainText)), windows_(*this, kHelpProgram) {}

SetupEditorHost::~SetupEditorHost() {
    for (halvern::TEditForm* window : windows_.windows()) delete window;
}

void SetupEditorHost::newEditor() {
    const bool plain = plainText_();
    windows_.openNew(halvern::SetupNewEditorCaption(!plain, counter_), plain);
}

void SetupEditorHost::openEditor() {
    const auto chosen = halvern::UiFileChooser().openFile(
        window_, {"Open file in editor", kOpenEditorFilter, "*.trg", ""});
    if (chosen) openFileInEditor(*chosen);
}

halvern::TEditForm* SetupEditorHost::openFileInEditor(const std::string& path) {
    return windows_.openFile(path, plainText_());
}

halvern::TEditForm* SetupEditorHost::openTextInEditor(const std::string& caption,
                                                      const std::string& text) {
    return windows_.openText(caption, text, plainText_());
}

halvern::TEditForm* SetupEditorHost::openLines(const std::string& caption,
                                               const std::vector<std::string>& lines,
                                               bool plainText) {
    return windows_.openText(caption, JoinLines(lines), plainText);
}

bool SetupEditorHost::closeAll() {
    return windows_.closeAll();
}

std::vector<halvern::TEditForm*> SetupEditorHost::windows() const {
    return windows_.windows();
}

}  // namespace velkor
