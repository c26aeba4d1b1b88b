// The grapher's loader on a file far beyond its line limit: the memory it takes is bounded by
// what a cache keeps, not by the file's size. Every operator new of this program is counted, so
// the figure is the loader's own, whatever else runs on the machine.
#include <gtest/gtest.h>
#include <malloc.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <new>
#include <string>

#include "MessageSink.h"
#include "ScratchDir.h"
#include "grapher/ColumnFile.h"

namespace {

std::atomic<bool> counting{false};
std::atomic<int64_t> live{0};
std::atomic<int64_t> peak{0};

void Count(void* block, int sign) {
    if (block == nullptr || !counting.load(std::memory_order_relaxed)) return;
    const int64_t now = live += sign * static_cast<int64_t>(malloc_usable_size(block));
    int64_t seen = peak.load();
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {
    }
}

void* Allocate(std::size_t bytes) {
    void* block = std::malloc(bytes == 0 ? 1 : bytes);
    if (block == nullptr) throw std::bad_alloc();
    Count(block, 1);
    return block;
}

void Release(void* block) noexcept {
    Count(block, -1);
    std::free(block);
}

// The most the loader's allocations held at once while `load` ran, above what they held before.
template <class Load>
int64_t PeakBytesOf(Load&& load) {
    live = 0;
    peak = 0;
    counting = true;
    load();
    counting = false;
    return peak;
}

}  // namespace

void* operator new(std::size_t bytes) {
    return Allocate(bytes);
}
void* operator new[](std::size_t bytes) {
    return Allocate(bytes);
}
void operator delete(void* block) noexcept {
    Release(block);
}
void operator delete[](void* block) noexcept {
    Release(block);
}
void operator delete(void* block, std::size_t) noexcept {
    Release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    Release(block);
}

namespace halvern {
namespace {

class LoaderMemory : public test::ScratchDir {};

// 200 MB of two-column lines, made by repeating one block.
std::string WriteLargeColumnFile(const std::string& file) {
    std::string block;
    for (int i = 0; i < 30000; ++i) block += "  1.234567E+0001  " + std::to_string(i) + "\r\n";
    std::ofstream out(file, std::ios::binary);
    for (int64_t written = 0; written < 200'000'000; written += static_cast<int64_t>(block.size()))
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
    return file;
}

TEST_F(LoaderMemory, AFileBeyondTheLineLimitIsRefusedInBoundedMemory) {
    DataCache cache;
    cache.fileName = WriteLargeColumnFile(path("large.dat"));
    cache.points = {{1, 1}};
    RecordingSink sink;
    const int64_t bytes = PeakBytesOf([&] { LoadCache(cache, 1, 2, sink); });
    EXPECT_LT(bytes, int64_t{64} << 20);
    EXPECT_TRUE(cache.points.empty());
    EXPECT_EQ(sink.texts(), std::vector<std::string>{kTooManyDataText});
}

}  // namespace
}  // namespace halvern
