// The output of a trajectory that runs ahead of the commit point: its chunks in the order they
// were written, their bytes in memory up to a limit and beyond it in a spill file of the run's
// private folder, read back in the same order when the trajectory's turn comes. Where the spill
// file cannot be made or written, the bytes stay in memory up to a second limit; beyond that the
// output overflows and the trajectory must be followed again. Spilled bytes are written in
// blocks of up to 64 KiB, no larger than the memory limit nor than what the second limit leaves
// beyond it, not a system call per record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace halvern {

class SpillFolder;

enum class PendingStream : uint8_t { Dynamics, Events, InitialConditions };

class PendingOutput {
  public:
    // Appends beyond `memoryLimit` go to a spill file in `folder` (none: no spill file); when it
    // fails, at most `fallbackLimit` bytes in all are kept in memory. Appends stay whole.
    PendingOutput(const SpillFolder* folder, std::size_t memoryLimit, std::size_t fallbackLimit);
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
    bool spilled() const { return spillBytes_ > 0; }
    // The spill file could not be made or written: later bytes were kept in memory.
    bool spillFailed() const { return spillFailed_; }
    // Bytes had to be dropped: this output cannot be replayed.
    bool overflowed() const { return overflowed_; }

    // Hands the chunks from the last replayed one up to `end` (exclusive) to `write`, in order,
    // a large chunk in several pieces, each a whole number of records. False when the output
    // overflowed or a spilled piece could not be read back; the bytes before the gap have been
    // handed over then.
    using ChunkWriter = std::function<void(PendingStream, std::string_view)>;
    bool replay(std::size_t end, const ChunkWriter& write);

    // Empty again; the spill file is gone.
    void clear();

  private:
    struct Chunk {
        PendingStream stream;
        std::size_t size;
    };
    void store(const char* data, std::size_t size);
    // Appends to the spill file; false (spillFailed_ set) when it does not take them all.
    bool spill(const char* data, std::size_t size);
    bool read(std::size_t size, std::string& out);

    const SpillFolder* folder_;
    std::size_t limit_;
    std::size_t fallback_;
    std::size_t block_;  // bytes that wait in tail_ before they go to the spill file
    std::vector<Chunk> chunks_;
    // The bytes in order: memory_, then spillBytes_ in the spill file, then tail_ (bytes that wait
    // for the spill file, or that it could not take).
    std::string memory_;
    int spill_ = -1;
    uint64_t spillBytes_ = 0;
    std::string tail_;
    std::size_t total_ = 0;
    std::size_t replayedChunks_ = 0;
    uint64_t readPosition_ = 0;
    bool spillFailed_ = false;
    bool overflowed_ = false;
};

}  // namespace halvern
