// File dialogs for window tests: each dialog takes the next scripted answer (none: Cancel), and
// what was asked is kept.
#pragma once

#include <deque>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "FileChooser.h"

namespace halvern {

class ScriptedFileChooser : public FileChooser {
  public:
    std::optional<std::string> openFile(QWidget*, const FileDialogSpec& request) override {
        return answer(request);
    }
    std::optional<std::string> saveFile(QWidget*, const FileDialogSpec& request) override {
        return answer(request);
    }
    void script(std::initializer_list<std::optional<std::string>> answers) {
        answers_.insert(answers_.end(), answers.begin(), answers.end());
    }
    void clear() {
        answers_.clear();
        asked.clear();
    }
    std::vector<FileDialogSpec> asked;

  private:
    std::optional<std::string> answer(const FileDialogSpec& request) {
        asked.push_back(request);
        if (answers_.empty()) return std::nullopt;
        std::optional<std::string> a = answers_.front();
        answers_.pop_front();
        return a;
    }
    std::deque<std::optional<std::string>> answers_;
};

}  // namespace halvern
