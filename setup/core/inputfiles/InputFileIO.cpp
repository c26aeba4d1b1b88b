#include "inputfiles/InputFileIO.h"

#include "FileSafety.h"
#include "NumberText.h"
#include "text/TextConversions.h"

namespace velkor {

bool WriteInputFile(const std::string& path, std::string_view text, halvern::MessageSink& sink,
                    const std::string& failureText) {
    const halvern::WriteOutcome written = halvern::WriteFileReplacing(path, text);
    if (written) return true;
    sink.error(written.failureText(failureText));
    return false;
}

void ShowVersionNotice(halvern::MessageSink& sink, const std::string& text) {
    sink.infoWithHelp(text, {"velkor", kVersionNoticeHelp});
}

bool LoaderInput::open(const std::string& path) {
    if (in_.open(path)) return true;
    refused_ = true;
    return false;
}

bool LoaderInput::missing() {
    if (!in_.seekEof()) return false;
    refused_ = true;
    return true;
}

int32_t LoaderInput::intValue() {
    return missing() ? 0 : in_.readInt();
}

long double LoaderInput::realValue() {
    return missing() ? 0 : in_.readReal();
}

int32_t LoaderInput::intOnLine() {
    if (in_.seekEoln()) refused_ = true;
    return intValue();
}

long double LoaderInput::realOnLine() {
    if (in_.seekEoln()) refused_ = true;
    return realValue();
}

std::string LoaderInput::line() {
    if (in_.eof()) {
        refused_ = true;
        return {};
    }
    return in_.readLine();
}

char LoaderInput::nextChar() {
    if (in_.eoln()) {
        refused_ = true;
        return '\0';
    }
    return in_.readChar();
}

std::string_view TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::optional<std::string> FieldNumberText(std::string_view text, size_t width, bool integer) {
    text = TrimBlanks(text);
    if (integer) {
        int32_t value = 0;
        if (!halvern::ParseInt32Token(text, value) || text.size() > width) return std::nullopt;
        return std::string(text);
    }
    long double value = 0;
    if (!halvern::ParseRealToken(text, value)) return std::nullopt;
    // A text the dialog's own check would refuse (".5", "1.") is written out anew.
    long double strict = 0;
    if (text.size() <= width && halvern::ParseReal(text, strict)) return std::string(text);
    return FitRealText(value, width);
}

}  // namespace velkor
