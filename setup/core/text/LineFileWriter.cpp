#include "text/LineFileWriter.h"

namespace velkor {

namespace {
constexpr size_t kBufferSize = 64 * 1024;
}

bool LineFileWriter::open(const std::string& path) {
    buffer_.clear();
    buffer_.reserve(kBufferSize + 256);
    ok_ = file_.open(path);
    return ok_;
}

void LineFileWriter::write(std::string_view text) {
    if (!ok_) return;
    buffer_ += text;
    if (buffer_.size() >= kBufferSize) flush();
}

void LineFileWriter::flush() {
    if (ok_ && !buffer_.empty()) ok_ = file_.write(buffer_);
    buffer_.clear();
}

bool LineFileWriter::finish() {
    flush();
    if (!ok_) {
        file_.discard();
        return false;
    }
    ok_ = file_.commit();
    return ok_;
}

}  // namespace velkor
