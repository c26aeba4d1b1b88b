// The program's help window: the HTML page of a help context number.
#pragma once

#include <QTextBrowser>
#include <string>

namespace halvern {

// The page of a context under helpRoot/program/: "<context>.html", else "index.html"; empty when
// neither exists.
std::string HelpPageFile(const std::string& helpRoot, const std::string& program,
                         int contextNumber);

class HelpWindow : public QTextBrowser {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Loads the page of the context; without one, a notice names the missing page and false is
    // returned (the window keeps what it showed).
    bool showContext(const std::string& helpRoot, const std::string& program, int contextNumber);
};

// Shows the page of a context in the program's one help window; the pages lie in
// <program folder>/help/<program>/.
void ShowHelp(const std::string& program, int contextNumber);
// The program's help window, or nullptr before the first page was shown.
HelpWindow* ProgramHelpWindow();

}  // namespace halvern
