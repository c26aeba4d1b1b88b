#include "records/OslFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "FileSafety.h"

namespace halvern {

namespace {

constexpr size_t kBlockRecords = 16384;  // 640 KiB a read or write
constexpr size_t kBlockBytes = kBlockRecords * kOslRecordSize;

// read(2) until n bytes or the end; -1 on an error.
ssize_t ReadFully(int fd, unsigned char* data, size_t n) {
    size_t got = 0;
    while (got < n) {
        ssize_t r = ::read(fd, data + got, n - got);
        if (r < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        if (r == 0) break;
        got += static_cast<size_t>(r);
    }
    return static_cast<ssize_t>(got);
}

}  // namespace

OslFileReader::OslFileReader() = default;

OslFileReader::~OslFileReader() {
    close();
}

bool OslFileReader::open(const std::string& path) {
    close();
    fd_ = OpenRegularFile(path);
    if (fd_ < 0) return false;
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        close();
        return false;
    }
    buffer_.resize(kBlockBytes);
    pos_ = end_ = buffer_.data();
    failed_ = atEnd_ = fragment_ = false;
    trailing_ = static_cast<int64_t>(info.st_size) % static_cast<int64_t>(kOslRecordSize);
    return true;
}

void OslFileReader::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    pos_ = end_ = nullptr;
}

bool OslFileReader::refill(Status& status) {
    if (failed_ || fd_ < 0) {
        status = Status::Error;
        return false;
    }
    if (atEnd_) {
        status = Status::End;
        return false;
    }
    unsigned char* data = buffer_.data();
    // A block is read whole except at the end of the file, so it holds whole records only.
    ssize_t got = ReadFully(fd_, data, kBlockBytes);
    if (got < 0) {
        failed_ = true;
        status = Status::Error;
        return false;
    }
    size_t bytes = static_cast<size_t>(got);
    if (bytes < kBlockBytes) atEnd_ = true;
    size_t whole = bytes - bytes % kOslRecordSize;
    if (whole != bytes) fragment_ = true;
    pos_ = data;
    end_ = data + whole;
    if (whole == 0) {
        status = Status::End;
        return false;
    }
    return true;
}

OslFileWriter::OslFileWriter() = default;

bool OslFileWriter::open(const std::string& path) {
    buffer_.resize(kBlockBytes);
    fill_ = 0;
    return file_.open(path);
}

void OslFileWriter::flush() {
    if (fill_ > 0) file_.write(buffer_.data(), fill_);
    fill_ = 0;
}

bool OslFileWriter::commit() {
    flush();
    return file_.commit();
}

bool CountOslRecords(const std::string& path, int64_t& count) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    count = static_cast<int64_t>(info.st_size) / static_cast<int64_t>(kOslRecordSize);
    return true;
}

}  // namespace halvern
