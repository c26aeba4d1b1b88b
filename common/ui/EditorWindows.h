// The editor windows a main window hosts: made on demand as top-level windows that free
// themselves on close, filled as the host duties say, and closed (each asking about its
// changes) before the program ends.
#pragma once

#include <QPointer>
#include <string>
#include <vector>

#include "EditForm.h"

namespace halvern {

class EditorWindows {
  public:
    EditorWindows(EditorHost& host, std::string helpProgram);
    EditorWindows(const EditorWindows&) = delete;
    EditorWindows& operator=(const EditorWindows&) = delete;

    // A new empty window named `caption`, untitled, in the given mode, shown.
    TEditForm* openNew(const std::string& caption, bool plainText);
    // A window with the file, its name as caption, in the given mode (set before the file is
    // read, so that rich-text mode reads rich text). A plain text larger than kLargeTextBytes
    // goes to the view made for large text and is read in pieces. A file that cannot be read
    // is reported and no window stays: null.
    TEditForm* openFile(const std::string& path, bool plainText);
    // A window with the file in plain-text mode, but a rich-text file shown formatted in
    // rich-text mode.
    TEditForm* openFileShowingRtf(const std::string& path);
    // An untitled window named `caption` with the text added after it was set up, so that it
    // counts as changed.
    TEditForm* openText(const std::string& caption, const std::string& text, bool plainText);

    // Closes every window; false when one of them stays open (its save was cancelled or failed).
    bool closeAll();
    std::vector<TEditForm*> windows() const;

  private:
    TEditForm* create();
    TEditForm* open(const std::string& path, bool plainText, bool showRtf);

    EditorHost& host_;
    std::string helpProgram_;
    std::vector<QPointer<TEditForm>> windows_;
};

}  // namespace halvern
