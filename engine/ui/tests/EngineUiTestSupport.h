// Shared pieces of the engine's window tests: a scratch current folder with the recording sink
// and the scripted file dialogs installed, the log's contents and screenshots.
#pragma once

#include <QColor>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTextEdit>
#include <functional>
#include <string>

#include "EngineWindows.h"
#include "MessageSink.h"
#include "ScriptedFileChooser.h"

namespace halvern::uitest {

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

// The example project in the bench folder (the impact file cut to its first lines when
// `impactLines` is given), named in the input-files dialog.
void SpecifyExampleProject(EngineTestBench& bench, TMainForm& main, int impactLines = 0);

struct LoggedLine {
    QString text;
    QColor colour;
};
// The log's lines with the colour each starts in.
std::vector<LoggedLine> LogContents(const QTextEdit* log);
int FindLogLine(const std::vector<LoggedLine>& lines, const QString& text, int from = 0);

// Runs `action` on the next modal dialog that opens (once the event loop runs).
void WhenModalOpens(std::function<void(QWidget* dialog)> action);

// The file name of the page in the help window; empty when none is shown.
QString ShownHelpPage();
// Pixels of a picture in a colour (not white, grey or black): the drawn atoms.
int CountColoured(const QImage& image);

// Saves a window's picture into $HALVERN_SCREENSHOT_DIR.
void SaveScreenshot(QWidget* window, const QString& name);

}  // namespace halvern::uitest
