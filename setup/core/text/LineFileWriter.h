// A text file written a line at a time through a buffer and a temporary file that replaces the
// destination only when every write succeeded, so a failed or abandoned file leaves the old one.
#pragma once

#include <string>
#include <string_view>

#include "FileSafety.h"

namespace velkor {

class LineFileWriter {
  public:
    LineFileWriter() = default;
    LineFileWriter(const LineFileWriter&) = delete;
    LineFileWriter& operator=(const LineFileWriter&) = delete;

    bool open(const std::string& path);
    // Appends text; lines carry their own CR LF.
    void write(std::string_view text);
    // False once a write has failed; later writes are dropped.
    bool ok() const { return ok_; }
    // Writes what is left and puts the file in place; false when creating or any write failed.
    bool finish();
    // The caller's failure text with what became of the file (read-only, no regular file, left
    // as it was).
    std::string failureText(const std::string& ownText) const { return file_.failureText(ownText); }

  private:
    void flush();

    halvern::ReplacingFile file_;
    std::string buffer_;
    bool ok_ = false;
};

}  // namespace velkor
