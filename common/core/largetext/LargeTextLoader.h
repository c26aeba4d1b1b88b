// Reading a large plain-text file in pieces, so that the window stays responsive: each piece
// is appended to the file's bytes and its lines are indexed (CR LF, LF and a lone CR end a
// line; a last line without its end is a line). The encoding is UTF-8 when every line is valid
// UTF-8, else Latin-1, as for every plain text the editors read.
#pragma once

#include <cstdint>
#include <string>

#include "largetext/LineStore.h"

namespace halvern {

// A plain-text file larger than this opens in the editors' view made for large text.
inline constexpr uint64_t kLargeTextBytes = 50ull * 1024 * 1024;

class LargeTextLoader {
  public:
    LargeTextLoader() = default;
    LargeTextLoader(const LargeTextLoader&) = delete;
    LargeTextLoader& operator=(const LargeTextLoader&) = delete;
    ~LargeTextLoader();

    // Opens a regular file without waiting on it; false with the reason otherwise.
    bool open(const std::string& path, std::string& reason);
    // Reads and indexes at most `bytes` more; false with the reason when reading fails.
    bool readPiece(size_t bytes, std::string& reason);
    bool finished() const { return finished_; }
    uint64_t bytesRead() const { return store_.fileBytes().size(); }
    uint64_t fileSize() const { return size_; }
    // The lines, once finished.
    LineStore take();

  private:
    bool indexTo(size_t end, std::string& reason);
    bool endLine(size_t end, std::string& reason);
    bool finish(std::string& reason);
    void reserveLines();

    int fd_ = -1;
    uint64_t size_ = 0;
    LineStore store_;
    size_t lineStart_ = 0;   // where the line being read begins
    size_t indexed_ = 0;     // bytes looked at
    bool afterCr_ = false;   // the last line ended with CR: an LF next is part of its end
    bool utf8_ = true;
    bool finished_ = false;
    bool reserved_ = false;
};

}  // namespace halvern
