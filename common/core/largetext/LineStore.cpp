#include "largetext/LineStore.h"

#include <algorithm>
#include <cstring>

namespace halvern {

namespace {

// Lines made by edits are small: they share chunks of this size, a longer one has its own.
constexpr size_t kChunkBytes = 1 << 20;

}  // namespace

std::string_view LineStore::bytes(const LineRef& line) const {
    if (line.chunk == 0) return std::string_view(file_).substr(line.offset, line.length);
    const Chunk& chunk = chunks_[line.chunk - 1];
    return std::string_view(chunk.data.get() + line.offset, line.length);
}

void LineStore::appendText(const LineRef& line, std::u16string& out) const {
    if (isLatin1(line))
        AppendLatin1AsUtf16(out, bytes(line));
    else
        AppendUtf16(out, bytes(line));
}

LineRef LineStore::add(std::string_view utf8) {
    if (chunks_.empty() || chunks_.back().size - chunks_.back().used < utf8.size()) {
        const size_t size = std::max(kChunkBytes, utf8.size());
        chunks_.push_back({std::make_unique<char[]>(size), size, 0});
    }
    Chunk& chunk = chunks_.back();
    if (!utf8.empty()) std::memcpy(chunk.data.get() + chunk.used, utf8.data(), utf8.size());
    const LineRef line{chunk.used, static_cast<uint32_t>(utf8.size()),
                       static_cast<uint32_t>(chunks_.size())};
    chunk.used += utf8.size();
    return line;
}

size_t LineStore::heldBytes() const {
    size_t held = file_.capacity() + lines_.capacity() * sizeof(LineRef);
    for (const Chunk& chunk : chunks_) held += chunk.size;
    return held;
}

}  // namespace halvern
