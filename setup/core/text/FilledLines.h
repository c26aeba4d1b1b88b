// Line-wise reading of the set-up program's point and atom files: one value set per line, the
// rest of each line dropped, and lines of blanks alone left out (they hold no atom or point).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "TextReader.h"

namespace velkor {

// True when the line holds nothing but blanks, tabs and other control characters.
bool IsBlankLine(std::string_view line);

// Walks the lines of a file that hold something; each line is read by its own reader, so a
// value missing on one line is never taken from the next.
class FilledLines {
  public:
    explicit FilledLines(std::string bytes) : file_(std::move(bytes)) {}

    // The next line that is not blank; false at the end of the file.
    bool next(halvern::TextReader& line);
    // 1-based number of the line last given, counting every line.
    int lineNumber() const { return lineNumber_; }

  private:
    halvern::TextReader file_;
    int lineNumber_ = 0;
};

// True when nothing but blanks is left on the line.
inline bool AtLineEnd(halvern::TextReader& line) { return line.seekEof(); }

// The next value of the line; false when the line has ended or the text is no number.
bool ReadLineReal(halvern::TextReader& line, long double& value);
bool ReadLineReal(halvern::TextReader& line, double& value);
bool ReadLineInt(halvern::TextReader& line, int32_t& value);

}  // namespace velkor
