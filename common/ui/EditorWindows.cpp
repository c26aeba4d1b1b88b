#include "EditorWindows.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "DisplayText.h"
#include "UiSink.h"
#include "largetext/LargeTextLoader.h"

namespace halvern {

EditorWindows::EditorWindows(EditorHost& host, std::string helpProgram)
    : host_(host), helpProgram_(std::move(helpProgram)) {}

TEditForm* EditorWindows::create() {
    auto* window = new TEditForm(&host_, helpProgram_);
    windows_.erase(std::remove(windows_.begin(), windows_.end(), nullptr), windows_.end());
    windows_.emplace_back(window);
    return window;
}

TEditForm* EditorWindows::openNew(const std::string& caption, bool plainText) {
    TEditForm* window = create();
    window->EditWin->setPlainTextMode(plainText);
    window->setFileName(caption);
    window->file().modified = false;
    window->file().untitled = true;
    window->FormShow();
    return window;
}

TEditForm* EditorWindows::openFile(const std::string& path, bool plainText) {
    return open(path, plainText, false);
}

TEditForm* EditorWindows::openFileShowingRtf(const std::string& path) {
    return open(path, true, true);
}

// A plain text too large for a text document goes to the view made for large text.
TEditForm* EditorWindows::open(const std::string& path, bool plainText, bool showRtf) {
    TEditForm* window = create();
    window->EditWin->setPlainTextMode(plainText);
    std::error_code error;
    const bool large = plainText && std::filesystem::is_regular_file(path, error) &&
                       std::filesystem::file_size(path, error) > kLargeTextBytes && !error;
    const bool loaded = large     ? window->loadLargeFile(path)
                        : showRtf ? window->EditWin->loadFileShowingRtf(path, UiSink())
                                  : window->loadFile(path);
    if (!loaded) {
        delete window;
        return nullptr;
    }
    window->setFileName(path);
    window->file().modified = false;
    window->file().untitled = false;
    window->FormShow();
    return window;
}

TEditForm* EditorWindows::openText(const std::string& caption, const std::string& text,
                                   bool plainText) {
    TEditForm* window = openNew(caption, plainText);
    window->EditWin->moveCursor(QTextCursor::End);
    window->EditWin->insertPlainText(DecodeText(text));
    window->EditWin->moveCursor(QTextCursor::Start);
    return window;
}

bool EditorWindows::closeAll() {
    for (TEditForm* window : windows())
        if (!window->close()) return false;
    return true;
}

std::vector<TEditForm*> EditorWindows::windows() const {
    std::vector<TEditForm*> open;
    for (const QPointer<TEditForm>& window : windows_)
        if (window) open.push_back(window.data());
    return open;
}

}  // namespace halvern
