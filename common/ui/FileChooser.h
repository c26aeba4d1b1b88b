// A program's open and save dialogs behind one interface, so that tests can answer them.
#pragma once

#include <optional>
#include <string>

class QWidget;

namespace halvern {

struct FileDialogSpec {
    std::string title;
    // Filters as pairs "Description|pattern|Description|pattern".
    std::string filter;
    // The name the dialog starts from: a file name, a pattern or a full path.
    std::string initialName;
    std::string defaultSuffix;  // without the dot
    int filterIndex = 0;        // the filter shown first, counted from 0
};

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // An existing file, or nothing when cancelled.
    virtual std::optional<std::string> openFile(QWidget* parent, const FileDialogSpec& request) = 0;
    // A name in an existing folder (an existing file only after the overwrite question).
    virtual std::optional<std::string> saveFile(QWidget* parent, const FileDialogSpec& request) = 0;
};

// The file dialogs of the program; tests install their own chooser (not owned), nullptr
// restores the dialogs.
FileChooser& UiFileChooser();
void SetUiFileChooser(FileChooser* chooser);

// "Description|*.ext|Any file|*.*" as a Qt name filter list.
std::string QtNameFilters(const std::string& filter);

// The entry of `filter` (counted from 0) with a pattern "*.ext" of the extension of `name`,
// case aside; else its "*.*" entry, else 0. A save dialog shows the type of the name it offers.
int FilterIndexFor(const std::string& filter, const std::string& name);

}  // namespace halvern
