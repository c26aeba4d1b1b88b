#include "FileChooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <cctype>
#include <sstream>
#include <vector>

#include "DisplayText.h"
#include "FileSafety.h"

namespace halvern {

namespace {

class QtFileChooser : public FileChooser {
  public:
    std::optional<std::string> openFile(QWidget* parent, const FileDialogSpec& request) override {
        return run(parent, request, QFileDialog::AcceptOpen, QFileDialog::ExistingFile);
    }

    std::optional<std::string> saveFile(QWidget* parent, const FileDialogSpec& request) override {
        return run(parent, request, QFileDialog::AcceptSave, QFileDialog::AnyFile);
    }

  private:
    static std::optional<std::string> run(QWidget* parent, const FileDialogSpec& request,
                                          QFileDialog::AcceptMode accept,
                                          QFileDialog::FileMode files) {
        QFileDialog dialog(parent, DecodeText(request.title));
        dialog.setAcceptMode(accept);
        dialog.setFileMode(files);
        const QStringList filters = DecodeText(QtNameFilters(request.filter))
                                        .split(QStringLiteral(";;"), Qt::SkipEmptyParts);
        dialog.setNameFilters(filters);
        if (request.filterIndex > 0 && request.filterIndex < filters.size())
            dialog.selectNameFilter(filters.at(request.filterIndex));
        if (!request.defaultSuffix.empty())
            dialog.setDefaultSuffix(DecodeText(request.defaultSuffix));
        const QFileInfo start(DecodeText(request.initialName));
        if (start.isAbsolute()) dialog.setDirectory(start.absolutePath());
        // A pattern is no name to start from; the filter shows what it would.
        if (!start.fileName().contains(QLatin1Char('*'))) dialog.selectFile(start.fileName());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return CoreText(dialog.selectedFiles().front());
    }
};

FileChooser* installedChooser = nullptr;

}  // namespace

FileChooser& UiFileChooser() {
    static QtFileChooser dialogs;
    return installedChooser != nullptr ? *installedChooser : dialogs;
}

void SetUiFileChooser(FileChooser* chooser) {
    installedChooser = chooser;
}

namespace {

struct FilterEntry {
    std::string description;
    std::string patterns;  // separated by blanks
};

std::vector<FilterEntry> FilterEntries(const std::string& filter) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : filter) {
        if (c == '|') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    std::vector<FilterEntry> entries;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string patterns;
        for (const char c : parts[i + 1]) patterns += c == ';' ? ' ' : c;
        entries.push_back({parts[i], patterns});
    }
    return entries;
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

std::string QtNameFilters(const std::string& filter) {
    std::string out;
    for (const FilterEntry& entry : FilterEntries(filter)) {
        // "*.*" means any file here.
        if (!out.empty()) out += ";;";
        out += entry.description + " (" + (entry.patterns == "*.*" ? "*" : entry.patterns) + ")";
    }
    return out;
}

int FilterIndexFor(const std::string& filter, const std::string& name) {
    const std::string ext = FileExt(name);
    const std::string pattern = ext.empty() ? "" : "*" + Lower(ext);
    const std::vector<FilterEntry> entries = FilterEntries(filter);
    int any = 0;
    for (size_t k = 0; k < entries.size(); ++k) {
        std::istringstream patterns(Lower(entries[k].patterns));
        for (std::string p; patterns >> p;) {
            if (!pattern.empty() && p == pattern) return static_cast<int>(k);
            if (p == "*.*" && any == 0) any = static_cast<int>(k);
        }
    }
    return any;
}

}  // namespace halvern
