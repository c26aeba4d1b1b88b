// Where a program's messages go: message boxes in the windows, a recording in tests.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace halvern {

enum class BoxIcon { Error, Warning, Information, Question };

// A help page of a program, shown by a box's Help button.
struct HelpTopic {
    std::string program;
    int context = 0;
};

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    // Boxes with one OK button.
    virtual void error(const std::string& text) = 0;
    virtual void warning(const std::string& text) = 0;
    virtual void info(const std::string& text) = 0;
    // An information box with OK and Help; Help opens the topic's page. A sink without help
    // shows the plain box.
    virtual void infoWithHelp(const std::string& text, const HelpTopic& help) {
        static_cast<void>(help);
        info(text);
    }
    // Questions: true for Yes (or OK).
    virtual bool askYesNo(const std::string& text, BoxIcon icon = BoxIcon::Question) = 0;
    virtual bool askOkCancel(const std::string& text, BoxIcon icon = BoxIcon::Question) = 0;
    // OK, Cancel and a Help button that shows the topic and leaves the box open.
    virtual bool askOkCancelWithHelp(const std::string& text, BoxIcon icon, const HelpTopic& help) {
        (void)help;
        return askOkCancel(text, icon);
    }
    virtual void beep() = 0;
    // The expression parsers' error dialog (title and the report with its caret line).
    virtual void parseError(const std::string& title, const std::string& text) = 0;
};

// Records every message; questions take scripted answers in order, then the default answer.
class RecordingSink : public MessageSink {
  public:
    enum class Kind { Error, Warning, Info, YesNo, OkCancel, Beep, ParseError };
    struct Entry {
        Kind kind;
        std::string text;
        std::string title;  // parse errors only
        BoxIcon icon = BoxIcon::Information;
        HelpTopic help = {};  // boxes with a Help button only
    };

    void error(const std::string& text) override;
    void warning(const std::string& text) override;
    void info(const std::string& text) override;
    void infoWithHelp(const std::string& text, const HelpTopic& help) override;
    bool askYesNo(const std::string& text, BoxIcon icon = BoxIcon::Question) override;
    bool askOkCancel(const std::string& text, BoxIcon icon = BoxIcon::Question) override;
    bool askOkCancelWithHelp(const std::string& text, BoxIcon icon, const HelpTopic& help) override;
    void beep() override;
    void parseError(const std::string& title, const std::string& text) override;

    void scriptAnswers(std::initializer_list<bool> answers);
    void setDefaultAnswer(bool yes) { defaultAnswer_ = yes; }

    const std::vector<Entry>& entries() const { return entries_; }
    int count(Kind kind) const;
    // Texts of the boxes (not beeps), in order.
    std::vector<std::string> texts() const;
    void clear() { entries_.clear(); }

  private:
    bool answer();

    std::vector<Entry> entries_;
    std::deque<bool> answers_;
    bool defaultAnswer_ = true;
};

}  // namespace halvern
