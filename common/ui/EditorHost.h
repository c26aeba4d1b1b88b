// What an editor window asks of the main window that hosts it (its "&New" and "&Open"), and the
// calls by which other windows show a file or a text in a new editor window.
#pragma once

#include <string>

namespace halvern {

class TEditForm;

class EditorHost {
  public:
    virtual ~EditorHost() = default;
    // An editor's "&New": a new empty window named as the host names them.
    virtual void newEditor() = 0;
    // An editor's "&Open": the host's open dialog, then a window with the chosen file.
    virtual void openEditor() = 0;
    // A new window showing the file, in the host's format mode. A file that cannot be read is
    // reported with its name and leaves no window: null.
    virtual TEditForm* openFileInEditor(const std::string& path) = 0;
    // A new untitled window named `caption` holding the text, in the host's format mode. The
    // text counts as a change, so closing the window asks whether to save it.
    virtual TEditForm* openTextInEditor(const std::string& caption, const std::string& text) = 0;
};

}  // namespace halvern
