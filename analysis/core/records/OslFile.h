// Streaming access to record files: constant memory, large reads and writes, every one checked.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "OslRecord.h"
#include "ReplacingFile.h"

namespace halvern {

// Reads a record file front to back in large blocks. A trailing fragment shorter than one record
// is not a record (as the file's record count says) and is skipped.
class OslFileReader {
  public:
    enum class Status { Record, End, Error };

    OslFileReader();
    OslFileReader(const OslFileReader&) = delete;
    OslFileReader& operator=(const OslFileReader&) = delete;
    ~OslFileReader();

    // False for a missing or unreadable file and, without waiting, for one that is no regular
    // file.
    bool open(const std::string& path);
    void close();
    bool isOpen() const { return fd_ >= 0; }
    // The file ended in a fragment shorter than a record (known once the end is reached).
    bool endedInFragment() const { return fragment_; }
    // The bytes after the last whole record of the file as it was opened (0 to 39).
    int64_t trailingBytes() const { return trailing_; }

    // The next record's 40 bytes, valid until the next call; nullptr at the end or on an error.
    const unsigned char* next(Status& status) {
        if (pos_ == end_ && !refill(status)) return nullptr;
        status = Status::Record;
        const unsigned char* bytes = pos_;
        pos_ += kOslRecordSize;
        return bytes;
    }

    Status read(TOslRecord& record) {
        Status status;
        if (const unsigned char* bytes = next(status)) record = DecodeOslRecord(bytes);
        return status;
    }

  private:
    bool refill(Status& status);

    int fd_ = -1;
    std::vector<unsigned char> buffer_;
    const unsigned char* pos_ = nullptr;
    const unsigned char* end_ = nullptr;
    bool failed_ = false;
    bool atEnd_ = false;
    bool fragment_ = false;
    int64_t trailing_ = 0;
};

// Writes a new version of a record file through a large buffer and ReplacingFile: the file is
// replaced by commit(), and left as it was without it or after any failure.
class OslFileWriter {
  public:
    OslFileWriter();
    OslFileWriter(const OslFileWriter&) = delete;
    OslFileWriter& operator=(const OslFileWriter&) = delete;

    bool open(const std::string& path);
    void write(const unsigned char* recordBytes) {
        if (fill_ == buffer_.size()) flush();
        std::copy(recordBytes, recordBytes + kOslRecordSize, buffer_.data() + fill_);
        fill_ += kOslRecordSize;
    }
    void write(const TOslRecord& record) { write(EncodeOslRecord(record).data()); }
    // Writes what is buffered and puts the file in place; false when the creation, a write or
    // the replacement failed.
    bool commit();
    void discard() { file_.discard(); }
    bool ok() const { return file_.isOpen() && file_.ok(); }
    std::string failureText(const std::string& ownText) const { return file_.failureText(ownText); }

  private:
    void flush();

    ReplacingFile file_;
    std::vector<unsigned char> buffer_;
    size_t fill_ = 0;
};

// The number of whole records in a record file; false when it cannot be read.
bool CountOslRecords(const std::string& path, int64_t& count);

}  // namespace halvern
