#include "LogFile.h"

#include "FileSafety.h"
#include "processes/ProcessFiles.h"

namespace brisal {

bool SaveLogLines(halvern::MessageSink& sink, const std::vector<std::string>& lines,
                  const std::string& fileName) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    const halvern::WriteOutcome written = halvern::WriteFileReplacing(fileName, text);
    if (written) return true;
    sink.error(written.failureText(halvern::ErrorWritingText(fileName)));
    return false;
}

}  // namespace brisal
