// The output of a trajectory that runs ahead of the commit point: its chunks in the order they
// were written, their bytes in memory up to a limit and beyond it in a temporary file, read back
// in the same order when the trajectory's turn comes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace halvern {

enum class PendingStream : uint8_t { Dynamics, Events, InitialConditions };

class PendingOutput {
  public:
    // `spillPath` is created only when more than `memoryLimit` bytes are pending.
    PendingOutput(std::string spillPath, std::size_t memoryLimit);
    PendingOutput(const PendingOutput&) = delete;
    PendingOutput& operator=(const PendingOutput&) = delete;
    ~PendingOutput();

    // Consecutive appends to one stream make one chunk.
    void append(PendingStream stream, const void* data, std::size_t size);
    void append(PendingStream stream, std::string_view text) {
        append(stream, text.data(), text.size());
    }

    std::size_t chunkCount() const { return chunks_.size(); }
    std::size_t bytes() const { return total_; }
    bool spilled() const { return spill_ != nullptr; }
    const std::string& spillPath() const { return path_; }
    // Some bytes could not be kept (the temporary file failed); they are lost.
    bool failed() const { return failed_; }

    // Hands the chunks from the last replayed one up to `end` (exclusive) to `write`, in order.
    using ChunkWriter = std::function<void(PendingStream, std::string_view)>;
    void replay(std::size_t end, const ChunkWriter& write);

    // Empty again; the temporary file is removed.
    void clear();

  private:
    struct Chunk {
        PendingStream stream;
        std::size_t size;
    };
    void store(const char* data, std::size_t size);
    void read(std::size_t size, std::string& out);

    std::string path_;
    std::size_t limit_;
    std::vector<Chunk> chunks_;
    std::string memory_;
    std::FILE* spill_ = nullptr;
    std::size_t total_ = 0;
    std::size_t replayedChunks_ = 0;
    std::size_t readPosition_ = 0;
    bool failed_ = false;
};

}  // namespace halvern
