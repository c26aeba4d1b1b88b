// The set-up program's editor hosting: the Editor menu's New and Open (and an editor's own),
// windows named "UNTITLED.<n>" or "UNTITLED.RTF", the format mode of the Editor menu given to
// each new window before it loads, and the windows closed before the program ends.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "EditorHost.h"
#include "EditorWindows.h"

class QWidget;

namespace velkor {

class SetupEditorHost : public halvern::EditorHost {
  public:
    // `window` parents the open dialog; `plainText` reads the Editor menu's format mode.
    SetupEditorHost(QWidget* window, std::function<bool()> plainText);
    // Windows still open lose their host: they are closed without a question.
    ~SetupEditorHost() override;
    SetupEditorHost(const SetupEditorHost&) = delete;
    SetupEditorHost& operator=(const SetupEditorHost&) = delete;

    void newEditor() override;
    void openEditor() override;
    halvern::TEditForm* openFileInEditor(const std::string& path) override;
    halvern::TEditForm* openTextInEditor(const std::string& caption,
                                         const std::string& text) override;

    // The Editor menu's format mode, which new windows take.
    bool plainText() const { return plainText_(); }
    // An untitled window holding `lines` (joined by line ends), in the given mode.
    halvern::TEditForm* openLines(const std::string& caption, const std::vector<std::string>& lines,
                                  bool plainText);

    // Closes every window, each asking about its changes; false when one stays open.
    bool closeAll();
    std::vector<halvern::TEditForm*> windows() const;

  private:
    QWidget* window_;
    std::function<bool()> plainText_;
    int counter_ = 0;  // numbers the plain windows' captions; a rich one uses up a number too
    halvern::EditorWindows windows_;
};

}  // namespace velkor
