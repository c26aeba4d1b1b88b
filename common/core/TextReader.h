// Free-format reader of the kit's line-oriented input files, over the bytes of a whole file.
//
// Numbers are read free-format: blanks, tabs and line ends before a number are skipped and the
// number ends at the next character of code 32 or less. Reading past the end gives 0 without an
// error; a text that is no number sets a sticky error and reads 0. CR LF, LF and a lone CR all end
// a line, and the last line may lack its line end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace halvern {

class TextReader {
public:
    TextReader() = default;
    explicit TextReader(std::string bytes) : data_(std::move(bytes)) {}

    // Loads a whole file; false when it cannot be opened or read.
    bool open(const std::string& path);
    // Back to the first character of the data, with the error cleared.
    void rewind();

    int32_t readInt();
    long double readReal();
    // One character (a line end reads as CR; past the end reads as Ctrl-Z, 26).
    char readChar();
    // Up to `maxChars` characters, never past the end of the line.
    std::string readString(size_t maxChars = 255);
    // The rest of the line, without its line end; the line end is consumed.
    std::string readLine();
    // Drops the rest of the line and its line end.
    void skipLine();

    bool eoln() const;  // at a line end or at the end of the data
    bool eof() const;   // at the end of the data (or at a Ctrl-Z)
    // Skips blanks, tabs and line ends, then tells whether the end is reached.
    bool seekEof();
    // Skips blanks and tabs on the current line, then tells whether the line ends there.
    bool seekEoln();

    bool failed() const { return failed_; }
    void clearError() { failed_ = false; }
    // 1-based number of the line the next character belongs to.
    int lineNumber() const { return line_; }

private:
    std::string_view nextToken();
    void consumeLineEnd();

    std::string data_;
    size_t pos_ = 0;
    int line_ = 1;
    bool failed_ = false;
};

}  // namespace halvern
