#include "output/PendingOutput.h"

#include <unistd.h>

#include <algorithm>

#include "OslRecord.h"
#include "TemporaryFiles.h"
#include "output/SpillFolder.h"

namespace halvern {

namespace {
// About 1 MiB of whole records: a chunk of records reaches its file record by record counted.
constexpr std::size_t kReplayPiece = kOslRecordSize << 15;
constexpr std::size_t kSpillBlock = std::size_t{64} << 10;
}  // namespace

PendingOutput::PendingOutput(const SpillFolder* folder, std::size_t memoryLimit,
                             std::size_t fallbackLimit)
    : folder_(folder),
      limit_(memoryLimit),
      fallback_(std::max(fallbackLimit, memoryLimit)),
      block_(std::min({kSpillBlock, limit_, fallback_ - limit_})) {}

PendingOutput::~PendingOutput() {
    clear();
}

void PendingOutput::append(PendingStream stream, const void* data, std::size_t size) {
    if (size == 0 || overflowed_) return;
    if (!chunks_.empty() && chunks_.back().stream == stream &&
        replayedChunks_ < chunks_.size())
        chunks_.back().size += size;
    else
        chunks_.push_back({stream, size});
    store(static_cast<const char*>(data), size);
}

void PendingOutput::store(const char* data, std::size_t size) {
    // An append is never split between memory and the spill file, so that bytes handed over
    // before a spill file that does not read back are whole records and lines.
    if (spillBytes_ == 0 && tail_.empty() && size <= limit_ - memory_.size()) {
        memory_.append(data, size);
        total_ += size;
        return;
    }
    if (!spillFailed_ && spill_ < 0) {
        if (folder_) spill_ = folder_->createFile();
        spillFailed_ = spill_ < 0;
    }
    // While the spill file takes them, bytes wait in tail_ and go out a block at a time; an
    // append larger than a block goes straight after the ones waiting.
    if (!spillFailed_ && tail_.size() + size > block_ && spill(tail_.data(), tail_.size())) {
        tail_.clear();
        if (size > block_ && spill(data, size)) {
            total_ += size;
            return;
        }
    }
    if (spillFailed_ && memory_.size() + tail_.size() + size > fallback_) {
        overflowed_ = true;
        return;
    }
    tail_.append(data, size);
    total_ += size;
}

bool PendingOutput::spill(const char* data, std::size_t size) {
    // A write that fails part-way leaves bytes past spillBytes_, which are never read.
    if (!WriteAllAt(spill_, data, size, static_cast<long long>(spillBytes_))) {
        spillFailed_ = true;
        return false;
    }
    spillBytes_ += size;
    return true;
}

bool PendingOutput::read(std::size_t size, std::string& out) {
    out.clear();
    while (size > 0) {
        const uint64_t inMemory = memory_.size();
        const uint64_t spillEnd = inMemory + spillBytes_;
        std::size_t n = 0;
        if (readPosition_ < inMemory) {
            n = static_cast<std::size_t>(std::min<uint64_t>(size, inMemory - readPosition_));
            out.append(memory_, static_cast<std::size_t>(readPosition_), n);
        } else if (readPosition_ < spillEnd) {
            n = static_cast<std::size_t>(std::min<uint64_t>(size, spillEnd - readPosition_));
            const std::size_t at = out.size();
            out.resize(at + n);
            if (!ReadAllAt(spill_, out.data() + at, n,
                           static_cast<long long>(readPosition_ - inMemory))) {
                out.resize(at);
                return false;
            }
        } else {
            const uint64_t offset = readPosition_ - spillEnd;
            if (offset >= tail_.size()) return false;
            n = static_cast<std::size_t>(std::min<uint64_t>(size, tail_.size() - offset));
            out.append(tail_, static_cast<std::size_t>(offset), n);
        }
        readPosition_ += n;
        size -= n;
    }
    return true;
}

bool PendingOutput::replay(std::size_t end, const ChunkWriter& write) {
    std::string piece;
    for (end = std::min(end, chunks_.size()); replayedChunks_ < end; ++replayedChunks_) {
        const Chunk& c = chunks_[replayedChunks_];
        for (std::size_t left = c.size; left > 0;) {
            const std::size_t n = std::min(left, kReplayPiece);
            // After an overflow the kept bytes end where the first dropped append began.
            const bool whole = read(n, piece);
            if (!piece.empty()) write(c.stream, piece);
            if (!whole) return false;
            left -= n;
        }
    }
    return !overflowed_;
}

void PendingOutput::clear() {
    chunks_.clear();
    std::string().swap(memory_);
    std::string().swap(tail_);
    if (spill_ >= 0) ::close(spill_);
    spill_ = -1;
    spillBytes_ = 0;
    total_ = 0;
    replayedChunks_ = 0;
    readPosition_ = 0;
    spillFailed_ = false;
    overflowed_ = false;
}

}  // namespace halvern
