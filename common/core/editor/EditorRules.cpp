#include "editor/EditorRules.h"

#include <cctype>

#include "FileSafety.h"
#include "richtext/RtfReader.h"

namespace halvern {

bool SaveEditor(EditorFile& file, bool saveAs, EditorSaving& saving) {
    std::string name = file.fileName;
    if (saveAs || file.untitled) {
        const std::optional<std::string> chosen = saving.chooseSaveName(file.fileName);
        if (!chosen) return false;
        name = *chosen;
    }
    if (!saving.writeFile(name)) return false;
    file.fileName = name;
    file.modified = false;
    if (!saveAs) file.untitled = false;
    return true;
}

bool MayCloseEditor(const EditorFile& file, EditorSaving& saving, MessageSink& sink) {
    if (!file.modified) return true;
    if (!sink.askYesNo(SaveChangesQuestion(file.fileName), BoxIcon::Warning)) return true;
    const std::optional<std::string> chosen = saving.chooseSaveName(file.fileName);
    return chosen && saving.writeFile(*chosen);
}

std::string SaveChangesQuestion(const std::string& fileName) {
    return "Save changes to " + fileName + "?";
}

std::string ModeStatusText(bool plainText) {
    return plainText ? "Plain text" : "Rich text";
}

std::string SetupNewEditorCaption(bool richText, int& counter) {
    const int number = counter++;
    return richText ? std::string("UNTITLED.RTF") : "UNTITLED." + std::to_string(number);
}

std::string AnalysisNewEditorCaption(int& counter) {
    return "NEW" + std::to_string(counter++) + ".TXT";
}

bool NamesRichTextFile(const std::string& path) {
    std::string ext = FileExt(path);
    for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return ext == ".RTF";
}

bool ReadEditorContent(std::string_view bytes, bool richMode, EditorContent& content,
                       std::string& error) {
    if (richMode && LooksLikeRtf(bytes)) {
        RtfReadResult read = ReadRtf(bytes);
        if (!read.ok) {
            error = read.error;
            return false;
        }
        content.rich = true;
        content.doc = std::move(read.doc);
        return true;
    }
    content.rich = false;
    content.plain = DecodePlainText(bytes);
    return true;
}

std::string ReadErrorText(const std::string& fileName, const std::string& reason) {
    return reason.empty() ? "Error reading " + fileName + "."
                          : "Error reading " + fileName + ": " + reason + ".";
}

std::string WriteErrorText(const std::string& fileName) {
    return "Error writing " + fileName + ".";
}

}  // namespace halvern
