#include "FileChooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <vector>

#include "DisplayText.h"

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

std::string QtNameFilters(const std::string& filter) {
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
    std::string out;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        // "*.*" means any file here; several patterns are separated by blanks.
        std::string patterns;
        for (const char c : parts[i + 1]) patterns += c == ';' ? ' ' : c;
        if (patterns == "*.*") patterns = "*";
        if (!out.empty()) out += ";;";
        out += parts[i] + " (" + patterns + ")";
    }
    return out;
}

}  // namespace halvern
