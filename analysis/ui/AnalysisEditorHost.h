// The analysis program's editor windows: new ones named NEW0.TXT, NEW1.TXT, ..., files and
// process results shown in plain-text mode (a rich-text file formatted), and all of them closed
// (each asking about its changes) before the program ends.
#pragma once

#include <string>
#include <vector>

#include "EditorHost.h"
#include "EditorWindows.h"

class QWidget;

namespace brisal {

class AnalysisEditorHost : public halvern::EditorHost {
  public:
    // `dialogParent` is the window the open dialogs belong to.
    explicit AnalysisEditorHost(QWidget* dialogParent);
    ~AnalysisEditorHost() override;
    AnalysisEditorHost(const AnalysisEditorHost&) = delete;
    AnalysisEditorHost& operator=(const AnalysisEditorHost&) = delete;

    // An editor's "&New" and the main window's: an empty window with the next number.
    void newEditor() override;
    // An editor's "&Open": the open dialog on any file.
    void openEditor() override;
    // The main window's "&Open": the open dialog on text and data files.
    void openFromMainWindow();
    halvern::TEditForm* openFileInEditor(const std::string& path) override;
    halvern::TEditForm* openTextInEditor(const std::string& caption,
                                         const std::string& text) override;
    // A process result: a file larger than 50 MB only after the user agrees.
    halvern::TEditForm* openResult(const std::string& fileName);

    // False when a window stays open (its save was cancelled or failed).
    bool closeAll();
    std::vector<halvern::TEditForm*> windows() const { return windows_.windows(); }

  private:
    void chooseAndOpen(const std::string& initialName, int filterIndex);

    QWidget* dialogParent_;
    halvern::EditorWindows windows_;
    int counter_ = 0;  // numbers the new windows; never reused
};

}  // namespace brisal
