// The rules of an editor window apart from the window: its names, saving and closing, the mode
// switch and how a file is read into it. The window supplies the save dialog and the writing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "MessageSink.h"
#include "editor/PlainText.h"
#include "richtext/RichDoc.h"

namespace halvern {

// What an editor window's File commands and its close decide on.
struct EditorFile {
    std::string fileName;  // the caption, and the name "&Save" writes to
    bool modified = false;
    bool untitled = false;  // a new document: "&Save" asks for a name
};

// The two steps of saving that belong to the window.
class EditorSaving {
  public:
    virtual ~EditorSaving() = default;
    // The save dialog ("Save edited file as...") starting from `proposed`; none when cancelled.
    virtual std::optional<std::string> chooseSaveName(const std::string& proposed) = 0;
    // Writes the text to `path`; false when it could not be written (the window has said so).
    virtual bool writeFile(const std::string& path) = 0;
};

// "&Save" (saveAs false) and "&Save As": the dialog runs for Save As and for an untitled
// document. The name and caption change, and modified clears, only once the file is written;
// Save also ends untitled. True when the file was written.
bool SaveEditor(EditorFile& file, bool saveAs, EditorSaving& saving);

// Whether a window may close. A changed window asks "Save changes to NAME?"; No closes it, Yes
// runs the save dialog from the window's name and writes the file. A cancelled dialog or a
// failed write keeps the window and its text, so the next close asks again.
bool MayCloseEditor(const EditorFile& file, EditorSaving& saving, MessageSink& sink);

std::string SaveChangesQuestion(const std::string& fileName);

// The mode switch's questions, and the status text of a mode.
inline constexpr const char* kToPlainQuestion = "Switch editor to plain text mode?";
inline constexpr const char* kToRichQuestion = "Switch editor mode to rich text format?";
std::string ModeStatusText(bool plainText);
// What the commands that do not apply to a text in the view made for large text say.
inline constexpr const char* kLargeTextNotRich =
    "Rich text format is not available for a text this large.";
inline constexpr const char* kLargeTextNoWordWrap =
    "Word wrap is not available for a text this large.";

// Captions of new windows: the set-up program's "UNTITLED.RTF" or "UNTITLED.<n>" and the
// analysis program's "NEW<n>.TXT". The counter goes up by one with every window.
std::string SetupNewEditorCaption(bool richText, int& counter);
std::string AnalysisNewEditorCaption(int& counter);

// A name whose extension is ".RTF" in any case is saved as rich text.
bool NamesRichTextFile(const std::string& path);

// A file read into an editor. In rich-text mode a file that begins with "{\rtf" is read as rich
// text; every other file, and every file in plain-text mode, is its text unchanged.
struct EditorContent {
    bool rich = false;
    RichDoc doc;
    PlainText plain;
};

// False with the reason when rich text cannot be read.
bool ReadEditorContent(std::string_view bytes, bool richMode, EditorContent& content,
                       std::string& error);

// "Error reading NAME." with the reason where there is one.
std::string ReadErrorText(const std::string& fileName, const std::string& reason = {});
std::string WriteErrorText(const std::string& fileName);

}  // namespace halvern
