#include "largetext/LargeTextLoader.h"

#include "FileSafety.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

namespace halvern {

LargeTextLoader::~LargeTextLoader() {
    if (fd_ >= 0) ::close(fd_);
}

bool LargeTextLoader::open(const std::string& path, std::string& reason) {
    bool notRegular = false;
    errno = 0;
    fd_ = OpenRegularFile(path, &notRegular);
    if (fd_ < 0) {
        reason = notRegular ? "it is not a regular file" : std::strerror(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        reason = std::strerror(errno);
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    size_ = static_cast<uint64_t>(info.st_size);
    store_.fileBytes().reserve(size_);
    return true;
}

bool LargeTextLoader::readPiece(size_t bytes, std::string& reason) {
    if (finished_) return true;
    std::string& file = store_.fileBytes();
    const size_t before = file.size();
    // Up to the size the file had when opened, into the room reserved for it; past it, a small
    // read finds the end (or what was added since) without growing the room for nothing.
    char spare[64 * 1024];
    const bool within = before < size_;
    const size_t want = within ? std::min<size_t>(bytes, size_ - before) : sizeof spare;
    if (within) file.resize(before + want);
    char* into = within ? file.data() + before : spare;
    ssize_t got = 0;
    do {
        got = ::read(fd_, into, want);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        reason = std::strerror(errno);
        file.resize(before);
        return false;
    }
    if (within)
        file.resize(before + static_cast<size_t>(got));
    else
        file.append(spare, static_cast<size_t>(got));
    if (!indexTo(file.size(), reason)) return false;
    reserveLines();
    return got > 0 || finish(reason);
}

// Once the first piece shows how long lines are, room for the whole file's lines at once
// spares the copies of a growing array.
void LargeTextLoader::reserveLines() {
    std::vector<LineRef>& lines = store_.lines();
    const size_t read = store_.fileBytes().size();
    if (reserved_ || lines.empty() || read == 0) return;
    reserved_ = true;
    const double perByte = double(lines.size()) / double(read);
    lines.reserve(static_cast<size_t>(perByte * double(size_) * 1.05) + 16);
}

bool LargeTextLoader::indexTo(size_t end, std::string& reason) {
    const char* bytes = store_.fileBytes().data();
    for (size_t i = indexed_; i < end; ++i) {
        const char c = bytes[i];
        if (c != '\n' && c != '\r') continue;
        if (afterCr_ && c == '\n' && i == lineStart_) {
            afterCr_ = false;
            lineStart_ = i + 1;
            continue;
        }
        if (!endLine(i, reason)) return false;
        lineStart_ = i + 1;
        afterCr_ = c == '\r';
    }
    indexed_ = end;
    return true;
}

bool LargeTextLoader::endLine(size_t end, std::string& reason) {
    const size_t length = end - lineStart_;
    if (length > std::numeric_limits<uint32_t>::max()) {
        reason = "a line is longer than 4 GB";
        return false;
    }
    store_.lines().push_back({lineStart_, static_cast<uint32_t>(length), 0});
    if (utf8_) utf8_ = IsValidUtf8(std::string_view(store_.fileBytes()).substr(lineStart_, length));
    return true;
}

bool LargeTextLoader::finish(std::string& reason) {
    const size_t end = store_.fileBytes().size();
    if (lineStart_ < end && !endLine(end, reason)) return false;  // a last line without its end
    store_.setFileEncoding(utf8_ ? TextEncoding::Utf8 : TextEncoding::Latin1);
    ::close(fd_);
    fd_ = -1;
    finished_ = true;
    return true;
}

LineStore LargeTextLoader::take() {
    return std::move(store_);
}

}  // namespace halvern
