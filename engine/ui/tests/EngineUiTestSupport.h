// Shared pieces of the engine's window tests: scripted file dialogs, a scratch current folder,
// the recording sink installed for the windows, and a stand-in core run.
#pragma once

#include <QColor>
#include <QDir>
#include <QTemporaryDir>
#include <QTextEdit>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "EngineWindows.h"
#include "FileChooser.h"
#include "MessageSink.h"

namespace halvern::uitest {

// Answers the file dialogs in order; an empty answer is Cancel. Records what was asked.
class ScriptedFileChooser : public FileChooser {
  public:
    std::optional<std::string> openFile(QWidget*, const FileDialogSpec& spec) override {
        return answer(spec);
    }
    std::optional<std::string> saveFile(QWidget*, const FileDialogSpec& spec) override {
        return answer(spec);
    }
    void script(std::initializer_list<std::optional<std::string>> answers) {
        answers_.insert(answers_.end(), answers.begin(), answers.end());
    }
    std::vector<FileDialogSpec> asked;

  private:
    std::optional<std::string> answer(const FileDialogSpec& spec) {
        asked.push_back(spec);
        if (answers_.empty()) return std::nullopt;
        auto a = answers_.front();
        answers_.pop_front();
        return a;
    }
    std::deque<std::optional<std::string>> answers_;
};

// A fresh current folder with the recording sink and the scripted chooser installed; all is
// put back at the end of the test.
class EngineTestBench {
  public:
    EngineTestBench();
    ~EngineTestBench();
    EngineTestBench(const EngineTestBench&) = delete;
    EngineTestBench& operator=(const EngineTestBench&) = delete;

    std::string file(const std::string& name) const;
    std::string write(const std::string& name, const std::string& bytes) const;
    // The example project copied into the scratch folder; returns the projectile file.
    std::string copyExampleProject() const;
    // Creates the windows as the program does.
    TMainForm& start();

    RecordingSink sink;
    ScriptedFileChooser chooser;
    TEngineSession session;
    std::unique_ptr<TMainForm> main;

  private:
    QTemporaryDir dir_;
    QString oldCurrent_;
};

struct LoggedLine {
    QString text;
    QColor colour;
};
// The log's lines with the colour each starts in.
std::vector<LoggedLine> LogContents(const QTextEdit* log);
int FindLogLine(const std::vector<LoggedLine>& lines, const QString& text, int from = 0);

// Runs `action` on the next modal dialog that opens (once the event loop runs).
void WhenModalOpens(std::function<void(QWidget* dialog)> action);

// Saves a window's picture into $HALVERN_SCREENSHOT_DIR.
void SaveScreenshot(QWidget* window, const QString& name);

}  // namespace halvern::uitest
