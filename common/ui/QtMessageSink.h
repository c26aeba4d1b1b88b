// Messages shown as modal message boxes.
#pragma once

#include "MessageSink.h"

namespace halvern {

class QtMessageSink : public MessageSink {
  public:
    void error(const std::string& text) override;
    void warning(const std::string& text) override;
    void info(const std::string& text) override;
    void infoWithHelp(const std::string& text, const HelpTopic& help) override;
    bool askYesNo(const std::string& text, BoxIcon icon = BoxIcon::Question) override;
    bool askOkCancel(const std::string& text, BoxIcon icon = BoxIcon::Question) override;
    bool askOkCancelWithHelp(const std::string& text, BoxIcon icon, const HelpTopic& help) override;
    void beep() override;
    void parseError(const std::string& title, const std::string& text) override;
};

}  // namespace halvern
