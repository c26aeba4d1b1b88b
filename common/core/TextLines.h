// Lines of a text file read block by block (CR LF, LF or a lone CR end a line; the last line may
// lack its end), or of text in memory; memory stays bounded whatever the file's size.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace halvern {

class TextLines {
  public:
    // A line longer than this is a read error.
    static constexpr size_t kMaxLineBytes = size_t{16} << 20;

    // Files are read `blockBytes` at a time (tests use small blocks to split lines and CR LF).
    explicit TextLines(size_t blockBytes = size_t{64} << 10) : blockBytes_(blockBytes) {}
    TextLines(const TextLines&) = delete;
    TextLines& operator=(const TextLines&) = delete;
    ~TextLines();

    bool open(const std::string& path);
    // Lines of text in memory, which must outlive the reading.
    void assign(std::string_view text);

    // The next line without its end, valid until the next call; false at the end or after a
    // read error.
    bool next(std::string_view& line);
    bool failed() const { return failed_; }

  private:
    // Moves the unread rest to the front and reads more after it; at the end sets atEnd_.
    void refill();

    size_t blockBytes_;
    int fd_ = -1;
    std::unique_ptr<char[]> buffer_;
    size_t bufferSize_ = 0;
    const char* begin_ = nullptr;  // the unread text
    const char* end_ = nullptr;
    bool atEnd_ = true;
    bool failed_ = false;
};

}  // namespace halvern
