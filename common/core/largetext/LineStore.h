// The lines of a plain text too large for a text document: the file's bytes as read, the lines
// edits make in chunks of their own, and one reference per line. Nothing stored is ever
// overwritten, so a reference taken before an edit still reads the old line; undo puts the old
// references back.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "richtext/TextCodec.h"

namespace halvern {

struct LineRef {
    uint64_t offset = 0;
    uint32_t length = 0;  // bytes, without the line end
    uint32_t chunk = 0;   // 0: the file's bytes; k > 0: the k-th chunk of lines made by edits

    bool operator==(const LineRef&) const = default;
};

class LineStore {
  public:
    // What the loader fills: the file's bytes, the encoding they are in, a reference per line.
    std::string& fileBytes() { return file_; }
    const std::string& fileBytes() const { return file_; }
    void setFileEncoding(TextEncoding encoding) { encoding_ = encoding; }
    TextEncoding fileEncoding() const { return encoding_; }
    std::vector<LineRef>& lines() { return lines_; }
    const std::vector<LineRef>& lines() const { return lines_; }

    // A line's bytes: Latin-1 for the lines of a Latin-1 file as read, else UTF-8.
    std::string_view bytes(const LineRef& line) const;
    bool isLatin1(const LineRef& line) const {
        return line.chunk == 0 && encoding_ == TextEncoding::Latin1;
    }
    // The line's characters appended to `out`.
    void appendText(const LineRef& line, std::u16string& out) const;

    // Stores a new line (UTF-8) and gives its reference.
    LineRef add(std::string_view utf8);

    // The bytes held: the file's and every chunk's.
    size_t heldBytes() const;

  private:
    struct Chunk {
        std::unique_ptr<char[]> data;
        size_t size = 0;
        size_t used = 0;
    };

    std::string file_;
    TextEncoding encoding_ = TextEncoding::Utf8;
    std::vector<LineRef> lines_;
    std::vector<Chunk> chunks_;
};

}  // namespace halvern
