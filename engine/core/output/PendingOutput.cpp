#include "output/PendingOutput.h"

#include <algorithm>
#include <utility>

namespace halvern {

PendingOutput::PendingOutput(std::string spillPath, std::size_t memoryLimit)
    : path_(std::move(spillPath)), limit_(memoryLimit) {}

PendingOutput::~PendingOutput() {
    clear();
}

void PendingOutput::append(PendingStream stream, const void* data, std::size_t size) {
    if (size == 0) return;
    if (!chunks_.empty() && chunks_.back().stream == stream &&
        replayedChunks_ < chunks_.size())
        chunks_.back().size += size;
    else
        chunks_.push_back({stream, size});
    store(static_cast<const char*>(data), size);
}

void PendingOutput::store(const char* data, std::size_t size) {
    total_ += size;
    const std::size_t inMemory = std::min(size, limit_ - std::min(limit_, memory_.size()));
    memory_.append(data, inMemory);
    if (inMemory == size || failed_) {
        if (inMemory != size) total_ -= size - inMemory;
        return;
    }
    if (!spill_) spill_ = std::fopen(path_.c_str(), "w+b");
    const std::size_t rest = size - inMemory;
    if (!spill_ || std::fwrite(data + inMemory, 1, rest, spill_) != rest) {
        failed_ = true;
        total_ -= rest;
    }
}

void PendingOutput::read(std::size_t size, std::string& out) {
    out.clear();
    if (readPosition_ < memory_.size()) {
        const std::size_t n = std::min(size, memory_.size() - readPosition_);
        out.append(memory_, readPosition_, n);
        readPosition_ += n;
        size -= n;
    }
    if (size == 0 || !spill_) return;
    const std::size_t offset = readPosition_ - memory_.size();
    std::string buffer(size, '\0');
    std::size_t got = 0;
    if (std::fseek(spill_, static_cast<long>(offset), SEEK_SET) == 0)
        got = std::fread(buffer.data(), 1, size, spill_);
    out.append(buffer, 0, got);
    readPosition_ += got;
}

void PendingOutput::replay(std::size_t end, const ChunkWriter& write) {
    std::string bytes;
    for (end = std::min(end, chunks_.size()); replayedChunks_ < end; ++replayedChunks_) {
        const Chunk& c = chunks_[replayedChunks_];
        read(c.size, bytes);
        write(c.stream, bytes);
    }
    if (spill_) std::fseek(spill_, 0, SEEK_END);
}

void PendingOutput::clear() {
    chunks_.clear();
    std::string().swap(memory_);
    if (spill_) {
        std::fclose(spill_);
        spill_ = nullptr;
        std::remove(path_.c_str());
    }
    total_ = 0;
    replayedChunks_ = 0;
    readPosition_ = 0;
    failed_ = false;
}

}  // namespace halvern
