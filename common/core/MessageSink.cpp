#include "MessageSink.h"

#include <algorithm>

namespace halvern {

void RecordingSink::error(const std::string& text) {
    entries_.push_back({Kind::Error, text, {}, BoxIcon::Error});
}

void RecordingSink::warning(const std::string& text) {
    entries_.push_back({Kind::Warning, text, {}, BoxIcon::Warning});
}

void RecordingSink::info(const std::string& text) {
    entries_.push_back({Kind::Info, text, {}, BoxIcon::Information});
}

void RecordingSink::infoWithHelp(const std::string& text, const HelpTopic& help) {
    entries_.push_back({Kind::Info, text, {}, BoxIcon::Information, help});
}

bool RecordingSink::askYesNo(const std::string& text, BoxIcon icon) {
    entries_.push_back({Kind::YesNo, text, {}, icon});
    return answer();
}

bool RecordingSink::askOkCancel(const std::string& text, BoxIcon icon) {
    entries_.push_back({Kind::OkCancel, text, {}, icon});
    return answer();
}

bool RecordingSink::askOkCancelWithHelp(const std::string& text, BoxIcon icon,
                                        const HelpTopic& help) {
    entries_.push_back({Kind::OkCancel, text, {}, icon, help});
    return answer();
}

void RecordingSink::beep() {
    entries_.push_back({Kind::Beep, {}, {}, BoxIcon::Information});
}

void RecordingSink::parseError(const std::string& title, const std::string& text) {
    entries_.push_back({Kind::ParseError, text, title, BoxIcon::Error});
}

void RecordingSink::scriptAnswers(std::initializer_list<bool> answers) {
    answers_.insert(answers_.end(), answers.begin(), answers.end());
}

bool RecordingSink::answer() {
    if (answers_.empty()) return defaultAnswer_;
    bool a = answers_.front();
    answers_.pop_front();
    return a;
}

int RecordingSink::count(Kind kind) const {
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                          [kind](const Entry& e) { return e.kind == kind; }));
}

std::vector<std::string> RecordingSink::texts() const {
    std::vector<std::string> out;
    for (const Entry& e : entries_)
        if (e.kind != Kind::Beep) out.push_back(e.text);
    return out;
}

}  // namespace halvern
