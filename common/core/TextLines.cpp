#include "TextLines.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "FileSafety.h"

namespace halvern {

TextLines::~TextLines() {
    if (fd_ >= 0) ::close(fd_);
}

bool TextLines::open(const std::string& path) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = OpenRegularFile(path);
    // Left uninitialised: only what is read is ever looked at.
    bufferSize_ = std::max<size_t>(blockBytes_, 2);
    buffer_.reset(new char[bufferSize_]);
    begin_ = end_ = buffer_.get();
    atEnd_ = fd_ < 0;
    failed_ = fd_ < 0;
    return fd_ >= 0;
}

void TextLines::assign(std::string_view text) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    buffer_.reset();
    bufferSize_ = 0;
    begin_ = text.data();
    end_ = text.data() + text.size();
    atEnd_ = true;
    failed_ = false;
}

void TextLines::refill() {
    if (atEnd_) return;
    const size_t rest = static_cast<size_t>(end_ - begin_);
    if (rest > bufferSize_ / 2) {
        // A long line: the buffer doubles, up to the longest line allowed.
        if (rest >= kMaxLineBytes) {
            failed_ = true;
            atEnd_ = true;
            return;
        }
        std::unique_ptr<char[]> larger(new char[2 * bufferSize_]);
        std::memcpy(larger.get(), begin_, rest);
        buffer_ = std::move(larger);
        bufferSize_ *= 2;
    } else if (rest > 0) {
        std::memmove(buffer_.get(), begin_, rest);
    }
    begin_ = buffer_.get();
    end_ = begin_ + rest;
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.get() + rest, bufferSize_ - rest);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) failed_ = true;
        if (got <= 0)
            atEnd_ = true;
        else
            end_ += got;
        return;
    }
}

bool TextLines::next(std::string_view& line) {
    for (;;) {
        const char* stop =
            std::find_if(begin_, end_, [](char c) { return c == '\n' || c == '\r'; });
        // A CR at the end of what is read may be the first half of a CR LF.
        const bool certain = stop != end_ && (*stop == '\n' || stop + 1 != end_ || atEnd_);
        if (certain) {
            line = std::string_view(begin_, static_cast<size_t>(stop - begin_));
            begin_ = stop + 1;
            if (*stop == '\r' && begin_ != end_ && *begin_ == '\n') ++begin_;
            return true;
        }
        if (atEnd_) {
            if (failed_ || begin_ == end_) return false;
            // The last line, without its end.
            line = std::string_view(begin_, static_cast<size_t>(end_ - begin_));
            begin_ = end_;
            return true;
        }
        refill();
    }
}

}  // namespace halvern
